#include "sources/docx_reading.h"

#include <filesystem>
#include <vector>

#include "platform/regular_file.h"
#include "settings/ui_texts.h"
#include "sources/docx_extract.h"
#include "sources/file_classifier.h"
#include "sources/input_checks.h"
#include "text/path_text.h"
#include "text/run_error.h"
#include "text/strings.h"

namespace velt {
namespace fs = std::filesystem;
namespace {

constexpr int64_t kDocxProbeLength = 10;

// The messages of a refused extraction.
FileReadStatus RefuseDocx(SourceContext& context, TextView path, DocxExtractError error) {
  Shell& shell = context.shell;
  if (error == DocxExtractError::TooBig) {
    shell.Message(MessageId::DocxTooBig, u"File too big",
                  Text(path) +
                      u"\r\nis too large (more than 20 Mb) to be scanned directly.\r\n\r\n"
                      u"You might be able to save it as a text file\r\n"
                      u"and apply this program to that file.",
                  MessageIcon::Information);
  } else if (error == DocxExtractError::NoTempFolder) {
    shell.Message(MessageId::NoTemporaryFolder, shell.UIText(ui_text::kTemporaryFolderTitle),
                  u"Unable to create temporary folder.", MessageIcon::Exclamation);
  }
  // A single-file run ends here. A folder scan goes on with its other files
  // and keeps its timer and the file list it has written so far.
  if (context.settings.source == Source::SingleFile) {
    context.run.timer2Enabled = false;
    context.run.elapsedTimeRunning = false;
    ClearSizeLabels(shell.window);
    context.hooks.ClearTextbox();
  }
  return FileReadStatus::DocxFailed;
}

// Copies the text file to "extracted_text" beside the document.
void KeepExtractedText(const std::string& textPath, TextView docxPath) {
  const fs::path folder = fs::path(NativePath(docxPath)).parent_path() / "extracted_text";
  std::error_code ec;
  fs::create_directory(folder, ec);
  if (!ec) {
    fs::copy_file(textPath, folder / fs::path(textPath).filename(),
                  fs::copy_options::overwrite_existing, ec);
  }
  if (ec) throw RunErrorException(ErrorFromErrno(ec.value()));
}

}  // namespace

bool IsDocxFile(const RunState& run, TextView path) {
  if (run.readingWordsFile || LowerExtension(path) != u"docx") return false;
  OpenedFile opened = OpenRegularFile(NativePath(path));
  if (!opened.fd.valid()) return false;
  char start[kDocxProbeLength];
  if (ReadFully(opened.fd.get(), start, kDocxProbeLength) != kDocxProbeLength) return false;
  return start[0] == 'P' && start[1] == 'K' && start[2] == 3 && start[3] == 4;
}

FileReadStatus DocxFirstPass(SourceContext& context, TextView path) {
  std::optional<TempFolder> folder;
  Text failure;
  const DocxExtraction extraction = ExtractDocumentXml(context, path, folder, failure);
  folder.reset();
  if (extraction.error != DocxExtractError::None) {
    return RefuseDocx(context, path, extraction.error);
  }
  return FileReadStatus::Read;
}

FileReadStatus PrepareDocxText(SourceContext& context, TextView path, DocxText& text) {
  Shell& shell = context.shell;
  Text failure;
  const DocxExtraction extraction = ExtractDocumentXml(context, path, text.folder, failure);
  if (extraction.error != DocxExtractError::None) {
    return RefuseDocx(context, path, extraction.error);
  }

  std::vector<Text> runs;
  int64_t size = 0;
  const Text error = ConvertDocumentXml(context, *text.folder, failure, runs, size);
  if (!error.empty()) {
    shell.Message(MessageId::DocxConversionError, u"Error",
                  error + u" when processing \r\n" + Text(path), MessageIcon::Exclamation);
    context.run.stopRequested = true;
    return FileReadStatus::Read;
  }
  const std::string textPath = text.folder->path() + "/" + NativePath(DocxTextFileName(path));
  int64_t bytes = 0;
  int writeError = 0;
  if (!WriteRunsFile(runs, textPath, bytes, writeError)) {
    return FileReadStatus::DocxTextNotWritten;
  }
  ShowTextSize(shell, bytes);

  TextFileInfo info;
  text.lineType =
      IsTextFile(PathFromNative(textPath), kSampleSize, info, kStrictThreshold, true).lineType;
  text.utf8 = info.utf8;
  if (context.settings.keepDocxText) KeepExtractedText(textPath, path);
  text.textPath = textPath;
  return FileReadStatus::Read;
}

}  // namespace velt

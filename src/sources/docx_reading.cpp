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

constexpr int kDocxFailed = 13;
constexpr int kTextFileNotWritten = 14;
constexpr int64_t kDocxProbeLength = 10;

// The messages of a refused extraction.
int RefuseDocx(SourceContext& context, TextView path, int64_t result) {
  Shell& shell = context.shell;
  if (result == docx_extract::kTooBig) {
    shell.Message(MessageId::DocxTooBig, u"File too big",
                  Text(path) +
                      u"\r\nis too large (more than 20 Mb) to be scanned directly.\r\n\r\n"
                      u"You might be able to save it as a text file\r\n"
                      u"and apply this program to that file.",
                  MessageIcon::Information);
  } else if (result == docx_extract::kNoTempFolder) {
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
  return kDocxFailed;
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

int DocxFirstPass(SourceContext& context, TextView path) {
  std::optional<TempFolder> folder;
  Text failure;
  const int64_t result = ExtractDocumentXml(context, path, folder, failure);
  folder.reset();
  return result < 0 ? RefuseDocx(context, path, result) : 0;
}

int PrepareDocxText(SourceContext& context, TextView path, DocxText& text) {
  Shell& shell = context.shell;
  Text failure;
  const int64_t result = ExtractDocumentXml(context, path, text.folder, failure);
  if (result < 0) return RefuseDocx(context, path, result);

  std::vector<Text> runs;
  int64_t size = 0;
  const Text error = ConvertDocumentXml(context, *text.folder, failure, runs, size);
  if (!error.empty()) {
    shell.Message(MessageId::DocxConversionError, u"Error",
                  error + u" when processing \r\n" + Text(path), MessageIcon::Exclamation);
    context.run.stopRequested = true;
    return 0;
  }
  const std::string textPath = text.folder->path() + "/" + NativePath(DocxTextFileName(path));
  int64_t bytes = 0;
  int writeError = 0;
  if (!WriteRunsFile(runs, textPath, bytes, writeError)) return kTextFileNotWritten;
  ShowTextSize(shell, bytes);

  TextFileInfo info;
  const int code = IsTextFile(PathFromNative(textPath), kSampleSize, info, kStrictThreshold, true);
  text.lineType = code >= 1 && code <= 3 ? code : 1;
  text.utf8 = info.utf8;
  if (context.settings.keepDocxText) KeepExtractedText(textPath, path);
  text.textPath = textPath;
  return 0;
}

}  // namespace velt

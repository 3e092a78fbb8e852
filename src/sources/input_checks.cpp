#include "sources/input_checks.h"

#include "platform/regular_file.h"
#include "settings/ui_texts.h"
#include "sources/folder_scan.h"
#include "sources/not_a_file.h"
#include "text/path_text.h"
#include "text/strings.h"

namespace velt {
namespace {

struct FileFacts {
  bool exists = false;  // exists and is not a folder
  int64_t size = 0;
};

FileFacts FactsOf(TextView path) {
  const FileStatus status = ExamineFile(NativePath(path));
  FileFacts facts;
  facts.exists = status.kind == FileKind::Regular || status.kind == FileKind::Special;
  facts.size = status.size;
  return facts;
}

// A named input path that is there but is no file to read (a folder, a FIFO, a
// link loop...): the message names the reason. False for a regular file and a
// missing one.
bool RefuseNonFile(Shell& shell, TextView path) {
  const std::optional<Text> reason = NotAFileReason(path);
  if (!reason) return false;
  shell.Message(MessageId::InputNotAFile, u"Invalid input file",
                Text(path) + Text(kLineEnd) + *reason, MessageIcon::Exclamation);
  return true;
}

}  // namespace

void ClearSizeLabels(WindowModel& window) {
  window.SetCaption(ControlId::lblFilesize, u"");
  window.SetCaption(ControlId::lblXMLsize, u"");
}

Text SizeLabelText(const NumberFormat& numbers, int64_t bytes) {
  if (bytes > 1048575)
    return numbers.Fixed(static_cast<double>(bytes) / 1048576.0, 2, true) + u" Mb";
  if (bytes > 9999) return numbers.Fixed(static_cast<double>(bytes) / 1024.0, 2, true) + u" Kb";
  return numbers.Grouped(bytes) + u" bytes";
}

void ShowFileSize(Shell& shell, int64_t bytes) {
  shell.window.SetCaption(ControlId::lblFilesize,
                          u"Filesize: " + SizeLabelText(shell.numbers, bytes));
}

void ShowTextSize(Shell& shell, int64_t bytes) {
  shell.window.SetCaption(ControlId::lblXMLsize, u"Text: " + SizeLabelText(shell.numbers, bytes));
}

InputFileStatus CheckInputFileName(SourceContext& context, TextView path) {
  const Text trimmed = TrimSpaces(path);
  InputFileStatus status = InputFileStatus::Ok;
  FileFacts facts;
  if (EndsWith(trimmed, u"/")) {
    status = InputFileStatus::EndsWithSlash;
    if (!context.run.startUpCompleted) context.settings.filePaths[0].clear();
  } else {
    facts = FactsOf(trimmed);
    if (!facts.exists) status = InputFileStatus::Missing;
  }
  if (status != InputFileStatus::Ok) {
    ClearSizeLabels(context.shell.window);
    return status;
  }
  if (facts.size == 0) status = InputFileStatus::ZeroLength;
  const SourceState& state = context.state;
  if (!(state.listingFiles && !state.countingFiles)) ShowFileSize(context.shell, facts.size);
  return status;
}

void ShowInputFileMessage(Shell& shell, const Settings& settings, InputFileStatus status) {
  // "Does not exist" and "zero-length" are also what a folder, a FIFO or a
  // link loop would get; those are told as what they are.
  const Text input = TrimSpaces(settings.filePaths[0]);
  if ((status == InputFileStatus::Missing || status == InputFileStatus::ZeroLength) &&
      !input.empty() && RefuseNonFile(shell, input)) {
    return;
  }
  switch (status) {
    case InputFileStatus::EndsWithSlash:
      shell.Message(MessageId::InvalidInputFileSpecification, u"Invalid input",
                    u"Invalid input file specification.", MessageIcon::Exclamation);
      break;
    case InputFileStatus::Missing:
      shell.Message(MessageId::InputFileMissing, u"File not found", u"Input file does not exist.",
                    MessageIcon::Exclamation);
      break;
    case InputFileStatus::ZeroLength:
      if (input.empty()) {
        shell.Message(MessageId::InputFileNotSpecified, u"Error", u"Input file not specified.",
                      MessageIcon::Exclamation);
      } else {
        shell.Message(MessageId::InputFileZeroLength, u"Error", u"Input file is zero-length.",
                      MessageIcon::Exclamation);
      }
      break;
    case InputFileStatus::OutputIsInput:
      shell.Message(MessageId::OutputIsInput, u"Error",
                    u"The output file cannot be the same as the input file.",
                    MessageIcon::Exclamation);
      break;
    case InputFileStatus::Ok:
      break;
  }
}

bool CheckSourceBeforeCount(Shell& shell, Settings& settings) {
  Text& input = settings.filePaths[0];
  input = TrimSpaces(input);
  switch (settings.source) {
    case Source::Clipboard:
      if (!shell.clipboard.GetText().empty()) return true;
      shell.Message(MessageId::NoClipboardText, u"", shell.UIText(ui_text::kNoClipboardText),
                    MessageIcon::None);
      return false;
    case Source::SingleFile: {
      if (input.empty()) {
        shell.Message(MessageId::CountWithoutInputFile, u"Invalid input",
                      u"Input file not specified!", MessageIcon::Exclamation);
        return false;
      }
      if (RefuseNonFile(shell, input)) return false;
      const FileFacts facts = FactsOf(input);
      if (facts.exists && facts.size == 0) {
        shell.Message(MessageId::CountEmptyInputFile, u"Empty file", u"Input file is zero-length!",
                      MessageIcon::Exclamation);
        return false;
      }
      return true;
    }
    case Source::Folder:
      return CheckFolderSource(shell, settings);
  }
  return true;
}

}  // namespace velt

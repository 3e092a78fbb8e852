#include "sources/input_checks.h"

#include "platform/regular_file.h"
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
bool RefuseNonFile(Session& session, TextView path) {
  const std::optional<Text> reason = NotAFileReason(path);
  if (!reason) return false;
  session.Message(u"Invalid input file", Text(path) + Text(kLineEnd) + *reason,
                  MessageIcon::Exclamation);
  return true;
}

void ClearSizeLabels(Session& session) {
  session.window.SetCaption(ControlId::lblFilesize, u"");
  session.window.SetCaption(ControlId::lblXMLsize, u"");
}

}  // namespace

Text SizeLabelText(const NumberFormat& numbers, int64_t bytes) {
  if (bytes > 1048575)
    return numbers.Fixed(static_cast<double>(bytes) / 1048576.0, 2, true) + u" Mb";
  if (bytes > 9999) return numbers.Fixed(static_cast<double>(bytes) / 1024.0, 2, true) + u" Kb";
  return numbers.Grouped(bytes) + u" bytes";
}

void ShowFileSize(Session& session, int64_t bytes) {
  session.window.SetCaption(ControlId::lblFilesize,
                            u"Filesize: " + SizeLabelText(session.numbers, bytes));
}

void ShowTextSize(Session& session, int64_t bytes) {
  session.window.SetCaption(ControlId::lblXMLsize,
                            u"Text: " + SizeLabelText(session.numbers, bytes));
}

int CheckInputFileName(Session& session, TextView path) {
  const Text trimmed = TrimSpaces(path);
  int code = input_file::kOk;
  FileFacts facts;
  if (EndsWith(trimmed, u"/")) {
    code = input_file::kEndsWithSlash;
    if (!session.run.startUpCompleted) session.settings.filePaths[0].clear();
  } else {
    facts = FactsOf(trimmed);
    if (!facts.exists) code = input_file::kMissing;
  }
  if (code != input_file::kOk) {
    ClearSizeLabels(session);
    return code;
  }
  if (facts.size == 0) code = input_file::kZeroLength;
  const SourceState& state = session.sources;
  if (!(state.listingFiles && !state.countingFiles)) ShowFileSize(session, facts.size);
  return code;
}

void ShowInputFileMessage(Session& session, int code) {
  // "Does not exist" and "zero-length" are also what a folder, a FIFO or a
  // link loop would get; those are told as what they are.
  const Text input = TrimSpaces(session.settings.filePaths[0]);
  if ((code == input_file::kMissing || code == input_file::kZeroLength) && !input.empty() &&
      RefuseNonFile(session, input)) {
    return;
  }
  switch (code) {
    case input_file::kEndsWithSlash:
      session.Message(u"Invalid input", u"Invalid input file specification.",
                      MessageIcon::Exclamation);
      break;
    case input_file::kMissing:
      session.Message(u"File not found", u"Input file does not exist.", MessageIcon::Exclamation);
      break;
    case input_file::kZeroLength:
      session.Message(u"Error",
                      TrimSpaces(session.settings.filePaths[0]).empty()
                          ? u"Input file not specified."
                          : u"Input file is zero-length.",
                      MessageIcon::Exclamation);
      break;
    case input_file::kOutputIsInput:
      session.Message(u"Error", u"The output file cannot be the same as the input file.",
                      MessageIcon::Exclamation);
      break;
    default:
      break;
  }
}

bool CheckSourceBeforeCount(Session& session) {
  Text& input = session.settings.filePaths[0];
  input = TrimSpaces(input);
  switch (session.settings.source) {
    case Source::Clipboard:
      if (!session.clipboard.GetText().empty()) return true;
      session.Message(u"", session.UIText(213), MessageIcon::None);
      return false;
    case Source::SingleFile: {
      if (input.empty()) {
        session.Message(u"Invalid input", u"Input file not specified!", MessageIcon::Exclamation);
        return false;
      }
      if (RefuseNonFile(session, input)) return false;
      const FileFacts facts = FactsOf(input);
      if (facts.exists && facts.size == 0) {
        session.Message(u"Empty file", u"Input file is zero-length!", MessageIcon::Exclamation);
        return false;
      }
      return true;
    }
    case Source::Folder:
      return CheckFolderSource(session);
  }
  return true;
}

}  // namespace velt

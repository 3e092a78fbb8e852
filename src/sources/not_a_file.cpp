#include "sources/not_a_file.h"

#include "text/case_mapping.h"
#include "text/path_text.h"
#include "text/run_error.h"
#include "text/strings.h"

namespace velt {

std::optional<Text> NotAFileReason(const FileStatus& status) {
  switch (status.kind) {
    case FileKind::Missing:
    case FileKind::Regular:
      return std::nullopt;
    case FileKind::Folder:
      return Text(u"is a folder, not a file.");
    case FileKind::Special:
      return Text(u"is not a regular file (a FIFO, socket or device).");
    case FileKind::Unreachable:
      break;
  }
  // The system's description, as the end of a sentence: "too many levels of
  // symbolic links", "file name too long", "permission denied".
  Text description = ErrorFromErrno(status.error).description;
  if (!description.empty()) description[0] = LowerCaseText(description.substr(0, 1))[0];
  return u"cannot be reached: " + description + u".";
}

std::optional<Text> NotAFileReason(TextView path) {
  return NotAFileReason(ExamineFile(NativePath(path)));
}

}  // namespace velt

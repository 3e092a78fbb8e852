#include "sources/check_text_file.h"

#include "platform/regular_file.h"
#include "sources/file_classifier.h"
#include "sources/not_a_file.h"
#include "text/path_text.h"
#include "text/strings.h"

namespace velt {
namespace {

// The text after "File " + path for a file that could not be examined.
TextView UnexaminedTail(Encoding reason) {
  switch (reason) {
    case Encoding::CannotOpen:
      return u"\r\ncannot be opened.";
    case Encoding::OneToFourBytes:
      return u"\r\ncontains only from 1 to 4 bytes.";
    case Encoding::PermissionDenied:
      return u"\r\n cannot be opened (permission denied).";
    case Encoding::ZeroLength:
      return u" is zero-length.";
    case Encoding::Missing:
      return u" not found.";
    default:
      return TextView();
  }
}

// The text after "File " + path for the verdicts that end in a fatal error.
TextView FatalErrorTail(const TextFileClass& found) {
  switch (found.verdict) {
    case TextVerdict::Rtf:
      return u"\r\nis an RTF file.";
    case TextVerdict::Unicode:
      return u"\r\nis a Unicode file but not UTF-8 encoded.";
    case TextVerdict::Unexamined:
      return UnexaminedTail(found.encoding);
    default:
      return TextView();
  }
}

Text NotTextMessage(TextView path, const TextFileInfo& info, int64_t size) {
  Text text = Text(path) + u"\r\nis not an ANSI or UTF-8 encoded text file.";
  if (info.percent > kStrictThreshold) text += u"\r\nIt appears to be a binary file.";
  if (OffersClipboardHint(info.percent, size)) text.append(u"\r\n\r\n").append(kClipboardHint);
  return text;
}

}  // namespace

bool CheckTextFile(Shell& shell, SourceHooks& hooks, TextView path, bool /*quiet*/, bool& utf8,
                   TextFileClass& found, bool /*ask*/) {
  hooks.ClearTextbox();
  const FileStatus status = ExamineFile(NativePath(path));
  if (const std::optional<Text> reason = NotAFileReason(status)) {
    // Never opened: a FIFO would have nothing to give, a folder no lines.
    shell.Message(MessageId::InvalidWordsFile, u"Invalid words-to-ignore file",
                  u"File " + Text(path) + Text(kLineEnd) + *reason, MessageIcon::Exclamation);
    found = {TextVerdict::Unexamined, Encoding::CannotOpen};
    return false;
  }
  const int64_t size = status.size;
  TextFileInfo info;
  found = IsTextFile(path, kSampleSize, info, kStrictThreshold, true);
  if (info.utf8) utf8 = true;
  if (found.verdict == TextVerdict::Text) return true;
  if (found.verdict == TextVerdict::NotText) {
    shell.Message(MessageId::WordsFileNotText, u"Not a text file", NotTextMessage(path, info, size),
                  MessageIcon::Information);
    return false;
  }
  const TextView tail = FatalErrorTail(found);
  if (!tail.empty()) {
    shell.Message(MessageId::WordsFileFatalError, u"Fatal error",
                  u"File " + Text(path) + Text(tail), MessageIcon::Information);
  }
  return false;
}

}  // namespace velt

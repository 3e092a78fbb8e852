#include "engine/batch_dialogs.h"

#include <algorithm>

#include "platform/regular_file.h"
#include "text/text.h"

namespace velt {

std::string ToPrintable(TextView text) {
  Text out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r') {
      out += u'\n';
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      out += text[i];
    }
  }
  return ToUtf8(out);
}

int WritePrintable(TextView text, int fd) {
  constexpr size_t kBlock = 64 * 1024;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = std::min(text.size(), start + kBlock);
    // A block never ends between CR and LF or inside a surrogate pair.
    const char16_t last = text[end - 1];
    if (end < text.size() && (last == u'\r' || (last >= 0xD800 && last <= 0xDBFF))) ++end;
    if (const int error = WriteFully(fd, ToPrintable(text.substr(start, end - start)));
        error != 0) {
      return error;
    }
    start = end;
  }
  return 0;
}

Answer BatchDialogs::BatchAnswer(const MessageRequest& request) {
  switch (request.id) {
    case MessageId::ResetMinimumFrequency:
      return Answer::No;  // keep the minimum, go on
    case MessageId::KeepFilterWords:
      return Answer::Yes;
    case MessageId::MultipleFilesNeedOutputFile:
      return Answer::Cancel;  // the count ends unread
    case MessageId::BigDocument:
    case MessageId::DocxChecksum:
      return Answer::Yes;  // scan the document
    case MessageId::LargeInputFile:
      return Answer::No;  // count without an output file
    default:
      return request.DefaultAnswer();
  }
}

Answer BatchDialogs::Message(const MessageRequest& request) {
  Print(request.title, request.text);
  return BatchAnswer(request);
}

std::optional<Text> BatchDialogs::InputBox(const InputRequest& request) {
  return request.defaultText;
}

std::optional<Text> BatchDialogs::OpenFile(const FileDialogRequest&) {
  return std::nullopt;
}
std::optional<Text> BatchDialogs::SaveFile(const FileDialogRequest&) {
  return std::nullopt;
}
std::optional<Text> BatchDialogs::BrowseFolder(const Text&) {
  return std::nullopt;
}

void BatchDialogs::Print(const Text& title, const Text& text) {
  err_ << '[' << ToPrintable(title) << "] " << ToPrintable(text) << '\n';
  err_.flush();
}

}  // namespace velt

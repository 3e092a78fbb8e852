#include "engine/batch_dialogs.h"
#include "text/text.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace velt {
namespace {

bool StartsWith(const Text& text, TextView prefix) {
  return text.size() >= prefix.size() && TextView(text).substr(0, prefix.size()) == prefix;
}

}  // namespace

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
    const std::string bytes = ToPrintable(text.substr(start, end - start));
    std::string_view rest = bytes;
    while (!rest.empty()) {
      const ssize_t written = ::write(fd, rest.data(), rest.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      rest.remove_prefix(static_cast<size_t>(written));
    }
    start = end;
  }
  return 0;
}

Answer BatchDialogs::BatchAnswer(const MessageRequest& request) {
  const Text& title = request.title;
  if (title == u"Minimum number of occurrences") return Answer::No;  // keep the minimum, go on
  if (title == u"Filter results?") return Answer::Yes;               // keep the filter words
  if (title == u"Multiple files/folders") return Answer::Cancel;     // the count ends unread
  if (title == u"Big file") return Answer::Yes;
  if (title == u"Large input file") return Answer::No;
  if (StartsWith(request.text, u"Invalid checksum found when processing")) return Answer::Yes;
  return request.DefaultAnswer();
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

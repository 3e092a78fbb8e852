#include "settings/ui_text_table.h"

#include <fstream>
#include <sstream>

namespace velt {
namespace {

constexpr size_t kMaxEntries = 10000;
constexpr int kMaxReportedLine = 500;  // the last line MissingString and StringTooLong name

// Replaces the escapes "\n" (CR LF) and "\\" (backslash).
Text Unescape(TextView raw) {
  Text out;
  out.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == u'\\' && i + 1 < raw.size()) {
      if (raw[i + 1] == u'n') {
        out += u"\r\n";
        ++i;
        continue;
      }
      if (raw[i + 1] == u'\\') {
        out += u'\\';
        ++i;
        continue;
      }
    }
    out += raw[i];
  }
  return out;
}

// A per-line error; the line numbers of MissingString and StringTooLong stop
// at kMaxReportedLine.
UiTextLoadResult LineError(UiTextLoadError error, int line) {
  const bool capped = error != UiTextLoadError::Duplicate && line > kMaxReportedLine;
  return {0, error, capped ? kMaxReportedLine : line};
}

UiTextLoadResult Failed(UiTextLoadError error) {
  return {0, error};
}

}  // namespace

UiTextLoadResult UiTextTable::Load(const std::string& path) {
  texts_.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return Failed(UiTextLoadError::CannotOpen);
  std::stringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return Failed(UiTextLoadError::ReadError);
  const std::string content = buffer.str();
  if (content.empty()) return Failed(UiTextLoadError::FileEmpty);

  std::unordered_map<int, Text> loaded;
  std::istringstream lines(content);
  std::string line;
  int lineNumber = 0;
  while (std::getline(lines, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    size_t digits = 0;
    while (digits < line.size() && digits < 9 && line[digits] >= '0' && line[digits] <= '9') {
      ++digits;
    }
    if (digits == 0 || digits >= line.size() || line[digits] != '\t' || digits + 1 == line.size()) {
      return LineError(UiTextLoadError::MissingString, lineNumber);
    }
    const int number = std::stoi(line.substr(0, digits));
    Text text = Unescape(FromUtf8(std::string_view(line).substr(digits + 1)));
    if (text.size() > kMaxUiTextLength) {
      return LineError(UiTextLoadError::StringTooLong, lineNumber);
    }
    if (loaded.count(number) != 0) return LineError(UiTextLoadError::Duplicate, lineNumber);
    if (loaded.size() >= kMaxEntries) return Failed(UiTextLoadError::TooMuchText);
    loaded.emplace(number, std::move(text));
  }
  if (loaded.empty()) return Failed(UiTextLoadError::NothingRead);
  texts_ = std::move(loaded);
  return {static_cast<int>(texts_.size())};
}

Text UiTextTable::UIText(int n) const {
  const auto found = texts_.find(n);
  if (found == texts_.end() || found->second == u"~") return Text();
  return found->second;
}

Text UiTextLoadErrorMessage(const UiTextLoadResult& result, const std::string& path) {
  const Text line = T(std::to_string(result.line));
  switch (result.error) {
    case UiTextLoadError::None:
      return Text();
    case UiTextLoadError::NothingRead:
      return u"No program text was read.";
    case UiTextLoadError::CannotOpen:
      return u"Cannot open file containing program text.\r\n" + FromUtf8(path);
    case UiTextLoadError::TooMuchText:
      return u"Too much program text.";
    case UiTextLoadError::FileEmpty:
      return u"File is empty.";
    case UiTextLoadError::ReadError:
      return u"Error reading file.";
    case UiTextLoadError::MissingString:
      return u"Missing string at line" + line + u".";
    case UiTextLoadError::StringTooLong:
      return u"String too long at line" + line + u".";
    case UiTextLoadError::Duplicate:
      return u"Duplicate in program text at line" + line + u".";
  }
  return Text();
}

std::string UiTextFilePath(const std::string& dataDir) {
  if (dataDir.empty() || dataDir.back() == '/') return dataDir + "velt.dat";
  return dataDir + "/velt.dat";
}

}  // namespace velt

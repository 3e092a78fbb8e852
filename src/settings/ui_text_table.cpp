#include "settings/ui_text_table.h"

#include <fstream>
#include <sstream>

namespace velt {
namespace {

constexpr size_t kMaxEntries = 10000;
constexpr int kMaxReportedLine = 500;  // line numbers the two per-line error ranges can carry

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

int LineCode(int base, int line) {
  return base - (line > kMaxReportedLine ? kMaxReportedLine : line);
}

}  // namespace

int UiTextTable::Load(const std::string& path) {
  texts_.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return ui_text_load::kCannotOpen;
  std::stringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return ui_text_load::kReadError;
  const std::string content = buffer.str();
  if (content.empty()) return ui_text_load::kFileEmpty;

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
      return LineCode(ui_text_load::kMissingStringBase, lineNumber);
    }
    const int number = std::stoi(line.substr(0, digits));
    Text text = Unescape(FromUtf8(std::string_view(line).substr(digits + 1)));
    if (text.size() > kMaxUiTextLength) {
      return LineCode(ui_text_load::kStringTooLongBase, lineNumber);
    }
    if (loaded.count(number) != 0) return ui_text_load::kDuplicateBase - lineNumber;
    if (loaded.size() >= kMaxEntries) return ui_text_load::kTooMuchText;
    loaded.emplace(number, std::move(text));
  }
  if (loaded.empty()) return ui_text_load::kNothingRead;
  texts_ = std::move(loaded);
  return static_cast<int>(texts_.size());
}

Text UiTextTable::UIText(int n) const {
  const auto found = texts_.find(n);
  if (found == texts_.end() || found->second == u"~") return Text();
  return found->second;
}

Text UiTextLoadErrorMessage(int result, const std::string& path) {
  using namespace ui_text_load;
  const auto number = [](int value) { return T(std::to_string(value)); };
  switch (result) {
    case kNothingRead:
      return u"No program text was read.";
    case kCannotOpen:
      return u"Cannot open file containing program text.\r\n" + FromUtf8(path);
    case -2:
      return u"Particular memory allocation error.";
    case kTooMuchText:
      return u"Too much program text.";
    case -4:
      return u"Text not recovered.";
    case kFileEmpty:
      return u"File is empty.";
    case kReadError:
      return u"Error reading file.";
    case -8:
      return u"General memory allocation error.";
    default:
      break;
  }
  if (result <= -501 && result >= -1000) {
    return u"Missing string at line" + number(kMissingStringBase - result) + u".";
  }
  if (result <= -1001 && result >= -1500) {
    return u"String too long at line" + number(kStringTooLongBase - result) + u".";
  }
  if (result < -1500) {
    return u"Duplicate in program text at line" + number(kDuplicateBase - result) + u".";
  }
  return u"Error " + number(result);
}

std::string UiTextFilePath(const std::string& dataDir) {
  if (dataDir.empty() || dataDir.back() == '/') return dataDir + "velt.dat";
  return dataDir + "/velt.dat";
}

}  // namespace velt

// The numbered user-interface texts (captions, titles, messages) loaded from the
// program text file velt.dat at start-up.
#pragma once

#include <string>
#include <unordered_map>

#include "text/text.h"

namespace velt {

// Result codes of loading the text file: 1 or more is success; the others are
// the error codes the start-up message reports.
namespace ui_text_load {
constexpr int kNothingRead = 0;
constexpr int kCannotOpen = -1;
constexpr int kTooMuchText = -3;
constexpr int kFileEmpty = -6;
constexpr int kReadError = -7;
constexpr int kMissingStringBase = -500;   // -500 - line (lines 1 to 500)
constexpr int kStringTooLongBase = -1000;  // -1000 - line (lines 1 to 500)
constexpr int kDuplicateBase = -1500;      // -1500 - line
}  // namespace ui_text_load

// The longest text an entry may hold. Every caption and message of the table
// is far shorter; a longer entry is taken as a damaged file.
constexpr size_t kMaxUiTextLength = 1024;

class UiTextTable {
 public:
  // Loads the file: UTF-8, one entry per line as "N<TAB>text". Blank lines and
  // lines starting with "#" are skipped; "\n" in a text stands for CR LF and
  // "\\" for a backslash. Returns the number of entries (1 or more) or an error
  // code of ui_text_load. On error the table is left empty.
  int Load(const std::string& path);

  // The text of entry n; empty when there is none or when the entry is "~".
  Text UIText(int n) const;

  size_t size() const { return texts_.size(); }

 private:
  std::unordered_map<int, Text> texts_;
};

// The message shown when loading failed with the given result.
Text UiTextLoadErrorMessage(int result, const std::string& path);

// Path of the program text file in the data folder ("velt.dat").
std::string UiTextFilePath(const std::string& dataDir);

}  // namespace velt

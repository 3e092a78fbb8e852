// The numbered user-interface texts (captions, titles, messages) loaded from the
// program text file velt.dat at start-up.
#pragma once

#include <string>
#include <unordered_map>

#include "text/text.h"

namespace velt {

// Why loading the text file failed; the start-up message tells which.
enum class UiTextLoadError {
  None,           // the file was loaded
  NothingRead,    // the file holds no entry
  CannotOpen,     // the file cannot be opened
  TooMuchText,    // the file holds more entries than the table takes
  FileEmpty,      // the file has no bytes
  ReadError,      // reading the file failed
  MissingString,  // a line that is not "N<TAB>text" (see UiTextLoadResult::line)
  StringTooLong,  // a text longer than kMaxUiTextLength (see UiTextLoadResult::line)
  Duplicate,      // a number that an earlier line has (see UiTextLoadResult::line)
};

// What loading the text file gave.
struct UiTextLoadResult {
  int entries = 0;  // the entries loaded; 0 unless error is None
  UiTextLoadError error = UiTextLoadError::None;
  // The line of MissingString, StringTooLong and Duplicate. The first two
  // name at most line 500 (a later line is reported as line 500).
  int line = 0;

  bool loaded() const { return error == UiTextLoadError::None; }
  bool operator==(const UiTextLoadResult&) const = default;
};

// The longest text an entry may hold. Every caption and message of the table
// is far shorter; a longer entry is taken as a damaged file.
constexpr size_t kMaxUiTextLength = 1024;

class UiTextTable {
 public:
  // Loads the file: UTF-8, one entry per line as "N<TAB>text". Blank lines and
  // lines starting with "#" are skipped; "\n" in a text stands for CR LF and
  // "\\" for a backslash. Returns the number of entries (1 or more) or why
  // loading failed; on error the table is left empty.
  UiTextLoadResult Load(const std::string& path);

  // The text of entry n; empty when there is none or when the entry is "~".
  Text UIText(int n) const;

  size_t size() const { return texts_.size(); }

 private:
  std::unordered_map<int, Text> texts_;
};

// The message shown when loading the file at path failed with result.
Text UiTextLoadErrorMessage(const UiTextLoadResult& result, const std::string& path);

// Path of the program text file in the data folder ("velt.dat").
std::string UiTextFilePath(const std::string& dataDir);

}  // namespace velt

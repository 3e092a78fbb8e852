// The format of the state file and of settings files: one value a line, in a
// fixed order, with no header. Writing and reading are pure functions over
// bytes so that the format can be checked byte by byte.
#pragma once

#include <string>
#include <string_view>

#include "settings/record_lines.h"
#include "settings/settings.h"
#include "text/text.h"

namespace velt {

// The longest record line read (1 MiB); a longer line is invalid data.
constexpr size_t kMaxRecordBytes = size_t{1} << 20;

// The description kept for a value that its field cannot take.
inline constexpr std::u16string_view kInvalidData = u"Invalid data";

// Records after which the restore lets other parts of the program react.
enum class StateEvent {
  FolderSet,          // record 1, inputFolder
  FilePatternsSet,    // record 4, pathPatterns index 0
  ExclusionTextsSet,  // record 6, pathPatterns index 1 (end of the file boxes)
  SourceSet,          // the source option
  LanguageSet,        // commonWordsLanguage
};

class StateEventObserver {
 public:
  virtual ~StateEventObserver() = default;
  virtual void RecordApplied(StateEvent event) = 0;
};

enum class ParseStatus {
  Complete,     // every record read and applied
  PastEnd,      // the file ended before the last record
  InvalidData,  // a value that its field cannot take (or an overlong line)
  ReadError,    // the file could not be read
};

struct ParseOutcome {
  ParseStatus status = ParseStatus::Complete;
  Text description;  // for InvalidData and ReadError
};

// The records of the settings, UTF-8 without BOM, each line ending in CR LF.
// Texts are written between double quotes as they are, except that a CR or LF
// (which would split the record) is written as a space. At most 99 list
// entries are written; a selected entry beyond them takes the 99th place.
std::string FormatStateRecords(const Settings& settings);

// Reads the records in order and applies each one to `settings` at once, so
// that on failure the fields read before it keep their new values and the
// failing field keeps its old one. Bytes that are not valid UTF-8 are taken
// as Windows-1252; a UTF-8 byte-order mark at the start is skipped.
ParseOutcome ParseStateRecords(RecordLineReader& lines, Settings& settings,
                               StateEventObserver* observer = nullptr);
ParseOutcome ParseStateRecords(std::string_view bytes, Settings& settings,
                               StateEventObserver* observer = nullptr);

}  // namespace velt

// Reading the records of the state file.
#include <optional>
#include <string>

#include "settings/record_values.h"
#include "settings/state_format.h"
#include "settings/state_record_order.h"
#include "text/run_error.h"

namespace velt {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

class RecordReader {
 public:
  RecordReader(RecordLineReader& lines, StateEventObserver* observer)
      : lines_(lines), observer_(observer) {}

  // A path record keeps every byte of the path (PathFromNative).
  void PathRecord(Text& field) {
    const std::optional<std::string_view> value = NextValue();
    if (!value) return;
    field = PathFromNative(*value);
  }

  void TextRecord(Text& field, TextTrim trim = TextTrim::Keep) {
    const std::optional<std::string_view> value = NextValue();
    if (!value) return;
    Text text = FromUtf8(*value);
    if (trim == TextTrim::Spaces) {
      const size_t first = text.find_first_not_of(u' ');
      text = first == Text::npos ? Text()
                                 : text.substr(first, text.find_last_not_of(u' ') - first + 1);
    }
    field = std::move(text);
  }

  void FlagRecord(bool& field) {
    const std::optional<int> number = NextInt16();
    if (!number) return;
    if (*number != 0 && *number != 1) return Invalid();
    field = *number == 1;
  }

  void IndexRecord(int& field, int count, bool mayBeEmpty) {
    const std::optional<int> index = NextInt16();
    if (!index) return;
    if (!InRange(*index, count, mayBeEmpty)) return Invalid();
    field = *index;
  }

  void WordsFileRecords(WordsFileList& list) {
    const std::optional<int> count = NextInt16();
    if (!count) return;
    if (*count < 0 || *count > static_cast<int>(kMaxWordsFiles)) return Invalid();
    list.entries.clear();
    list.index = -1;
    for (int k = 0; k < *count; ++k) {
      Text entry;
      PathRecord(entry);
      if (Failed()) return;
      list.entries.push_back(std::move(entry));
    }
    const std::optional<int> index = NextInt16();
    if (!index) return;
    if (*count > 0) {
      if (!InRange(*index, *count, true)) return Invalid();
      list.index = *index;
    }
  }

  void SourceRecord(Source& source) {
    const std::optional<double> code = NextNumber();
    if (!code) return;
    source = *code == 0 ? Source::Clipboard : *code == 1 ? Source::SingleFile : Source::Folder;
  }

  void FilterModeRecord(FilterMode& mode) {
    const std::optional<double> code = NextNumber();
    if (!code) return;
    mode = *code == 2   ? FilterMode::Subphrase
           : *code == 1 ? FilterMode::SameOrder
                        : FilterMode::AllWords;
  }

  // An option button switched on selects its option; switched off, it leaves
  // no option selected when it was the selected one.
  void IgnoreOptionRecord(IgnoreMode& mode, IgnoreMode option) {
    const std::optional<double> value = NextNumber();
    if (!value) return;
    if (*value != 0) {
      mode = option;
    } else if (mode == option) {
      mode = IgnoreMode::None;
    }
  }

  void Event(StateEvent event) {
    if (!Failed() && observer_ != nullptr) observer_->RecordApplied(event);
  }

  const ParseOutcome& outcome() const { return outcome_; }

 private:
  bool Failed() const { return outcome_.status != ParseStatus::Complete; }

  static bool InRange(int index, int count, bool mayBeEmpty) {
    return (index >= 0 && index < count) || (mayBeEmpty && index == -1);
  }

  void Invalid() {
    outcome_.status = ParseStatus::InvalidData;
    outcome_.description = Text(kInvalidData);
  }

  std::optional<std::string_view> NextValue() {
    if (Failed()) return std::nullopt;
    switch (lines_.Next(line_)) {
      case LineStatus::Line:
        break;
      case LineStatus::End:
        outcome_.status = ParseStatus::PastEnd;
        return std::nullopt;
      case LineStatus::TooLong:
        Invalid();
        return std::nullopt;
      case LineStatus::Error:
        outcome_.status = ParseStatus::ReadError;
        outcome_.description = ErrorFromErrno(lines_.error()).description;
        return std::nullopt;
    }
    std::string_view line = line_;
    if (first_ && line.starts_with(kUtf8Bom)) line.remove_prefix(kUtf8Bom.size());
    first_ = false;
    return RecordValue(line);
  }

  std::optional<double> NextNumber() {
    const std::optional<std::string_view> value = NextValue();
    if (!value) return std::nullopt;
    return LeadingNumber(*value);
  }

  // A number in the 16-bit range; any other number is invalid data.
  std::optional<int> NextInt16() {
    const std::optional<double> number = NextNumber();
    if (!number) return std::nullopt;
    const std::optional<int> rounded = RoundToInt16(*number);
    if (!rounded) Invalid();
    return rounded;
  }

  RecordLineReader& lines_;
  StateEventObserver* observer_;
  std::string line_;
  bool first_ = true;
  ParseOutcome outcome_;
};

}  // namespace

ParseOutcome ParseStateRecords(RecordLineReader& lines, Settings& settings,
                               StateEventObserver* observer) {
  RecordReader reader(lines, observer);
  VisitStateRecords(reader, settings);
  return reader.outcome();
}

ParseOutcome ParseStateRecords(std::string_view bytes, Settings& settings,
                               StateEventObserver* observer) {
  MemoryByteSource source(bytes);
  RecordLineReader lines(source, kMaxRecordBytes);
  return ParseStateRecords(lines, settings, observer);
}

}  // namespace velt

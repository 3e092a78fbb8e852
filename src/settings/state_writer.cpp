// Writing the records of the state file.
#include <algorithm>
#include <string>
#include <vector>

#include "settings/state_format.h"
#include "settings/state_record_order.h"

namespace velt {
namespace {

class RecordWriter {
 public:
  void TextRecord(const Text& text, TextTrim = TextTrim::Keep) {
    QuotedRecord(ToUtf8(OneLine(text)));
  }
  void PathRecord(const Text& path) { QuotedRecord(PathToNative(OneLine(path))); }
  void FlagRecord(bool flag) { NumberRecord(flag ? 1 : 0); }
  void IndexRecord(int index, int, bool) { NumberRecord(index); }
  void SourceRecord(Source source) { NumberRecord(static_cast<int>(source)); }
  void FilterModeRecord(FilterMode mode) { NumberRecord(static_cast<int>(mode)); }
  void IgnoreOptionRecord(IgnoreMode mode, IgnoreMode option) {
    NumberRecord(mode == option ? -1 : 0);
  }
  void WordsFileRecords(const WordsFileList& list) {
    std::vector<Text> entries = list.entries;
    int index = list.HasSelection() ? list.index : -1;
    if (entries.size() > kMaxWordsFiles) {
      entries.resize(kMaxWordsFiles);
      constexpr int kLast = static_cast<int>(kMaxWordsFiles) - 1;
      if (index > kLast) {
        entries.back() = list.Selected();
        index = kLast;
      }
    }
    NumberRecord(static_cast<int>(entries.size()));
    for (const Text& entry : entries)
      PathRecord(entry);
    NumberRecord(index);
  }
  void Event(StateEvent) {}

  std::string Take() { return std::move(out_); }

 private:
  void NumberRecord(int number) {
    out_ += std::to_string(number);
    EndLine();
  }
  void EndLine() { out_ += "\r\n"; }

  // A line break cannot stand in a record.
  static Text OneLine(Text text) {
    std::replace_if(
        text.begin(), text.end(), [](char16_t c) { return c == u'\r' || c == u'\n'; }, u' ');
    return text;
  }
  void QuotedRecord(const std::string& bytes) {
    out_ += '"';
    out_ += bytes;
    out_ += '"';
    EndLine();
  }

  std::string out_;
};

}  // namespace

std::string FormatStateRecords(const Settings& settings) {
  RecordWriter writer;
  VisitStateRecords(writer, settings);
  return writer.Take();
}

}  // namespace velt

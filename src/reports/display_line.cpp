#include "reports/display_line.h"

#include <algorithm>

#include "reports/display_formats.h"
#include "reports/file_block.h"
#include "reports/filter_words.h"
#include "reports/line_formatter.h"
#include "text/strings.h"

namespace velt {
namespace {

// pendingOutput is handed to the text window whenever it passes this size, so
// that the window is not rebuilt line by line.
constexpr size_t kOutputBatch = 2048;

// Strips characters with codes up to 32 from both ends.
TextView StripControls(TextView text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && text[first] <= u' ')
    ++first;
  while (last > first && text[last - 1] <= u' ')
    --last;
  return text.substr(first, last - first);
}

// The summary, the filter description and the column header.
Text HeaderText(const ListingPass& pass, TextView columns) {
  const ReportContext& context = pass.context;
  Text header;
  if (!context.run.summarySentence.empty()) {
    header = context.run.summarySentence;
    if (context.state.filterActive) {
      header.append(u"Phrase filtering (").append(FilterModeText(pass.options.filterMode));
      header.append(u") has been applied.").append(kLineEnd);
      header.append(u"Filter words: ").append(pass.options.filterWordsBox);
      header.append(kLineEnd).append(kLineEnd);
    }
  }
  header.append(columns);
  if (DisplayFormatOf(pass.options.displayFormat).notesLongest) {
    header.resize(RightTrimmedOfSpaces(header).size());
    header.append(u" [longest has ").append(Decimal(pass.phrases.longestPhraseLength()));
    header.append(u" characters]");
  }
  return header;
}

void WriteToFile(ListingPass& pass, TextView line) {
  OutputFile& file = *pass.file;
  const DisplayFormatInfo& format = DisplayFormatOf(pass.options.displayFormat);
  if (format.commaList) {
    if (pass.commaListStarted) file.Write(u", ");
    file.Write(TrimmedOfSpaces(line));
    pass.commaListStarted = true;
    return;
  }
  file.Write(format.phraseOnly ? TrimmedOfSpaces(line) : line);
  file.Write(kLineEnd);
}

void AddToTextWindow(ListingPass& pass, TextView line) {
  ReportState& reports = pass.context.state;
  const size_t capacity = static_cast<size_t>(std::max(reports.textWindowCapacity, 0));
  const DisplayFormatInfo& format = DisplayFormatOf(pass.options.displayFormat);
  Text& output = reports.pendingOutput;
  if (output.size() < capacity) {
    if (format.commaList) {
      output.append(TrimmedOfSpaces(line)).append(u", ");
    } else {
      output.append(format.phraseOnly ? TrimmedOfSpaces(line) : line).append(kLineEnd);
    }
  }
  // Once set, the flag stays until the window is cleared.
  if (output.size() >= capacity) reports.textWindowFull = true;
  if (output.size() > kOutputBatch) pass.context.sink.FlushOutput();
}

}  // namespace

void SetColumnWidths(ListingPass& pass) {
  ReportState& reports = pass.context.state;
  const ColumnWidths widths = ComputeColumnWidths(
      pass.phrases, pass.options, pass.context.shell.numbers, reports.minColumnWidth);
  reports.rankWidth = widths.rank;
  reports.freqWidth = widths.freq;
  reports.phraseWidth = widths.phrase;
  DisplayNextLine(pass, 0);
}

void DisplayNextLine(ListingPass& pass, int32_t index) {
  const ReportContext& context = pass.context;
  ReportState& reports = context.state;
  if (reports.filterActive && index > 0) {
    const Text phrase = pass.phrases.Phrase(index);
    const FilterMode mode = pass.options.filterMode;
    if (!PhraseMatchesFilter(StripControls(phrase), reports.filterWordList, mode)) return;
    reports.filterWordFound = true;
  }
  const ColumnWidths widths{reports.rankWidth, reports.freqWidth, reports.phraseWidth};
  LineFormatter formatter(pass.phrases, pass.options, widths, context.shell.numbers,
                          context.sources.fileCount);
  Text& line = pass.line;
  if (pass.ToFile()) {
    formatter.FormatLineForFile(index, line);
  } else {
    formatter.FormatLineForTextbox(index, line);
  }
  if (DisplayFormatOf(pass.options.displayFormat).fileBlock && !line.empty()) {
    line = ArrangeFileBlock(line, pass.options.relativeFrequency);
  }
  if (index == 0) {
    line = HeaderText(pass, line);
    if (DisplayFormatOf(pass.options.displayFormat).commaList) return;
  }
  if (pass.ToFile()) {
    WriteToFile(pass, line);
  } else {
    AddToTextWindow(pass, line);
  }
}

void EndCommaList(ListingPass& pass) {
  if (pass.ToFile() && pass.commaListStarted) pass.file->Write(kLineEnd);
  pass.commaListStarted = false;
}

}  // namespace velt

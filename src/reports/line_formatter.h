// What one report line looks like in each of the thirteen display formats:
// the column builders, the per-file lines and the two line builders (text
// window and output file).
#pragma once

#include <cstdint>

#include "reports/listed_phrases.h"
#include "reports/report_options.h"
#include "text/number_format.h"

namespace velt {

struct ColumnWidths {
  int rank = 8;    // rankWidth
  int freq = 8;    // freqWidth
  int phrase = 8;  // phraseWidth
};

// The widths the columns of a listing get: wide enough for the number of
// phrases, the highest frequency and the longest phrase, and at least
// minWidth (the "Phrase" header needs at least 6).
ColumnWidths ComputeColumnWidths(const ListedPhrases& phrases, const ReportOptions& options,
                                 const NumberFormat& numbers, int minWidth);

enum class LineSink { TextWindow, File };

// Builds lines for one phrase index at a time; index 0 builds the header
// texts of the columns. The builders append to a line the caller owns, so a
// listing reuses one buffer instead of allocating per column.
class LineFormatter {
 public:
  LineFormatter(ListedPhrases& phrases, const ReportOptions& options, const ColumnWidths& widths,
                const NumberFormat& numbers, int32_t numFiles)
      : phrases_(phrases),
        options_(options),
        widths_(widths),
        numbers_(numbers),
        numFiles_(numFiles) {}

  // Right-aligned in their widths.
  void RankColumn(int32_t index, Text& out) const;
  void FrequencyColumn(int32_t index, Text& out) const;
  // File: the phrase followed by a TAB; text window: padded to the width.
  void PhraseColumn(int32_t index, LineSink sink, Text& out) const;
  // Also stores the phrase's share of files when sorting by number of files.
  void FilesColumn(int32_t index, LineSink sink, Text& out);
  Text PerFileLines(int32_t index, bool withCounts) const;

  // Replace line with the line of the current display format.
  void FormatLineForFile(int32_t index, Text& line);
  void FormatLineForTextbox(int32_t index, Text& line);

  // 100 x count / occurrences with 2 decimals and "%", as in "12.34%".
  Text RelativeFrequency(int32_t count) const;

 private:
  void FormatLine(int32_t index, LineSink sink, Text& line);
  // The column layouts of formats 0 to 4 (led by one space in the text
  // window) and of formats 5, 6, 7 and 10 (led by two).
  void ColumnsLedBySpace(int32_t index, LineSink sink, Text& line);
  void ColumnsLedByTwoSpaces(int32_t index, LineSink sink, Text& line);
  // The phrase column with its trailing spaces removed (RTrim(P) and
  // Trim(P) of the layouts): the phrase, followed by a TAB in the file.
  void TrimmedPhraseColumn(int32_t index, LineSink sink, Text& out) const;
  void PerFileBlock(int32_t index, LineSink sink, bool withCounts, Text& out) const;
  Text FolderHeader() const;
  Text FilePath(int32_t fileNumber) const;

  ListedPhrases& phrases_;
  const ReportOptions& options_;
  const ColumnWidths& widths_;
  const NumberFormat& numbers_;
  const int32_t numFiles_;
};

}  // namespace velt

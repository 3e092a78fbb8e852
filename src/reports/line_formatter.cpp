#include "reports/line_formatter.h"

#include <algorithm>
#include <array>

#include "text/strings.h"

namespace velt {
namespace {

constexpr TextView kFolderTag = u"{Folder}";
// Per-file paths are written relative to the folder only when that saves
// something: the folder path must be longer than the tag plus 5.
constexpr size_t kShortestTaggedFolder = 13;

double Share(double part, double whole) {
  return whole == 0 ? 0 : part / whole;
}

// The plain decimal digits of a value, without allocating.
TextView DecimalDigits(int64_t value, std::array<char16_t, 24>& buffer) {
  const bool negative = value < 0;
  uint64_t rest = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  size_t start = buffer.size();
  do {
    buffer[--start] = static_cast<char16_t>(u'0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  if (negative) buffer[--start] = u'-';
  return TextView(buffer.data() + start, buffer.size() - start);
}

void AppendRightAligned(Text& out, TextView text, int width) {
  if (text.size() < static_cast<size_t>(width)) out.append(width - text.size(), u' ');
  out.append(text);
}

}  // namespace

ColumnWidths ComputeColumnWidths(const ListedPhrases& phrases, const ReportOptions& options,
                                 const NumberFormat& numbers, int minWidth) {
  ColumnWidths widths;
  widths.rank = std::max(static_cast<int>(Decimal(phrases.includedPhraseCount()).size()), minWidth);
  int freq = static_cast<int>(Decimal(phrases.maxFrequency()).size());
  if (options.relativeFrequency) {
    const double percent = 100 * Share(phrases.maxFrequency(), phrases.occurrenceCount());
    freq = static_cast<int>(numbers.Fixed(percent, 2).size()) + 1;
  }
  widths.freq = std::max(freq, minWidth);
  widths.phrase = std::max({phrases.longestPhraseLength(), minWidth, 6});
  return widths;
}

Text LineFormatter::RelativeFrequency(int32_t count) const {
  Text text = numbers_.Fixed(100 * Share(count, phrases_.occurrenceCount()), 2);
  text.push_back(u'%');
  return text;
}

void LineFormatter::RankColumn(int32_t index, Text& out) const {
  std::array<char16_t, 24> digits;
  const TextView rank = index == 0 ? u"Rank" : DecimalDigits(phrases_.Rank(index), digits);
  AppendRightAligned(out, rank, widths_.rank);
}

void LineFormatter::FrequencyColumn(int32_t index, Text& out) const {
  if (options_.relativeFrequency) {
    const Text freq = index == 0 ? Text(u"Rel freq") : RelativeFrequency(phrases_.Count(index));
    AppendRightAligned(out, freq, widths_.freq);
    return;
  }
  std::array<char16_t, 24> digits;
  const TextView freq = index == 0 ? u"Freq" : DecimalDigits(phrases_.Count(index), digits);
  AppendRightAligned(out, freq, widths_.freq);
}

void LineFormatter::TrimmedPhraseColumn(int32_t index, LineSink sink, Text& out) const {
  if (index == 0) {
    out.append(u"Phrase");
  } else {
    out.append(TrimmedOfSpaces(phrases_.Phrase(index)));
  }
  if (sink == LineSink::File) out.push_back(u'\t');
}

void LineFormatter::PhraseColumn(int32_t index, LineSink sink, Text& out) const {
  const size_t start = out.size();
  TrimmedPhraseColumn(index, sink, out);
  const size_t length = out.size() - start;
  if (sink == LineSink::TextWindow && length < static_cast<size_t>(widths_.phrase)) {
    out.append(widths_.phrase - length, u' ');
  }
}

void LineFormatter::FilesColumn(int32_t index, LineSink sink, Text& out) {
  const bool byFiles = options_.sortByNumberOfFiles;
  const TextView separator = sink == LineSink::File ? u"\t" : (index == 0 ? u"   " : u"    ");
  if (index == 0) {
    out.append(u" Files");
    if (byFiles) out.append(separator).append(u"File freq");
    return;
  }
  const int32_t fileCount = phrases_.FileCount(index);
  Text column = Str(fileCount);
  if (byFiles) {
    const float share = static_cast<float>(Share(fileCount, numFiles_));
    phrases_.SetRelativeValue(index, share);
    column.append(separator).append(numbers_.Fixed(share, 3));
  }
  AppendRightAligned(out, column, byFiles ? 14 : 5);
}

Text LineFormatter::FilePath(int32_t fileNumber) const {
  const std::vector<Text>& files = phrases_.readPaths();
  if (fileNumber < 0 || static_cast<size_t>(fileNumber) >= files.size()) return {};
  const Text& path = files[static_cast<size_t>(fileNumber)];
  const Text& folder = options_.folder;
  // Only a path that really lies in the folder is written relative to it.
  if (folder.size() <= kShortestTaggedFolder || path.compare(0, folder.size(), folder) != 0) {
    return path;
  }
  Text tagged(kFolderTag);
  tagged.append(TextView(path).substr(folder.size()));
  return tagged;
}

Text LineFormatter::PerFileLines(int32_t index, bool withCounts) const {
  const std::vector<int32_t> files = phrases_.Files(index);
  const std::vector<int32_t> counts = phrases_.PerFileCounts(index);
  Text lines;
  for (size_t j = 0; j < files.size(); ++j) {
    const int32_t count = j < counts.size() ? counts[j] : 0;
    if (!withCounts) {
      lines.append(u"    ");
    } else if (options_.relativeFrequency) {
      // A 5-character field; 100.00 is the one value wider than it and
      // stays whole.
      const double percent = 100 * Share(count, phrases_.occurrenceCount());
      AppendRightAligned(lines, numbers_.Fixed(percent, 2), 5);
      lines.append(u"% ");
    } else {
      AppendRightAligned(lines, Decimal(count), 5);
      lines.append(u" ");
    }
    lines.append(FilePath(files[j])).append(kLineEnd);
  }
  return lines;
}

Text LineFormatter::FolderHeader() const {
  if (options_.folder.size() <= kShortestTaggedFolder) return {};
  Text header(kLineEnd);
  header.append(kFolderTag).append(u" = ").append(options_.folder).append(kLineEnd);
  return header;
}

void LineFormatter::PerFileBlock(int32_t index, LineSink sink, bool withCounts, Text& out) const {
  if (index == 0) {
    out.append(FolderHeader());
    return;
  }
  TrimmedPhraseColumn(index, sink, out);
  out.append(kLineEnd).append(PerFileLines(index, withCounts));
}

void LineFormatter::FormatLineForFile(int32_t index, Text& line) {
  FormatLine(index, LineSink::File, line);
}

void LineFormatter::FormatLineForTextbox(int32_t index, Text& line) {
  FormatLine(index, LineSink::TextWindow, line);
}

// Between the columns: a TAB in the file, spaces in the text window. In the
// file the phrase column already ends in a TAB.
void LineFormatter::ColumnsLedBySpace(int32_t index, LineSink sink, Text& line) {
  const bool file = sink == LineSink::File;
  const TextView lead = file ? u"" : u" ";
  const TextView gap = file ? u"\t" : u"  ";
  line.append(lead);
  switch (options_.displayFormat) {
    case 0:
      RankColumn(index, line);
      line.append(gap);
      FrequencyColumn(index, line);
      line.append(gap);
      TrimmedPhraseColumn(index, sink, line);
      break;
    case 1:
      RankColumn(index, line);
      line.append(gap);
      PhraseColumn(index, sink, line);
      line.append(file ? u"" : u"  ");
      FrequencyColumn(index, line);
      break;
    case 2:
      RankColumn(index, line);
      line.append(gap);
      FrequencyColumn(index, line);
      break;
    case 3:
      RankColumn(index, line);
      line.append(gap);
      TrimmedPhraseColumn(index, sink, line);
      break;
    default:  // 4
      FrequencyColumn(index, line);
      line.append(gap);
      RankColumn(index, line);
      break;
  }
}

void LineFormatter::ColumnsLedByTwoSpaces(int32_t index, LineSink sink, Text& line) {
  const bool file = sink == LineSink::File;
  const TextView lead = file ? u"" : u"  ";
  const TextView afterPhrase = file ? u"" : u" ";
  line.append(lead);
  switch (options_.displayFormat) {
    case 5:
      FrequencyColumn(index, line);
      line.append(file ? u"\t" : u"  ");
      TrimmedPhraseColumn(index, sink, line);
      break;
    case 6:
      PhraseColumn(index, sink, line);
      line.append(afterPhrase);
      RankColumn(index, line);
      break;
    case 7:
      PhraseColumn(index, sink, line);
      line.append(afterPhrase);
      FrequencyColumn(index, line);
      break;
    default:  // 10
      PhraseColumn(index, sink, line);
      line.append(file ? u"\t" : u" ");
      FrequencyColumn(index, line);
      line.append(file ? u"\t" : u" ");
      FilesColumn(index, sink, line);
      break;
  }
}

void LineFormatter::FormatLine(int32_t index, LineSink sink, Text& line) {
  line.clear();
  switch (options_.displayFormat) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
      ColumnsLedBySpace(index, sink, line);
      break;
    case 5:
    case 6:
    case 7:
    case 10:
      ColumnsLedByTwoSpaces(index, sink, line);
      break;
    case 8:
    case 9:
      TrimmedPhraseColumn(index, sink, line);
      break;
    case 11:
      PerFileBlock(index, sink, false, line);
      break;
    case 12:
      PerFileBlock(index, sink, true, line);
      break;
    default:
      break;
  }
}

}  // namespace velt

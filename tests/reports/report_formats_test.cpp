// The thirteen display formats, in the text window and in the output file,
// against texts worked out by hand from the line layouts. In the expected
// texts "|" stands for a TAB and every line ends in CR LF.
#include <string>

#include "in_memory_phrases.h"
#include "report_fixture.h"
#include "reports/file_block.h"
#include "reports/line_formatter.h"
#include "reports/listing.h"

namespace velt::testing {
namespace {

// The text after its first line break, with "|" as TAB and CR LF line ends.
std::string Golden(std::string_view text) {
  std::string out;
  for (const char c : text.substr(text.find('\n') + 1)) {
    if (c == '\n') {
      out += "\r\n";
    } else {
      out += c == '|' ? '\t' : c;
    }
  }
  return out;
}

// Table order is sort-key order; "sat on" did not qualify. By frequency:
// the cat (5, rank 1), black cat (2, rank 2), the cat sat (2, rank 3).
// 9 occurrences; the longest phrase text has 11 characters.
InMemoryPhrases CatTable() {
  return InMemoryPhrases(
      {{u"black cat", 2}, {u"sat on", 1, {}, {}, false}, {u"the cat", 5}, {u"the cat sat", 2}});
}

struct FormatCase {
  const char* name;
  int format;
  int order;  // 0 by frequency, 1 alphabetical
  bool relative;
  const char* window;
  const char* file;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.name;
}

class FormatGolden : public ReportTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(FormatGolden, WindowAndFileShowTheTableInTheFormat) {
  const FormatCase& c = GetParam();
  InMemoryPhrases table = CatTable();
  settings.source = Source::Clipboard;
  settings.displayFormat = c.format;
  settings.wordOrder = c.order;
  settings.relativeFrequency = c.relative;
  run.summarySentence = u"Summary.\r\n";
  SetOutputFile(tempDir / "out.txt");

  ListWords(context, table);

  EXPECT_EQ(Window(), Golden(c.window));
  EXPECT_EQ(ReadFile(tempDir / "out.txt"), Golden(c.file));
  EXPECT_TRUE(state.outputFileWritten);
  EXPECT_TRUE(dialogs.messages.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formats, FormatGolden, ::testing::Values(
FormatCase{"RankFreqPhrase", 0, 0, false, R"(
Summary.
     Rank      Freq  Phrase [longest has 11 characters]
        1         5  the cat
        2         2  black cat
        3         2  the cat sat
)", R"(
Summary.
    Rank|    Freq|Phrase| [longest has 11 characters]
       1|       5|the cat|
       2|       2|black cat|
       3|       2|the cat sat|
)"},
FormatCase{"RankPhraseFreq", 1, 0, false, R"(
Summary.
     Rank  Phrase           Freq
        1  the cat             5
        2  black cat           2
        3  the cat sat         2
)", R"(
Summary.
    Rank|Phrase|    Freq
       1|the cat|       5
       2|black cat|       2
       3|the cat sat|       2
)"},
FormatCase{"RankFreq", 2, 0, false, R"(
Summary.
     Rank      Freq
        1         5
        2         2
        3         2
)", R"(
Summary.
    Rank|    Freq
       1|       5
       2|       2
       3|       2
)"},
FormatCase{"RankPhrase", 3, 0, false, R"(
Summary.
     Rank  Phrase [longest has 11 characters]
        1  the cat
        2  black cat
        3  the cat sat
)", R"(
Summary.
    Rank|Phrase| [longest has 11 characters]
       1|the cat|
       2|black cat|
       3|the cat sat|
)"},
FormatCase{"FreqRank", 4, 0, false, R"(
Summary.
     Freq      Rank
        5         1
        2         2
        2         3
)", R"(
Summary.
    Freq|    Rank
       5|       1
       2|       2
       2|       3
)"},
FormatCase{"FreqPhrase", 5, 0, false, R"(
Summary.
      Freq  Phrase [longest has 11 characters]
         5  the cat
         2  black cat
         2  the cat sat
)", R"(
Summary.
    Freq|Phrase| [longest has 11 characters]
       5|the cat|
       2|black cat|
       2|the cat sat|
)"},
FormatCase{"PhraseRank", 6, 0, false, R"(
Summary.
  Phrase          Rank
  the cat            1
  black cat          2
  the cat sat        3
)", R"(
Summary.
Phrase|    Rank
the cat|       1
black cat|       2
the cat sat|       3
)"},
FormatCase{"PhraseFreq", 7, 0, false, R"(
Summary.
  Phrase          Freq
  the cat            5
  black cat          2
  the cat sat        2
)", R"(
Summary.
Phrase|    Freq
the cat|       5
black cat|       2
the cat sat|       2
)"},
FormatCase{"PhraseOnly", 8, 0, false, R"(
Summary.
Phrase [longest has 11 characters]
the cat
black cat
the cat sat
)", R"(
Summary.
Phrase| [longest has 11 characters]
the cat|
black cat|
the cat sat|
)"},
// The window loses the trailing separator; the file line ends in CR LF.
FormatCase{"CommaList", 9, 0, false, R"(
the cat, black cat, the cat sat)", R"(
the cat|, black cat|, the cat sat|
)"},
FormatCase{"AlphabeticalSkipsExcluded", 0, 1, false, R"(
Summary.
     Rank      Freq  Phrase [longest has 11 characters]
        2         2  black cat
        1         5  the cat
        3         2  the cat sat
)", R"(
Summary.
    Rank|    Freq|Phrase| [longest has 11 characters]
       2|       2|black cat|
       1|       5|the cat|
       3|       2|the cat sat|
)"},
FormatCase{"AlphabeticalCommaList", 9, 1, false, R"(
black cat, the cat, the cat sat
)", R"(
black cat|, the cat|, the cat sat|
)"},
FormatCase{"RelativeRankFreqPhrase", 0, 0, true, R"(
Summary.
     Rank  Rel freq  Phrase [longest has 11 characters]
        1    55.56%  the cat
        2    22.22%  black cat
        3    22.22%  the cat sat
)", R"(
Summary.
    Rank|Rel freq|Phrase| [longest has 11 characters]
       1|  55.56%|the cat|
       2|  22.22%|black cat|
       3|  22.22%|the cat sat|
)"},
FormatCase{"RelativePhraseFreqAlphabetical", 7, 1, true, R"(
Summary.
  Phrase      Rel freq
  black cat     22.22%
  the cat       55.56%
  the cat sat   22.22%
)", R"(
Summary.
Phrase|Rel freq
black cat|  22.22%
the cat|  55.56%
the cat sat|  22.22%
)"}));
// clang-format on

// Folder run: three files read, the last outside the scanned folder. By
// frequency: the cat (12 in 3 files), black cat (3 in 2 files).
InMemoryPhrases FolderTable(const std::string& folder) {
  const Text f = FromUtf8(folder);
  return InMemoryPhrases(
      {{u"black cat", 3, {1, 2}, {1, 2}}, {u"the cat", 12, {1, 2, 3}, {2, 9, 1}}},
      {Text(), f + u"/a.txt", f + u"/sub/b.txt", u"/elsewhere/c.txt"});
}

struct FolderCase {
  const char* name;
  int format;
  bool relative;
  bool byFiles;
  const char* folder;
  const char* window;  // after the files-scanned notice
  const char* file;    // after the source header
};

void PrintTo(const FolderCase& c, std::ostream* os) {
  *os << c.name;
}

class FolderFormatGolden : public ReportTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(FolderFormatGolden, WindowAndFileShowPerFileData) {
  const FolderCase& c = GetParam();
  InMemoryPhrases table = FolderTable(c.folder);
  settings.source = Source::Folder;
  settings.inputFolder = FromUtf8(c.folder);
  settings.includeSubfolders = true;
  sources.fileCount = 3;
  sources.folderCount = 2;
  settings.displayFormat = c.format;
  settings.relativeFrequency = c.relative;
  settings.sortByNumberOfFiles = c.byFiles;
  run.summarySentence = u"Summary.\r\n";
  SetOutputFile(tempDir / "out.txt");

  ListWords(context, table);

  const std::string notice = "3 files (in 2 folders) were scanned.\r\n";
  EXPECT_EQ(Window(), notice + Golden(c.window));
  EXPECT_EQ(ReadFile(tempDir / "out.txt"), "Folder: " + std::string(c.folder) +
                                               " plus any subfolders\r\n" + notice + "\r\n" +
                                               Golden(c.file));
  if (c.byFiles) {
    EXPECT_FLOAT_EQ(table.relativeValues[2], 1.0f);
    EXPECT_FLOAT_EQ(table.relativeValues[1], 2.0f / 3.0f);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Folder, FolderFormatGolden, ::testing::Values(
FolderCase{"PhraseFreqFiles", 10, false, false, "/data/corpus/texts", R"(
Summary.
  Phrase        Freq  Files
  the cat         12     3
  black cat        3     2
)", R"(
Summary.
Phrase||    Freq| Files
the cat||      12|    3
black cat||       3|    2
)"},
FolderCase{"PhraseFreqFilesSortedByFiles", 10, false, true, "/data/corpus/texts", R"(
Summary.
  Phrase        Freq  Files   File freq
  the cat         12     3    1.000
  black cat        3     2    0.667
)", R"(
Summary.
Phrase||    Freq| Files|File freq
the cat||      12|       3|1.000
black cat||       3|       2|0.667
)"},
FolderCase{"FilesContaining", 11, false, false, "/data/corpus/texts", R"(
Summary.

{Folder} = /data/corpus/texts

the cat
    {Folder}/a.txt
    {Folder}/sub/b.txt
    /elsewhere/c.txt

black cat
    {Folder}/a.txt
    {Folder}/sub/b.txt

)", R"(
Summary.

{Folder} = /data/corpus/texts

the cat|
    {Folder}/a.txt
    {Folder}/sub/b.txt
    /elsewhere/c.txt

black cat|
    {Folder}/a.txt
    {Folder}/sub/b.txt

)"},
FolderCase{"OccurrencesInEachFile", 12, false, false, "/data/corpus/texts", R"(
Summary.
{Folder} = /data/corpus/texts
the cat
        9 {Folder}/sub/b.txt
        2 {Folder}/a.txt
        1 /elsewhere/c.txt
black cat
        2 {Folder}/sub/b.txt
        1 {Folder}/a.txt
)", R"(
Summary.
{Folder} = /data/corpus/texts
the cat|
        9 {Folder}/sub/b.txt
        2 {Folder}/a.txt
        1 /elsewhere/c.txt
black cat|
        2 {Folder}/sub/b.txt
        1 {Folder}/a.txt
)"},
FolderCase{"RelativeOccurrencesInEachFile", 12, true, false, "/data/corpus/texts", R"(
Summary.
{Folder} = /data/corpus/texts
the cat
  60.00% {Folder}/sub/b.txt
  13.33% {Folder}/a.txt
   6.67% /elsewhere/c.txt
black cat
  13.33% {Folder}/sub/b.txt
   6.67% {Folder}/a.txt
)", R"(
Summary.
{Folder} = /data/corpus/texts
the cat|
  60.00% {Folder}/sub/b.txt
  13.33% {Folder}/a.txt
   6.67% /elsewhere/c.txt
black cat|
  13.33% {Folder}/sub/b.txt
   6.67% {Folder}/a.txt
)"},
FolderCase{"ShortFolderKeepsFullPaths", 12, false, false, "/data/t", R"(
Summary.

the cat
        9 /data/t/sub/b.txt
        2 /data/t/a.txt
        1 /elsewhere/c.txt
black cat
        2 /data/t/sub/b.txt
        1 /data/t/a.txt
)", R"(
Summary.

the cat|
        9 /data/t/sub/b.txt
        2 /data/t/a.txt
        1 /elsewhere/c.txt
black cat|
        2 /data/t/sub/b.txt
        1 /data/t/a.txt
)"}));
// clang-format on

TEST(LineFormatterTest, RelativeFrequencyUsesTheLocaleDecimalSeparator) {
  InMemoryPhrases table({{u"rare one", 1}, {u"common one", 199}});
  ReportOptions options;
  options.relativeFrequency = true;
  const ColumnWidths widths{8, 8, 10};
  const auto column = [&](NumberFormat numbers) {
    Text out;
    LineFormatter(table, options, widths, numbers, 0).FrequencyColumn(1, out);
    return Utf8(out);
  };
  EXPECT_EQ(column(NumberFormat{u'.', u','}), "   0,50%");
  EXPECT_EQ(column(NumberFormat{}), "   0.50%");
}

// Counts of five digits are aligned with the shorter ones, never cut.
TEST(FileBlockTest, WideCountsStayWholeAndSortFirst) {
  const Text block = u"the cat\r\n    3 /x/a.txt\r\n12345 /x/b.txt\r\n 9999 /x/c.txt\r\n\r\n";
  EXPECT_EQ(Utf8(ArrangeFileBlock(block, false)),
            "the cat\r\n    12345 /x/b.txt\r\n     9999 /x/c.txt\r\n        3 /x/a.txt");
}

}  // namespace
}  // namespace velt::testing

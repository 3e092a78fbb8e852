// One small plain-text file listed in every single-file display format, in the
// text window (standard output) and in the output file.
#include <ostream>
#include <string>

#include "e2e/batch_test.h"

namespace velt::e2e {
namespace {

// Three sentences, each repeated; "old oak tree stands" swallows its own
// subphrases, so four phrases remain: one seen 3 times, three seen twice.
constexpr char kInput[] =
    "Zebra crossing. Zebra crossing. Zebra crossing.\r\n"
    "Apple pie. Old oak tree stands. Apple pie.\r\n"
    "Mango tree. Old oak tree stands. Mango tree.\r\n";

constexpr char kSummary[] =
    "There are 4 phrases with 2 to 6 words which occur at least twice.\n"
    "The longest phrase has 4 words.\n";

constexpr int kByFrequency = 0;
constexpr int kAlphabetical = 1;

struct FormatCase {
  const char* name;
  int format;
  int wordOrder;
  bool relative;
  const char* window;  // after the summary; LF line ends
  const char* file;    // after the "File:" line and the summary; LF here, CR LF in the file
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.name;
}

// Widths: rank and frequency 8, phrase 19 (the longest phrase).
const FormatCase kFormatCases[] = {
    {"Format0", 0, kByFrequency, false,
     "     Rank      Freq  Phrase [longest has 19 characters]\n"
     "        1         3  zebra crossing\n"
     "        2         2  apple pie\n"
     "        3         2  mango tree\n"
     "        4         2  old oak tree stands\n",
     "    Rank\t    Freq\tPhrase\t [longest has 19 characters]\n"
     "       1\t       3\tzebra crossing\t\n"
     "       2\t       2\tapple pie\t\n"
     "       3\t       2\tmango tree\t\n"
     "       4\t       2\told oak tree stands\t\n"},
    {"Format1", 1, kByFrequency, false,
     "     Rank  Phrase                   Freq\n"
     "        1  zebra crossing              3\n"
     "        2  apple pie                   2\n"
     "        3  mango tree                  2\n"
     "        4  old oak tree stands         2\n",
     "    Rank\tPhrase\t    Freq\n"
     "       1\tzebra crossing\t       3\n"
     "       2\tapple pie\t       2\n"
     "       3\tmango tree\t       2\n"
     "       4\told oak tree stands\t       2\n"},
    {"Format2", 2, kByFrequency, false,
     "     Rank      Freq\n"
     "        1         3\n"
     "        2         2\n"
     "        3         2\n"
     "        4         2\n",
     "    Rank\t    Freq\n"
     "       1\t       3\n"
     "       2\t       2\n"
     "       3\t       2\n"
     "       4\t       2\n"},
    {"Format3", 3, kByFrequency, false,
     "     Rank  Phrase [longest has 19 characters]\n"
     "        1  zebra crossing\n"
     "        2  apple pie\n"
     "        3  mango tree\n"
     "        4  old oak tree stands\n",
     "    Rank\tPhrase\t [longest has 19 characters]\n"
     "       1\tzebra crossing\t\n"
     "       2\tapple pie\t\n"
     "       3\tmango tree\t\n"
     "       4\told oak tree stands\t\n"},
    {"Format4", 4, kByFrequency, false,
     "     Freq      Rank\n"
     "        3         1\n"
     "        2         2\n"
     "        2         3\n"
     "        2         4\n",
     "    Freq\t    Rank\n"
     "       3\t       1\n"
     "       2\t       2\n"
     "       2\t       3\n"
     "       2\t       4\n"},
    {"Format5", 5, kByFrequency, false,
     "      Freq  Phrase [longest has 19 characters]\n"
     "         3  zebra crossing\n"
     "         2  apple pie\n"
     "         2  mango tree\n"
     "         2  old oak tree stands\n",
     "    Freq\tPhrase\t [longest has 19 characters]\n"
     "       3\tzebra crossing\t\n"
     "       2\tapple pie\t\n"
     "       2\tmango tree\t\n"
     "       2\told oak tree stands\t\n"},
    {"Format6", 6, kByFrequency, false,
     "  Phrase                  Rank\n"
     "  zebra crossing             1\n"
     "  apple pie                  2\n"
     "  mango tree                 3\n"
     "  old oak tree stands        4\n",
     "Phrase\t    Rank\n"
     "zebra crossing\t       1\n"
     "apple pie\t       2\n"
     "mango tree\t       3\n"
     "old oak tree stands\t       4\n"},
    {"Format7", 7, kByFrequency, false,
     "  Phrase                  Freq\n"
     "  zebra crossing             3\n"
     "  apple pie                  2\n"
     "  mango tree                 2\n"
     "  old oak tree stands        2\n",
     "Phrase\t    Freq\n"
     "zebra crossing\t       3\n"
     "apple pie\t       2\n"
     "mango tree\t       2\n"
     "old oak tree stands\t       2\n"},
    {"Format8", 8, kByFrequency, false,
     "Phrase [longest has 19 characters]\n"
     "zebra crossing\n"
     "apple pie\n"
     "mango tree\n"
     "old oak tree stands\n",
     "Phrase\t [longest has 19 characters]\n"
     "zebra crossing\t\n"
     "apple pie\t\n"
     "mango tree\t\n"
     "old oak tree stands\t\n"},
    // Format 9 has no summary and no header; the window loses the final ", ".
    {"Format9", 9, kByFrequency, false,
     "zebra crossing, apple pie, mango tree, old oak tree stands",
     "zebra crossing\t, apple pie\t, mango tree\t, old oak tree stands\t\n"},
    {"Format0Alphabetical", 0, kAlphabetical, false,
     "     Rank      Freq  Phrase [longest has 19 characters]\n"
     "        2         2  apple pie\n"
     "        3         2  mango tree\n"
     "        4         2  old oak tree stands\n"
     "        1         3  zebra crossing\n",
     "    Rank\t    Freq\tPhrase\t [longest has 19 characters]\n"
     "       2\t       2\tapple pie\t\n"
     "       3\t       2\tmango tree\t\n"
     "       4\t       2\told oak tree stands\t\n"
     "       1\t       3\tzebra crossing\t\n"},
    {"Format6Alphabetical", 6, kAlphabetical, false,
     "  Phrase                  Rank\n"
     "  apple pie                  2\n"
     "  mango tree                 3\n"
     "  old oak tree stands        4\n"
     "  zebra crossing             1\n",
     "Phrase\t    Rank\n"
     "apple pie\t       2\n"
     "mango tree\t       3\n"
     "old oak tree stands\t       4\n"
     "zebra crossing\t       1\n"},
    // Alphabetically the window's trailing ", " becomes a line end.
    {"Format9Alphabetical", 9, kAlphabetical, false,
     "apple pie, mango tree, old oak tree stands, zebra crossing\n",
     "apple pie\t, mango tree\t, old oak tree stands\t, zebra crossing\t\n"},
    // Relative frequency: 3 of 9 occurrences is 33.33%, 2 of 9 is 22.22%.
    {"Format0Relative", 0, kByFrequency, true,
     "     Rank  Rel freq  Phrase [longest has 19 characters]\n"
     "        1    33.33%  zebra crossing\n"
     "        2    22.22%  apple pie\n"
     "        3    22.22%  mango tree\n"
     "        4    22.22%  old oak tree stands\n",
     "    Rank\tRel freq\tPhrase\t [longest has 19 characters]\n"
     "       1\t  33.33%\tzebra crossing\t\n"
     "       2\t  22.22%\tapple pie\t\n"
     "       3\t  22.22%\tmango tree\t\n"
     "       4\t  22.22%\told oak tree stands\t\n"},
    {"Format5Relative", 5, kByFrequency, true,
     "  Rel freq  Phrase [longest has 19 characters]\n"
     "    33.33%  zebra crossing\n"
     "    22.22%  apple pie\n"
     "    22.22%  mango tree\n"
     "    22.22%  old oak tree stands\n",
     "Rel freq\tPhrase\t [longest has 19 characters]\n"
     "  33.33%\tzebra crossing\t\n"
     "  22.22%\tapple pie\t\n"
     "  22.22%\tmango tree\t\n"
     "  22.22%\told oak tree stands\t\n"},
    {"Format7RelativeAlphabetical", 7, kAlphabetical, true,
     "  Phrase              Rel freq\n"
     "  apple pie             22.22%\n"
     "  mango tree            22.22%\n"
     "  old oak tree stands   22.22%\n"
     "  zebra crossing        33.33%\n",
     "Phrase\tRel freq\n"
     "apple pie\t  22.22%\n"
     "mango tree\t  22.22%\n"
     "old oak tree stands\t  22.22%\n"
     "zebra crossing\t  33.33%\n"},
};

class SingleFileFormats : public BatchTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(SingleFileFormats, WindowAndFileFollowTheFormatTable) {
  const FormatCase& c = GetParam();
  const std::string input = scratch_.Write("in.txt", kInput);
  Settings settings = SingleFileSettings(input, OutputPath());
  settings.displayFormat = c.format;
  settings.wordOrder = c.wordOrder;
  settings.relativeFrequency = c.relative;

  const ChildResult result = Run(settings);

  const bool hasSummary = c.format != 9;
  const std::string summary = hasSummary ? kSummary : "";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, summary + c.window);
  EXPECT_EQ(OutputFile(), WithCrLf("File: " + input + "\n" + summary + c.file));
}

INSTANTIATE_TEST_SUITE_P(AllListFormats, SingleFileFormats, ::testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

using OutputFileOptions = BatchTest;

// The overwrite prompt is answered OK with the path as it stands (its letter
// case kept), so the old report is replaced without a message.
TEST_F(OutputFileOptions, WarnOnOverwriteReplacesTheExistingOutputFile) {
  const std::string input = scratch_.Write("in.txt", kInput);
  scratch_.Write("out.txt", "old report\r\n");
  Settings settings = SingleFileSettings(input, OutputPath());
  settings.warnOnOverwrite = true;
  settings.displayFormat = 8;

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(OutputFile(), WithCrLf("File: " + input + "\n" + kSummary +
                                   "Phrase\t [longest has 19 characters]\n"
                                   "zebra crossing\t\n"
                                   "apple pie\t\n"
                                   "mango tree\t\n"
                                   "old oak tree stands\t\n"));
}

}  // namespace
}  // namespace velt::e2e

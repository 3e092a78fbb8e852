// Settings files that are shorter than the format or hold a value that its
// field cannot take.
#include <string>
#include <vector>

#include "e2e/batch_test.h"
#include "settings/state_format.h"

namespace velt::e2e {
namespace {

constexpr char kInput[] = "Red fox runs. Red fox runs.\r\n";

// The records of `settings`, one per CR LF line.
std::vector<std::string> Records(const Settings& settings) {
  const std::string text = FormatStateRecords(settings);
  std::vector<std::string> records;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    records.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return records;
}

std::string Joined(const std::vector<std::string>& records, size_t count) {
  std::string text;
  for (size_t i = 0; i < count && i < records.size(); ++i)
    text += records[i] + "\r\n";
  return text;
}

class SettingsFile : public BatchTest {
 protected:
  ChildResult RunRecords(const std::string& text) {
    return RunBatchWith({scratch_.Write("settings.velt", text)});
  }
};

// Only the six file boxes are read; "Set default values?" gets its default
// No, and the count runs with the input and output files read and the
// first-start values for everything else.
TEST_F(SettingsFile, ShortFileKeepsTheRecordsReadAndCounts) {
  const std::string input = scratch_.Write("in.txt", kInput);
  Settings settings = SingleFileSettings(input, OutputPath());
  settings.displayFormat = 8;  // not read: the first-start format 0 is used

  const ChildResult result = RunRecords(Joined(Records(settings), 6));

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err,
            "[Error restoring saved state] Input past end of file.  Set default values?\n"
            "[Input past end of file] Saving the settings should fix the 'Input past end of "
            "file' error.\n");
  EXPECT_EQ(result.out,
            "There is one phrase with 2 to 6 words which occurs at least twice.\n"
            "     Rank      Freq  Phrase [longest has 12 characters]\n"
            "        1         2  red fox runs\n");
  EXPECT_EQ(OutputFile(), WithCrLf("File: " + input +
                                   "\n"
                                   "There is one phrase with 2 to 6 words which occurs at least "
                                   "twice.\n"
                                   "    Rank\t    Freq\tPhrase\t [longest has 12 characters]\n"
                                   "       1\t       2\tred fox runs\t\n"));
}

// Record 31 is the display format, which lists 13 formats.
TEST_F(SettingsFile, OutOfRangeIndexIsAnUnreadableSettingsFile) {
  const std::string input = scratch_.Write("in.txt", kInput);
  std::vector<std::string> records = Records(SingleFileSettings(input, OutputPath()));
  ASSERT_EQ(records[30], "0");
  records[30] = "99";

  const ChildResult result = RunRecords(Joined(records, records.size()));

  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "[Load settings] Error when attempting to load settings: Invalid data\n");
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(OutputFile(), "");
}

}  // namespace
}  // namespace velt::e2e

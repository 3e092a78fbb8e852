#include "settings/ui_text_table.h"

#include <gtest/gtest.h>

#include "doubles/scratch_dir.h"
#include "settings/ui_texts.h"

namespace velt {
namespace {

class UiTextTableTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& content) { return dir_.Write("velt.dat", content); }
  static UiTextLoadResult Failed(UiTextLoadError error, int line = 0) { return {0, error, line}; }
  // Loads content into result_; the message its failure shows.
  Text FailureMessage(const std::string& content) {
    result_ = table_.Load(Write(content));
    return UiTextLoadErrorMessage(result_, "");
  }

  testing::ScratchDir dir_{"velt-uitext"};
  UiTextTable table_;
  UiTextLoadResult result_;
};

TEST_F(UiTextTableTest, LoadsEntriesWithEscapesAndTildeAsEmpty) {
  const std::string path = Write("# comment\n1\tVELT\r\n\n21\tCount\\nphrases\n61\t~\n7\ta\\\\b\n");
  EXPECT_EQ(table_.Load(path), UiTextLoadResult{4});
  EXPECT_EQ(table_.UIText(1), u"VELT");
  EXPECT_EQ(table_.UIText(21), u"Count\r\nphrases");
  EXPECT_EQ(table_.UIText(61), u"");
  EXPECT_EQ(table_.UIText(7), u"a\\b");
  EXPECT_EQ(table_.UIText(999), u"");  // an entry the file does not have
}

TEST_F(UiTextTableTest, ReadsUtf8) {
  EXPECT_EQ(table_.Load(Write("5\tcaf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D\n")).entries, 1);
  EXPECT_EQ(table_.UIText(5), u"café “q”");
}

TEST_F(UiTextTableTest, FailuresAndTheirMessages) {
  const std::string missing = (dir_ / "nothing.dat").string();
  const UiTextLoadResult cannotOpen = table_.Load(missing);
  EXPECT_EQ(cannotOpen, Failed(UiTextLoadError::CannotOpen));
  EXPECT_EQ(UiTextLoadErrorMessage(cannotOpen, missing),
            u"Cannot open file containing program text.\r\n" + FromUtf8(missing));

  EXPECT_EQ(FailureMessage(""), u"File is empty.");
  EXPECT_EQ(result_, Failed(UiTextLoadError::FileEmpty));
  EXPECT_EQ(FailureMessage("# only a comment\n\n"), u"No program text was read.");
  EXPECT_EQ(result_, Failed(UiTextLoadError::NothingRead));

  EXPECT_EQ(table_.Load(Write("1\ta\n")).entries, 1);
  EXPECT_EQ(FailureMessage("1\ta\n2\tb\n1\tc\n"), u"Duplicate in program text at line3.");
  EXPECT_EQ(result_, Failed(UiTextLoadError::Duplicate, 3));
  EXPECT_EQ(table_.UIText(1), u"");  // a failed load leaves no texts

  EXPECT_EQ(FailureMessage("1\ta\n2\t" + std::string(1025, 'x') + "\n"),
            u"String too long at line2.");
  EXPECT_EQ(result_, Failed(UiTextLoadError::StringTooLong, 2));
  EXPECT_EQ(table_.Load(Write("1\t" + std::string(1024, 'x') + "\n")).entries, 1);

  EXPECT_EQ(FailureMessage("1\ta\n\n42\t\n"), u"Missing string at line3.");
  EXPECT_EQ(result_, Failed(UiTextLoadError::MissingString, 3));
  EXPECT_EQ(FailureMessage("text without a number\n"), u"Missing string at line1.");
}

// Missing and overlong strings name at most line 500; duplicates any line.
TEST_F(UiTextTableTest, LineNumbersOfTheMessagesStopAt500ExceptForDuplicates) {
  const auto entries = [](int count) {
    std::string lines;
    for (int n = 1; n <= count; ++n)
      lines += std::to_string(n) + "\tt\n";
    return lines;
  };
  const std::string tooLong = "0\t" + std::string(1025, 'x') + "\n";
  EXPECT_EQ(FailureMessage(entries(499) + tooLong), u"String too long at line500.");
  EXPECT_EQ(FailureMessage(entries(600) + tooLong), u"String too long at line500.");
  EXPECT_EQ(result_, Failed(UiTextLoadError::StringTooLong, 500));
  EXPECT_EQ(FailureMessage(entries(499) + "no tab\n"), u"Missing string at line500.");
  EXPECT_EQ(FailureMessage(entries(700) + "no tab\n"), u"Missing string at line500.");
  EXPECT_EQ(FailureMessage(entries(600) + "1\tagain\n"), u"Duplicate in program text at line601.");

  EXPECT_EQ(table_.Load(Write(entries(10000))).entries, 10000);
  EXPECT_EQ(FailureMessage(entries(10001)), u"Too much program text.");
  EXPECT_EQ(result_, Failed(UiTextLoadError::TooMuchText));
}

// The shipped table has every text the program uses, and the counting captions
// contain "stop" (the window's timer recognises a running count by it).
TEST(ShippedUiTexts, CompleteAndConsistent) {
  UiTextTable table;
  ASSERT_GT(table.Load(std::string(VELT_DATA_DIR) + "/velt.dat").entries, 0);
  const int numbers[] = {1,   9,   19,  21,  22,  23,  25,  34,  37,  38,  39, 40, 41, 42,
                         43,  44,  45,  46,  47,  48,  50,  51,  52,  53,  54, 55, 56, 57,
                         58,  59,  60,  62,  63,  64,  90,  91,  92,  93,  94, 95, 96, 97,
                         213, 351, 362, 363, 364, 365, 366, 367, 368, 369, 374};
  for (const int n : numbers)
    EXPECT_FALSE(table.UIText(n).empty()) << "UI text " << n;
  const auto lower = [](Text t) {
    for (char16_t& c : t)
      c = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
    return t;
  };
  EXPECT_NE(lower(table.UIText(ui_text::kStopCounting)).find(u"stop"), Text::npos);
  EXPECT_NE(lower(table.UIText(ui_text::kStopCountingManyPhrases)).find(u"stop"), Text::npos);
  EXPECT_EQ(lower(table.UIText(ui_text::kCountPhrases)).find(u"stop"), Text::npos);
}

}  // namespace
}  // namespace velt

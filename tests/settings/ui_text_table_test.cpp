#include "settings/ui_text_table.h"

#include <gtest/gtest.h>

#include "doubles/scratch_dir.h"
#include "settings/ui_texts.h"

namespace velt {
namespace {

class UiTextTableTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& content) { return dir_.Write("velt.dat", content); }

  testing::ScratchDir dir_{"velt-uitext"};
  UiTextTable table_;
};

TEST_F(UiTextTableTest, LoadsEntriesWithEscapesAndTildeAsEmpty) {
  const std::string path = Write("# comment\n1\tVELT\r\n\n21\tCount\\nphrases\n61\t~\n7\ta\\\\b\n");
  EXPECT_EQ(table_.Load(path), 4);
  EXPECT_EQ(table_.UIText(1), u"VELT");
  EXPECT_EQ(table_.UIText(21), u"Count\r\nphrases");
  EXPECT_EQ(table_.UIText(61), u"");
  EXPECT_EQ(table_.UIText(7), u"a\\b");
  EXPECT_EQ(table_.UIText(999), u"");  // an entry the file does not have
}

TEST_F(UiTextTableTest, ReadsUtf8) {
  EXPECT_EQ(table_.Load(Write("5\tcaf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D\n")), 1);
  EXPECT_EQ(table_.UIText(5), u"café “q”");
}

TEST_F(UiTextTableTest, ErrorCodesAndMessages) {
  const std::string missing = (dir_ / "nothing.dat").string();
  EXPECT_EQ(table_.Load(missing), ui_text_load::kCannotOpen);
  EXPECT_EQ(UiTextLoadErrorMessage(-1, missing),
            u"Cannot open file containing program text.\r\n" + FromUtf8(missing));

  EXPECT_EQ(table_.Load(Write("")), ui_text_load::kFileEmpty);
  EXPECT_EQ(UiTextLoadErrorMessage(-6, ""), u"File is empty.");

  EXPECT_EQ(table_.Load(Write("# only a comment\n\n")), ui_text_load::kNothingRead);
  EXPECT_EQ(UiTextLoadErrorMessage(0, ""), u"No program text was read.");

  EXPECT_EQ(table_.Load(Write("1\ta\n2\tb\n1\tc\n")), -1503);
  EXPECT_EQ(UiTextLoadErrorMessage(-1503, ""), u"Duplicate in program text at line3.");
  EXPECT_EQ(table_.UIText(1), u"");  // a failed load leaves no texts

  EXPECT_EQ(table_.Load(Write("1\ta\n2\t" + std::string(1025, 'x') + "\n")), -1002);
  EXPECT_EQ(UiTextLoadErrorMessage(-1002, ""), u"String too long at line2.");
  EXPECT_EQ(table_.Load(Write("1\t" + std::string(1024, 'x') + "\n")), 1);

  EXPECT_EQ(table_.Load(Write("1\ta\n\n42\t\n")), -503);
  EXPECT_EQ(UiTextLoadErrorMessage(-503, ""), u"Missing string at line3.");
  EXPECT_EQ(table_.Load(Write("text without a number\n")), -501);
}

TEST(UiTextLoadErrorMessage, BoundariesOfTheLineRanges) {
  EXPECT_EQ(UiTextLoadErrorMessage(-1500, ""), u"String too long at line500.");
  EXPECT_EQ(UiTextLoadErrorMessage(-1501, ""), u"Duplicate in program text at line1.");
  EXPECT_EQ(UiTextLoadErrorMessage(-1000, ""), u"Missing string at line500.");
  EXPECT_EQ(UiTextLoadErrorMessage(-2, ""), u"Particular memory allocation error.");
  EXPECT_EQ(UiTextLoadErrorMessage(-3, ""), u"Too much program text.");
  EXPECT_EQ(UiTextLoadErrorMessage(-4, ""), u"Text not recovered.");
  EXPECT_EQ(UiTextLoadErrorMessage(-7, ""), u"Error reading file.");
  EXPECT_EQ(UiTextLoadErrorMessage(-8, ""), u"General memory allocation error.");
  EXPECT_EQ(UiTextLoadErrorMessage(-5, ""), u"Error -5");
  EXPECT_EQ(UiTextLoadErrorMessage(-500, ""), u"Error -500");
}

// The shipped table has every text the program uses, and the counting captions
// contain "stop" (the window's timer recognises a running count by it).
TEST(ShippedUiTexts, CompleteAndConsistent) {
  UiTextTable table;
  ASSERT_GT(table.Load(std::string(VELT_DATA_DIR) + "/velt.dat"), 0);
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

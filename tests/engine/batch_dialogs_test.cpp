#include "engine/batch_dialogs.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velt {
namespace {

TEST(BatchDialogs, PrintsMessagesAndGivesTheRunsAnswers) {
  std::ostringstream err;
  BatchDialogs dialogs(err);
  EXPECT_EQ(dialogs.Message({u"Minimum number of occurrences",
                             u"If you...\r\n\r\nDo you wish to reset it?", MessageIcon::None,
                             MessageButtons::YesNo, std::nullopt}),
            Answer::No);
  EXPECT_EQ(dialogs.Message({u"Filter results?", u"Do you wish to keep the filter settings?",
                             MessageIcon::None, MessageButtons::YesNo, std::nullopt}),
            Answer::Yes);
  EXPECT_EQ(dialogs.Message({u"Multiple files/folders", u"When scanning", MessageIcon::None,
                             MessageButtons::OkCancel, std::nullopt}),
            Answer::Cancel);
  EXPECT_EQ(dialogs.Message({u"Big file", u"x is rather large.", MessageIcon::None,
                             MessageButtons::YesNo, Answer::No}),
            Answer::Yes);
  EXPECT_EQ(dialogs.Message({u"Large input file", u"The input file is quite large.",
                             MessageIcon::Question, MessageButtons::YesNoCancel, std::nullopt}),
            Answer::No);
  EXPECT_EQ(dialogs.Message({u"", u"Invalid checksum found when processing\r\na.docx",
                             MessageIcon::None, MessageButtons::YesNo, std::nullopt}),
            Answer::Yes);
  // Any other question: its default button.
  EXPECT_EQ(dialogs.Message({u"Error restoring saved state",
                             u"Input past end of file.  Set default values?", MessageIcon::None,
                             MessageButtons::YesNo, Answer::No}),
            Answer::No);
  EXPECT_EQ(dialogs.InputBox({u"The output file exists.", u"To overwrite", u"/tmp/out.txt"}),
            std::optional<Text>(u"/tmp/out.txt"));
  EXPECT_FALSE(dialogs.OpenFile({}));

  const std::string printed = err.str();
  EXPECT_NE(printed.find("[Minimum number of occurrences] If you...\n\nDo you wish to reset it?\n"),
            std::string::npos);
  EXPECT_NE(printed.find("[] Invalid checksum found when processing\na.docx\n"), std::string::npos);
  EXPECT_EQ(printed.find("The output file exists."), std::string::npos);
}

}  // namespace
}  // namespace velt

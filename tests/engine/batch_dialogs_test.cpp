#include "engine/batch_dialogs.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velt {
namespace {

MessageRequest Question(MessageId id, Text title, Text text,
                        MessageButtons buttons = MessageButtons::YesNo,
                        std::optional<Answer> defaultAnswer = std::nullopt) {
  return {id, std::move(title), std::move(text), MessageIcon::Question, buttons, defaultAnswer};
}

TEST(BatchDialogs, PrintsMessagesAndGivesTheRunsAnswers) {
  std::ostringstream err;
  BatchDialogs dialogs(err);
  EXPECT_EQ(
      dialogs.Message(Question(MessageId::ResetMinimumFrequency, u"Minimum number of occurrences",
                               u"If you...\r\n\r\nDo you wish to reset it?")),
      Answer::No);
  EXPECT_EQ(dialogs.Message(Question(MessageId::KeepFilterWords, u"Filter results?",
                                     u"Do you wish to keep the filter settings?")),
            Answer::Yes);
  EXPECT_EQ(
      dialogs.Message(Question(MessageId::MultipleFilesNeedOutputFile, u"Multiple files/folders",
                               u"When scanning", MessageButtons::OkCancel)),
      Answer::Cancel);
  // Answered against the box's own default button.
  EXPECT_EQ(dialogs.Message(Question(MessageId::BigDocument, u"Big file", u"x is rather large.",
                                     MessageButtons::YesNo, Answer::No)),
            Answer::Yes);
  EXPECT_EQ(
      dialogs.Message(Question(MessageId::LargeInputFile, u"Large input file",
                               u"The input file is quite large.", MessageButtons::YesNoCancel)),
      Answer::No);
  EXPECT_EQ(dialogs.Message(Question(MessageId::DocxChecksum, u"",
                                     u"Invalid checksum found when processing\r\na.docx")),
            Answer::Yes);
  // Any other question: its default button.
  EXPECT_EQ(
      dialogs.Message(Question(MessageId::InputPastEndSetDefaults, u"Error restoring saved state",
                               u"Input past end of file.  Set default values?",
                               MessageButtons::YesNo, Answer::No)),
      Answer::No);
  EXPECT_EQ(dialogs.Message(Question(MessageId::ListPhrasesFound, u"Counting interrupted",
                                     u"Do you wish to list those which were found?")),
            Answer::Yes);
  EXPECT_EQ(dialogs.InputBox({u"The output file exists.", u"To overwrite", u"/tmp/out.txt"}),
            std::optional<Text>(u"/tmp/out.txt"));
  EXPECT_FALSE(dialogs.OpenFile({}));

  const std::string printed = err.str();
  EXPECT_NE(printed.find("[Minimum number of occurrences] If you...\n\nDo you wish to reset it?\n"),
            std::string::npos);
  EXPECT_NE(printed.find("[] Invalid checksum found when processing\na.docx\n"), std::string::npos);
  EXPECT_EQ(printed.find("The output file exists."), std::string::npos);
}

// The answer follows the question's id alone: a question that merely reads
// like one of the answered ones gets its default button.
TEST(BatchDialogs, QuestionsThatOnlyLookLikeAnsweredOnesGetTheirDefault) {
  std::ostringstream err;
  BatchDialogs dialogs(err);
  EXPECT_EQ(
      dialogs.Message(Question(MessageId::SavedSettingsProblem, u"Minimum number of occurrences",
                               u"Do you wish to reset it?", MessageButtons::YesNo, Answer::No)),
      Answer::No);
  EXPECT_EQ(dialogs.Message(Question(MessageId::ReallyStop, u"Filter results?", u"Really stop?",
                                     MessageButtons::YesNo, Answer::No)),
            Answer::No);
  EXPECT_EQ(dialogs.Message(Question(MessageId::WordRuleChangeRereads, u"Multiple files/folders",
                                     u"Is this OK?", MessageButtons::OkCancel)),
            Answer::Ok);
  EXPECT_EQ(dialogs.Message(Question(MessageId::Relist, u"Big file", u"Relist?",
                                     MessageButtons::YesNo, Answer::No)),
            Answer::No);
  EXPECT_EQ(dialogs.Message(Question(MessageId::RemoveAllWordsFiles, u"Large input file",
                                     u"Remove ALL files?", MessageButtons::YesNoCancel)),
            Answer::Yes);
  EXPECT_EQ(dialogs.Message(Question(MessageId::LoadWordsFile, u"",
                                     u"Invalid checksum found when processing\r\na.docx",
                                     MessageButtons::YesNo, Answer::No)),
            Answer::No);
  // The advice after a big document shares the question's title; it is a
  // message with an OK button only.
  EXPECT_EQ(dialogs.Message({MessageId::BigDocumentAdvice, u"Big file",
                             u"You could try saving it as a text file", MessageIcon::Information,
                             MessageButtons::Ok, std::nullopt}),
            Answer::Ok);
}

}  // namespace
}  // namespace velt

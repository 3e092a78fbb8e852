#include "engine_fixture.h"

#include "engine/main_window_controller.h"

namespace velt::testing {
namespace {

TEST_F(EngineTest, CountsASingleFileAndPublishesTheCounters) {
  UseFile(Write("in.txt", "The cat sat on the mat. The cat sat on the hat.\r\n"), 2, 6, 2);
  engine_->OnCountClicked();
  EXPECT_TRUE(engine_->CountReachedListing());
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_EQ(session().textWindow.text(),
            u"There is one phrase with 2 to 6 words which occurs at least twice.\r\n"
            u"     Rank      Freq  Phrase [longest has 18 characters]\r\n"
            u"        1         2  the cat sat on the\r\n");
  EXPECT_EQ(session().window.Get(ControlId::lblNumberOfWords).caption,
            u"Number of phrases in this list: 1");
  EXPECT_EQ(session().window.Get(ControlId::lblNumWordsExcluded).caption,
            u"No. of instances of phrases in this list: 2");
  EXPECT_EQ(session().window.Get(ControlId::cmdCountPhrases).caption, session().UIText(21));
  EXPECT_TRUE(session().run.countAvailable);
  EXPECT_FALSE(session().run.timer2Enabled);
}

TEST_F(EngineTest, MaximumBelowMinimumIsRefused) {
  UseFile(Write("in.txt", "a b c d e\r\n"), 5, 3, 1);
  session().textWindow.Set(u"earlier report");
  engine_->OnCountClicked();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].title, u"Invalid input");
  EXPECT_EQ(dialogs_.messages[0].text,
            u"The maximum number of words in each phrase\r\nmust not be less than the minimum "
            u"number.");
  EXPECT_EQ(session().textWindow.text(), u"earlier report");
  EXPECT_FALSE(engine_->CountReachedListing());
}

// With minimum frequency 1 by frequency, the warning comes only for files of
// more than 50 KB (rounded).
TEST_F(EngineTest, MinimumFrequencyWarningFollowsTheFileSize) {
  const auto textOf = [](size_t bytes) {
    std::string text;
    while (text.size() < bytes)
      text += "lorem ipsum dolor sit amet ";
    text.resize(bytes);
    return text;
  };
  UseFile(Write("small.txt", textOf(40 * 1024)), 2, 2, 1);
  engine_->OnCountClicked();
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_TRUE(engine_->CountReachedListing());

  UseFile(Write("big.txt", textOf(60 * 1024)), 2, 2, 1);
  dialogs_.answers = {Answer::Yes};
  engine_->OnCountClicked();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].title, u"Minimum number of occurrences");
  EXPECT_FALSE(engine_->CountReachedListing());
}

TEST_F(EngineTest, OutputFileEqualToInputIsRefusedBeforeItIsOpened) {
  const std::string path = Write("in.txt", "one two three one two three\r\n");
  UseFile(path, 2, 3, 2);
  settings().filePaths[1] = FromUtf8(path);
  engine_->OnCountClicked();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, u"The output file cannot be the same as the input file.");
  EXPECT_EQ(Read(path), "one two three one two three\r\n");
}

// A stop request arrives while the words are read: "Really stop?" answered No
// lets the run go on; answered Yes, the phrases found so far are listed on
// request, in phrase order (not sorted by key).
TEST_F(EngineTest, StopRequestsDuringACount) {
  settings().caseSignificant = true;
  settings().source = Source::Clipboard;
  settings().phraseLengthIndexes = {0, 0};
  settings().minimumFrequencyIndex = 0;
  settings().wordOrder = 1;
  clipboard_.SetText(u"Zeta x Zeta x alpha y alpha y");

  bool asked = false;
  pump_.onYield = [&] {
    if (!asked && engine_->table().phraseCount() >= 2) {
      asked = true;
      engine_->OnCountClicked();
    }
  };
  dialogs_.answers = {Answer::No};
  engine_->OnCountClicked();
  ASSERT_GE(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, u"Really stop?");
  EXPECT_EQ(dialogs_.messages[0].defaultAnswer, Answer::No);
  EXPECT_TRUE(engine_->CountReachedListing());
  EXPECT_NE(session().textWindow.text().find(u"alpha y"), Text::npos);

  dialogs_.messages.clear();
  asked = false;
  pump_.onYield = [&] {
    if (!asked && engine_->table().phraseCount() >= 5) {
      asked = true;
      engine_->OnCountClicked();
    }
  };
  dialogs_.answers = {Answer::Yes, Answer::Yes};
  engine_->OnCountClicked();
  ASSERT_EQ(dialogs_.messages.size(), 2u);
  EXPECT_EQ(dialogs_.messages[1].title, u"Counting interrupted");
  EXPECT_EQ(dialogs_.messages[1].text,
            u"The operation was stopped before all phrases were counted.\r\n"
            u"Do you wish to list those which were found?");
  EXPECT_TRUE(session().run.listIncomplete);
  EXPECT_FALSE(session().run.countAvailable);
  const Text& report = session().textWindow.text();
  const size_t upper = report.find(u"Zeta x");
  const size_t lower = report.find(u"alpha y");
  ASSERT_NE(upper, Text::npos);
  ASSERT_NE(lower, Text::npos);
  EXPECT_LT(upper, lower);  // "Z" comes before "a" in code-unit order
}

TEST_F(EngineTest, StoppedBeforeAnyPhraseShowsStoppedOnly) {
  settings().source = Source::Clipboard;
  clipboard_.SetText(u"one two three four");
  bool asked = false;
  pump_.onYield = [&] {
    if (!asked) {
      asked = true;
      engine_->OnCountClicked();
    }
  };
  dialogs_.answers = {Answer::Yes};
  engine_->OnCountClicked();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(session().textWindow.text(), u"Stopped");
  EXPECT_FALSE(engine_->CountReachedListing());
}

TEST_F(EngineTest, FolderWithoutMatchingFiles) {
  Write("folder/sub/a.txt", "some words here\r\n");
  settings().source = Source::Folder;
  settings().inputFolder = FromUtf8((dir_ / "folder").string());
  settings().includeSubfolders = true;
  settings().filePaths[1] = FromUtf8((dir_ / "out.txt").string());
  settings().pathPatterns[0] = u"*.html";
  engine_->mainWindow().OnPathPatternsLeft(0);
  engine_->OnCountClicked();
  ASSERT_FALSE(dialogs_.messages.empty());
  EXPECT_EQ(dialogs_.messages.back().title, u"No files found");
  EXPECT_EQ(dialogs_.messages.back().text,
            u"No scanable files as specified were found in this folder or in its subfolders.");
}

TEST_F(EngineTest, ElapsedTimeTick) {
  session().run.elapsedTimeRunning = true;
  session().run.secondsElapsed = 1951;
  engine_->Timer2_Tick();
  EXPECT_EQ(session().window.Get(ControlId::lblTimeElapsed_1).caption, u"Time elapsed: 32m 32s");
  EXPECT_EQ(session().window.Get(ControlId::lblNumberOfWords).caption,
            u"Number of different phrases found so far: 0");
}

}  // namespace
}  // namespace velt::testing

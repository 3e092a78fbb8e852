#include "engine_fixture.h"

#include <string>
#include <vector>

#include "engine/count/count_window.h"
#include "engine/main_window_controller.h"

namespace velt::testing {
namespace {

// Records the steps of a count and passes each on to the main window.
class RecordingCountObserver final : public CountObserver {
 public:
  explicit RecordingCountObserver(Engine& engine) : window_(engine) {}

  std::vector<std::string> steps;
  FileReadOutcome refused;  // the outcome of the last FileRefused

  void Started() override { Step("Started", &CountWindow::Started); }
  void NotStarted() override { Step("NotStarted", &CountWindow::NotStarted); }
  void RunStarted() override { Step("RunStarted", &CountWindow::RunStarted); }
  void ExtraWordsRefused() override { Step("ExtraWordsRefused", &CountWindow::ExtraWordsRefused); }
  void ReadingStarted() override { Step("ReadingStarted", &CountWindow::ReadingStarted); }
  void FileReading(const Text& path) override {
    steps.push_back("FileReading");
    window_.FileReading(path);
  }
  void FileRead() override { Step("FileRead", &CountWindow::FileRead); }
  void FileRefused(const FileReadOutcome& outcome) override {
    steps.push_back("FileRefused");
    refused = outcome;
    window_.FileRefused(outcome);
  }
  void ClipboardReading() override { Step("ClipboardReading", &CountWindow::ClipboardReading); }
  void ClipboardEmpty() override { Step("ClipboardEmpty", &CountWindow::ClipboardEmpty); }
  void SortingStarted() override { Step("SortingStarted", &CountWindow::SortingStarted); }
  void Stopped() override { Step("Stopped", &CountWindow::Stopped); }
  bool AskListIncomplete() override {
    steps.push_back("AskListIncomplete");
    return window_.AskListIncomplete();
  }
  void Abandoned() override { Step("Abandoned", &CountWindow::Abandoned); }
  void NoFilesFound() override { Step("NoFilesFound", &CountWindow::NoFilesFound); }
  void Processing(bool folderCounted) override {
    steps.push_back(folderCounted ? "Processing(folder)" : "Processing");
    window_.Processing(folderCounted);
  }
  void ExcludingSubphrases() override {
    Step("ExcludingSubphrases", &CountWindow::ExcludingSubphrases);
  }
  void SubphrasesStopped() override { Step("SubphrasesStopped", &CountWindow::SubphrasesStopped); }
  void FrequencyChainStarted() override {
    Step("FrequencyChainStarted", &CountWindow::FrequencyChainStarted);
  }
  void FrequencyChainProgress() override { window_.FrequencyChainProgress(); }
  void Counted(const ListStatistics& stats) override {
    steps.push_back("Counted");
    window_.Counted(stats);
  }
  void Listed() override { Step("Listed", &CountWindow::Listed); }
  void Ended(bool folderRead) override {
    steps.push_back(folderRead ? "Ended(folder)" : "Ended");
    window_.Ended(folderRead);
  }
  void Finished(bool filterWordsKept) override {
    steps.push_back(filterWordsKept ? "Finished(filter)" : "Finished");
    window_.Finished(filterWordsKept);
  }

 private:
  void Step(const char* name, void (CountWindow::*step)()) {
    steps.push_back(name);
    (window_.*step)();
  }

  CountWindow window_;
};

using Steps = std::vector<std::string>;

TEST_F(EngineTest, CountsASingleFileAndPublishesTheCounters) {
  UseFile(Write("in.txt", "The cat sat on the mat. The cat sat on the hat.\r\n"), 2, 6, 2);
  engine_->mainWindow().OnCountClicked();
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
  EXPECT_EQ(session().window.Get(ControlId::cmdCountPhrases).caption,
            session().UIText(ui_text::kCountPhrases));
  EXPECT_TRUE(session().run.countAvailable);
  EXPECT_FALSE(session().run.timer2Enabled);
}

TEST_F(EngineTest, MaximumBelowMinimumIsRefused) {
  UseFile(Write("in.txt", "a b c d e\r\n"), 5, 3, 1);
  session().textWindow.Set(u"earlier report");
  engine_->mainWindow().OnCountClicked();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].title, u"Invalid input");
  EXPECT_EQ(dialogs_.messages[0].id, MessageId::PhraseLengthsInverted);
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
  engine_->mainWindow().OnCountClicked();
  EXPECT_TRUE(dialogs_.messages.empty());
  EXPECT_TRUE(engine_->CountReachedListing());

  UseFile(Write("big.txt", textOf(60 * 1024)), 2, 2, 1);
  dialogs_.answers = {Answer::Yes};
  engine_->mainWindow().OnCountClicked();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].title, u"Minimum number of occurrences");
  EXPECT_EQ(dialogs_.messages[0].id, MessageId::ResetMinimumFrequency);
  EXPECT_FALSE(engine_->CountReachedListing());
}

TEST_F(EngineTest, OutputFileEqualToInputIsRefusedBeforeItIsOpened) {
  const std::string path = Write("in.txt", "one two three one two three\r\n");
  UseFile(path, 2, 3, 2);
  settings().filePaths[1] = FromUtf8(path);
  engine_->mainWindow().OnCountClicked();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, u"The output file cannot be the same as the input file.");
  EXPECT_EQ(dialogs_.messages[0].id, MessageId::OutputIsInput);
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
      engine_->mainWindow().OnCountClicked();
    }
  };
  dialogs_.answers = {Answer::No};
  engine_->mainWindow().OnCountClicked();
  ASSERT_GE(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, u"Really stop?");
  EXPECT_EQ(dialogs_.messages[0].id, MessageId::ReallyStop);
  EXPECT_EQ(dialogs_.messages[0].defaultAnswer, Answer::No);
  EXPECT_TRUE(engine_->CountReachedListing());
  EXPECT_NE(session().textWindow.text().find(u"alpha y"), Text::npos);

  dialogs_.messages.clear();
  asked = false;
  pump_.onYield = [&] {
    if (!asked && engine_->table().phraseCount() >= 5) {
      asked = true;
      engine_->mainWindow().OnCountClicked();
    }
  };
  dialogs_.answers = {Answer::Yes, Answer::Yes};
  engine_->mainWindow().OnCountClicked();
  ASSERT_EQ(dialogs_.messages.size(), 2u);
  EXPECT_EQ(dialogs_.messages[1].title, u"Counting interrupted");
  EXPECT_EQ(dialogs_.Ids(),
            (std::vector<MessageId>{MessageId::ReallyStop, MessageId::ListPhrasesFound}));
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
      engine_->mainWindow().OnCountClicked();
    }
  };
  dialogs_.answers = {Answer::Yes};
  engine_->mainWindow().OnCountClicked();
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].id, MessageId::ReallyStop);
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
  engine_->mainWindow().OnCountClicked();
  ASSERT_FALSE(dialogs_.messages.empty());
  EXPECT_EQ(dialogs_.messages.back().title, u"No files found");
  EXPECT_EQ(dialogs_.messages.back().id, MessageId::NoFilesFound);
  EXPECT_EQ(dialogs_.messages.back().text,
            u"No scanable files as specified were found in this folder or in its subfolders.");
}

TEST_F(EngineTest, ElapsedTimeTick) {
  session().run.elapsedTimeRunning = true;
  session().run.secondsElapsed = 1951;
  engine_->mainWindow().Timer2_Tick();
  EXPECT_EQ(session().window.Get(ControlId::lblTimeElapsed_1).caption, u"Time elapsed: 32m 32s");
  EXPECT_EQ(session().window.Get(ControlId::lblNumberOfWords).caption,
            u"Number of different phrases found so far: 0");
}

// Each way through a count reports its steps in order and ends the same way:
// the controls unlocked (once reading began) and the filter offered again.
TEST_F(EngineTest, CountStepsFromParametersToListing) {
  RecordingCountObserver observer(*engine_);
  UseFile(Write("in.txt", "one two three one two three\r\n"), 2, 3, 2);
  settings().filterWords = u" two ";
  engine_->Count(observer);
  EXPECT_EQ(observer.steps,
            (Steps{"Started", "RunStarted", "ReadingStarted", "FileReading", "FileRead",
                   "Processing", "ExcludingSubphrases", "FrequencyChainStarted", "Counted",
                   "Listed", "Ended", "Finished(filter)"}));
  EXPECT_TRUE(engine_->CountReachedListing());
  EXPECT_EQ(settings().filterWords, u"two");
  EXPECT_NE(session().textWindow.text().find(u"one two three"), Text::npos);

  RecordingCountObserver refused(*engine_);
  settings().filterWords.clear();
  settings().filePaths[1] = settings().filePaths[0];
  engine_->Count(refused);
  EXPECT_EQ(refused.steps, (Steps{"Started", "NotStarted", "Finished"}));
  EXPECT_FALSE(engine_->CountReachedListing());
}

TEST_F(EngineTest, CountStepsOfSourcesThatGiveNothing) {
  RecordingCountObserver clipboard(*engine_);
  settings().source = Source::Clipboard;
  engine_->Count(clipboard);
  EXPECT_EQ(clipboard.steps, (Steps{"Started", "RunStarted", "ReadingStarted", "ClipboardReading",
                                    "ClipboardEmpty", "Ended", "Finished"}));
  EXPECT_EQ(settings().source, Source::SingleFile);

  RecordingCountObserver emptyFile(*engine_);
  UseFile(Write("empty.txt", ""), 2, 3, 2);
  engine_->Count(emptyFile);
  ASSERT_EQ(emptyFile.steps.size(), 8u);
  EXPECT_EQ(emptyFile.steps[5], "FileRefused");
  EXPECT_EQ(emptyFile.refused,
            (FileReadOutcome{FileReadStatus::InputRefused, InputFileStatus::ZeroLength}));
  EXPECT_EQ(session().textWindow.text(), u"Input file is zero length!");

  RecordingCountObserver folder(*engine_);
  Write("folder/a.txt", "some words here\r\n");
  settings().source = Source::Folder;
  settings().inputFolder = FromUtf8((dir_ / "folder").string());
  settings().filePaths[1] = FromUtf8((dir_ / "out.txt").string());
  settings().pathPatterns[0] = u"*.html";
  engine_->mainWindow().OnPathPatternsLeft(0);
  engine_->Count(folder);
  EXPECT_EQ(folder.steps, (Steps{"Started", "RunStarted", "ReadingStarted", "NoFilesFound",
                                 "Ended(folder)", "Finished"}));
  EXPECT_FALSE(engine_->CountReachedListing());
}

// Only an input-name problem brings the input message: a run-time error is
// never taken for one, whatever its number (2 is ENOENT).
TEST_F(EngineTest, OnlyAnInputProblemOfARefusedFileBringsTheInputMessage) {
  CountWindow window(*engine_);
  settings().filePaths[0] = FromUtf8(Write("in.txt", "some words\r\n"));
  window.FileRefused({FileReadStatus::RunError, InputFileStatus::Ok, 2});
  window.FileRefused({FileReadStatus::NotText});
  EXPECT_TRUE(dialogs_.messages.empty());
  window.FileRefused({FileReadStatus::InputRefused, InputFileStatus::Missing});
  EXPECT_EQ(dialogs_.Ids(), std::vector<MessageId>{MessageId::InputFileMissing});
}

TEST_F(EngineTest, CountStepsAfterAStop) {
  RecordingCountObserver observer(*engine_);
  settings().source = Source::Clipboard;
  clipboard_.SetText(u"one two three four");
  pump_.onYield = [&] { session().run.stopRequested = true; };
  engine_->Count(observer);
  EXPECT_EQ(observer.steps, (Steps{"Started", "RunStarted", "ReadingStarted", "ClipboardReading",
                                   "Stopped", "Abandoned", "Ended", "Finished"}));
  EXPECT_EQ(session().textWindow.text(), u"Stopped");
  EXPECT_FALSE(session().run.stopRequested);
}

// What a click on the Count button does follows the run, not the caption: the
// Stop button while reading (with its second caption past 800 phrases), the
// idle button after a stop request until Timer1 shows the stop again.
TEST_F(EngineTest, CountButtonIsTheStopButtonWhileACountRuns) {
  Text words;  // 1,000 different words: as many different phrases of two
  for (int i = 0; i < 1000; ++i) {
    words +=
        {u'w', static_cast<char16_t>(u'a' + i / 100), static_cast<char16_t>(u'a' + i / 10 % 10),
         static_cast<char16_t>(u'a' + i % 10), u' '};
  }
  settings().source = Source::Clipboard;
  settings().phraseLengthIndexes = {0, 0};
  clipboard_.SetText(words);
  const Text stop = session().UIText(ui_text::kStopCounting);
  const Text stopMany = session().UIText(ui_text::kStopCountingManyPhrases);
  const auto caption = [&] { return session().window.Get(ControlId::cmdCountPhrases).caption; };

  std::vector<Text> captions;
  std::vector<bool> counting;
  const auto note = [&] {
    captions.push_back(caption());
    counting.push_back(session().run.counting());
  };
  bool done = false;
  pump_.onYield = [&] {
    if (done || engine_->table().phraseCount() <= 800) return;
    done = true;
    note();
    engine_->mainWindow().OnHelpClosed();  // keeps the first Stop caption only
    note();
    engine_->mainWindow().Timer1_Tick();
    note();
    engine_->mainWindow().OnCountClicked();  // "Really stop?" Yes
    note();
    engine_->mainWindow().Timer1_Tick();
    note();
  };
  dialogs_.answers = {Answer::Yes, Answer::No};
  engine_->mainWindow().OnCountClicked();

  EXPECT_EQ(captions, (std::vector<Text>{stop, stop, stopMany,
                                         session().UIText(ui_text::kCountPhrases), stop}));
  EXPECT_EQ(counting, (std::vector<bool>{true, true, true, false, true}));
  EXPECT_EQ(dialogs_.Titles(),
            (std::vector<Text>{session().UIText(ui_text::kCountPhrases), u"Counting interrupted"}));
  EXPECT_EQ(dialogs_.Ids(),
            (std::vector<MessageId>{MessageId::ReallyStop, MessageId::ListPhrasesFound}));
  EXPECT_EQ(caption(), session().UIText(ui_text::kCountPhrases));
  EXPECT_FALSE(session().run.counting());
}

// What velt-batch reads after the Count command: the report and whether every
// line of it was delivered.
TEST_F(EngineTest, CountCommandOutcome) {
  UseFile(Write("in.txt", "one two three one two three\r\n"), 2, 3, 2);
  EXPECT_FALSE(engine_->CountsTheClipboard());
  engine_->CountCommand();
  EXPECT_TRUE(engine_->EveryLineDelivered());
  EXPECT_NE(engine_->TextWindowText().find(u"one two three"), Text::npos);

  settings().filePaths[1] = FromUtf8((dir_ / "missing" / "out.txt").string());
  engine_->CountCommand();
  EXPECT_FALSE(engine_->EveryLineDelivered());

  settings().filePaths[1].clear();
  settings().source = Source::Clipboard;
  EXPECT_TRUE(engine_->CountsTheClipboard());
}

}  // namespace
}  // namespace velt::testing

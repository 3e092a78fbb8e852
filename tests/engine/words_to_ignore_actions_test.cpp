// The Settings window's words to ignore through its controller: the file
// button and the "Clear" button of the words-file list, the guards of a file
// picked from the list and the Load/Remove choice, the common-words language
// list and the extra-words box.
#include "settings_window_fixture.h"
#include "wordlists/common_words.h"
#include "wordlists/ignore_lookup.h"
#include "wordlists/words_file_list.h"

namespace velt::testing {
namespace {

using Words = std::vector<Text>;

class WordsToIgnoreActionsTest : public SettingsWindowTest {
 protected:
  // A words file of the scratch folder, chosen through the file button.
  Text AddThroughButton(const std::string& name, const std::string& content) {
    const Text path = FromUtf8(Write(name, content));
    dialogs_.openFileAnswers.push_back(path);
    window().OnSelectWordsFileClicked();
    return path;
  }
  void Choose(int language) {
    settings().commonWordsLanguage = language;
    window().OnCommonWordsLanguageChosen();
  }
  const std::vector<Text>& FileWords() { return session().wordLists.fileWordsToIgnore.entries(); }
  Text CommonWordsFile(int language) {
    return NormalizePath(CommonWordsPath(VELT_DATA_DIR, language));
  }
};

TEST_F(WordsToIgnoreActionsTest, FileButtonAsksForAFileAndLoadsIt) {
  const Text path = AddThroughButton("words.txt", "one two\r\n");
  ASSERT_EQ(dialogs_.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs_.fileDialogs[0].title, u"Specify a file containing words to ignore");
  EXPECT_EQ(dialogs_.fileDialogs[0].filters,
            (std::vector<std::pair<Text, Text>>{{u"Any text file (*.*)", u"*.*"}}));
  EXPECT_TRUE(dialogs_.fileDialogs[0].mustExist);
  EXPECT_EQ(List().entries, Words{path});
  EXPECT_EQ(FileWords(), (Words{u"one", u"two"}));
  EXPECT_EQ(Control(ControlId::cmdCountPhrases).caption, session().UIText(ui_text::kCountPhrases));
  EXPECT_TRUE(session().wordLists.wordsToIgnoreInForce);

  // Cancelled: the focus goes back to "Hide settings".
  dialogs_.openFileAnswers.push_back(std::nullopt);
  window().OnSelectWordsFileClicked();
  EXPECT_EQ(view.focusRequests.back(), ControlId::cmdClose);
  EXPECT_EQ(List().entries, Words{path});
}

TEST_F(WordsToIgnoreActionsTest, NoHundredthFile) {
  for (int i = 0; i < 99; ++i)
    List().entries.push_back(u"/f" + Decimal(i));
  window().OnSelectWordsFileClicked();
  EXPECT_TRUE(dialogs_.fileDialogs.empty());
  EXPECT_EQ(List().entries.size(), 99u);
  EXPECT_EQ(dialogs_.Texts(), Words{u"No more files may be added to this list."});
  EXPECT_EQ(dialogs_.Titles(), Words{u"Words-to-ignore files (99)"});
  EXPECT_EQ(dialogs_.Ids(), std::vector<MessageId>{MessageId::WordsFileListFull});
}

TEST_F(WordsToIgnoreActionsTest, ClearButtonAsksWhetherToRemoveAllFiles) {
  window().OnClearWordsFilesClicked();
  EXPECT_TRUE(dialogs_.messages.empty()) << "an empty list asks nothing";

  const Text path = AddThroughButton("w.txt", "one\r\n");
  dialogs_.answers = {Answer::Cancel};
  window().OnClearWordsFilesClicked();
  EXPECT_EQ(dialogs_.Texts(), Words{u"Do you wish to remove ALL files from this list?"});
  EXPECT_EQ(dialogs_.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(dialogs_.messages[0].id, MessageId::RemoveAllWordsFiles);
  EXPECT_EQ(FileWords(), Words{u"one"});

  dialogs_.answers = {Answer::No};
  window().OnClearWordsFilesClicked();
  EXPECT_EQ(List().entries, Words{path});
  EXPECT_FALSE(List().HasSelection());
  EXPECT_TRUE(FileWords().empty());

  dialogs_.answers = {Answer::Yes};
  window().OnClearWordsFilesClicked();
  EXPECT_TRUE(List().entries.empty());
}

// A file picked from the list is offered for loading or removal only when the
// user picked it.
TEST_F(WordsToIgnoreActionsTest, PickedFileIsOfferedOnlyOutsideProgramChanges) {
  List() = {{u"/a.txt", u"/b.txt"}, 1};
  EXPECT_TRUE(window().WordsFileChoiceWanted());
  WordListState& lists = session().wordLists;
  for (bool* guard :
       {&lists.addingWordsFile, &lists.resettingWordsFileSelection,
        &lists.clearingWordsFileSelection, &lists.settingAllCheckboxes, &session().run.restoring}) {
    *guard = true;
    EXPECT_FALSE(window().WordsFileChoiceWanted());
    *guard = false;
  }
  session().run.startUpCompleted = false;
  EXPECT_FALSE(window().WordsFileChoiceWanted());
  session().run.startUpCompleted = true;
  List().index = -1;
  EXPECT_FALSE(window().WordsFileChoiceWanted());
}

TEST_F(WordsToIgnoreActionsTest, LoadRemoveOrCancelForThePickedFile) {
  const Text first = AddThroughButton("first.txt", "one\r\n");
  const Text second = FromUtf8(Write("second.txt", "two\r\n"));
  List().entries.push_back(second);
  List().index = 1;
  window().OnWordsFileActionChosen(LoadRemoveChoice::Cancel);
  EXPECT_EQ(List().index, 0);

  List().index = 1;
  window().OnWordsFileActionChosen(LoadRemoveChoice::Load);
  EXPECT_EQ(FileWords(), Words{u"two"});

  window().OnWordsFileActionChosen(LoadRemoveChoice::Remove);
  EXPECT_EQ(List().entries, Words{first});
  EXPECT_TRUE(FileWords().empty());
}

TEST_F(WordsToIgnoreActionsTest, ChoosingALanguageExcludesItsWordsOnceLoaded) {
  dialogs_.answers = {Answer::Yes};
  Choose(5);
  EXPECT_EQ(dialogs_.Texts(), Words{u"Load common words file for French?"});
  EXPECT_EQ(dialogs_.Titles(), Words{u"Load common words file"});
  EXPECT_EQ(dialogs_.Ids(), std::vector<MessageId>{MessageId::LoadCommonWordsFile});
  EXPECT_EQ(List().entries, Words{CommonWordsFile(5)});
  EXPECT_TRUE(MatchesWordsFile(session().wordLists, settings(), u"les"));
  EXPECT_EQ(settings().ignoreMode, IgnoreMode::ExcludeAllIgnored);
  EXPECT_EQ(session().run.ignoreModeCode, static_cast<int>(IgnoreMode::ExcludeAllIgnored));
  EXPECT_EQ(view.focusRequests.back(), ControlId::frmParams_cmdSaveState);

  // The language of the file in force: nothing to ask or load.
  Choose(5);
  EXPECT_EQ(dialogs_.messages.size(), 1u);

  // No language: the file's words leave force and phrases of words to ignore
  // are let through.
  Choose(kNoLanguageIndex);
  EXPECT_FALSE(List().HasSelection());
  EXPECT_EQ(session().wordLists.fileWordCount(), 0);
  EXPECT_EQ(settings().ignoreMode, IgnoreMode::AllowAllIgnored);
}

TEST_F(WordsToIgnoreActionsTest, DecliningALanguageShowsTheLanguageOfTheFileAgain) {
  dialogs_.answers = {Answer::No};
  Choose(2);
  EXPECT_EQ(settings().commonWordsLanguage, kNoLanguageIndex);
  EXPECT_TRUE(List().entries.empty());

  // Before start-up has completed the list does nothing.
  session().run.startUpCompleted = false;
  Choose(2);
  EXPECT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(settings().commonWordsLanguage, 2);
}

TEST_F(WordsToIgnoreActionsTest, ExtraWordsBoxAndItsClearButton) {
  settings().extraWords = u" Ibid ";
  window().OnExtraWordsLeft();
  EXPECT_EQ(settings().extraWords, u"ibid");
  EXPECT_TRUE(MatchesExtraWords(session().wordLists, u"ibid"));

  window().OnClearExtraWordsClicked();
  EXPECT_TRUE(settings().extraWords.empty());
  EXPECT_FALSE(MatchesExtraWords(session().wordLists, u"ibid"));
  EXPECT_FALSE(session().wordLists.wordsToIgnoreInForce);
  EXPECT_EQ(view.focusRequests.back(), ControlId::cmdClose);
}

}  // namespace
}  // namespace velt::testing

#include "wordlists/words_file_list.h"

#include "wordlists/common_words.h"
#include "wordlists_fixture.h"

namespace velt {
namespace {

using Words = std::vector<Text>;

class WordsFileListTest : public testing::WordListsTest {
 protected:
  WordsFileList& List() { return session().settings.wordsFileList; }
  const Text& Loaded() { return session().wordLists.loadedWordsFile[0]; }

  // The file button, with the dialog answering path.
  void AddThroughButton(const Text& path) {
    dialogs.openFileAnswers.push_back(path);
    OnSelectWordsFileClicked(session(), files, 0);
  }
};

TEST_F(WordsFileListTest, AddingAFileLoadsAndSelectsIt) {
  const Text path = WriteFile("lists/cwds_fr.txt", "le la les\n");
  AddThroughButton(PathOf("lists/./x/../cwds_fr.txt"));
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs.fileDialogs[0].title, u"Specify a file containing words to ignore");
  EXPECT_EQ(dialogs.fileDialogs[0].filters,
            (std::vector<std::pair<Text, Text>>{{u"Any text file (*.*)", u"*.*"}}));
  EXPECT_TRUE(dialogs.fileDialogs[0].mustExist);

  EXPECT_EQ(List().entries, Words{path}) << "kept normalised";
  EXPECT_EQ(List().index, 0);
  EXPECT_EQ(Loaded(), path);
  EXPECT_EQ(FileWords(), (Words{u"la", u"le", u"les"}));
  EXPECT_EQ(session().settings.commonWordsLanguage, 5) << "a French file from any folder";
  EXPECT_TRUE(session().wordLists.wordsToIgnoreInForce);
}

TEST_F(WordsFileListTest, NoHundredthFile) {
  for (int i = 0; i < 99; ++i)
    List().entries.push_back(PathOf("f" + std::to_string(i)));
  OnSelectWordsFileClicked(session(), files, 0);
  EXPECT_TRUE(dialogs.fileDialogs.empty());
  EXPECT_EQ(List().entries.size(), 99u);
  EXPECT_EQ(dialogs.Texts(), Words{u"No more files may be added to this list."});
  EXPECT_EQ(dialogs.Titles(), Words{u"Words-to-ignore files (99)"});
}

TEST_F(WordsFileListTest, DuplicatesAreTheSameFileNotTheSameLetters) {
  const Text path = WriteFile("a/words.txt", "one\r\n");
  AddThroughButton(path);
  WriteFile("a/words.txt", "changed\r\n");
  AddThroughButton(PathOf("a/../a/words.txt"));
  EXPECT_EQ(dialogs.Titles(), Words{u"Already present"});
  EXPECT_EQ(dialogs.Texts(),
            Words{path + u"\r\nis already in this list. If the file has changed\r\nselect it from "
                         u"the drop-down list and reload it."});
  EXPECT_EQ(FileWords(), Words{u"one"}) << "nothing is loaded";

  // Paths are case-sensitive: another case is another file.
  const Text upper = WriteFile("a/WORDS.txt", "two\r\n");
  AddThroughButton(upper);
  EXPECT_EQ(List().entries, (Words{path, upper}));
  EXPECT_EQ(FileWords(), Words{u"two"});
}

TEST_F(WordsFileListTest, FailuresToLoad) {
  AddThroughButton(WriteFile("empty.txt", ""));
  EXPECT_TRUE(List().entries.empty()) << "a file that cannot be read leaves the list again";
  EXPECT_TRUE(Loaded().empty());

  dialogs.messages.clear();
  Select(PathOf("gone.txt"));
  EXPECT_FALSE(AttemptToReadWords(session(), files, 0));
  EXPECT_EQ(dialogs.Texts(), Words{u"File for words-to-ignore not found."});
  EXPECT_EQ(dialogs.Titles(), Words{u"File not found"});

  // During start-up the English common-words file takes its place, once.
  session().run.startUpCompleted = false;
  EXPECT_FALSE(AttemptToReadWords(session(), files, 0));
  EXPECT_EQ(List().entries, (Words{PathOf("gone.txt"), CommonWordsPath(session(), 0)}));
  EXPECT_EQ(List().index, 1);
  EXPECT_FALSE(AttemptToReadWords(session(), files, 0));
  EXPECT_EQ(List().entries.size(), 2u);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(WordsFileListTest, ClearingTheList) {
  const Text path = WriteFile("w.txt", "one\r\n");
  AddThroughButton(path);
  dialogs.answers = {Answer::Cancel};
  OnClearWordsFilesClicked(session(), 0);
  EXPECT_EQ(dialogs.Texts(), Words{u"Do you wish to remove ALL files from this list?"});
  EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(FileWords(), Words{u"one"});

  dialogs.answers = {Answer::No};
  OnClearWordsFilesClicked(session(), 0);
  EXPECT_EQ(List().entries, Words{path});
  EXPECT_FALSE(List().HasSelection());
  EXPECT_TRUE(FileWords().empty());
  EXPECT_EQ(session().settings.commonWordsLanguage, kNoLanguageIndex);
  EXPECT_FALSE(session().wordLists.wordsToIgnoreInForce);

  dialogs.answers = {Answer::Yes};
  OnClearWordsFilesClicked(session(), 0);
  EXPECT_TRUE(List().entries.empty());
}

TEST_F(WordsFileListTest, LoadRemoveAndCancel) {
  const Text first = WriteFile("first.txt", "one\r\n");
  const Text second = WriteFile("cwds_de.txt", "der die das\n");
  AddThroughButton(first);
  List().entries.push_back(second);
  List().index = 1;
  EXPECT_TRUE(WordsFileClickWanted(session(), 0));
  LoadRemoveChosen(session(), files, 0, LoadRemoveChoice::Cancel);
  EXPECT_EQ(List().index, 0) << "back to the file whose words are loaded";

  List().index = 1;
  LoadRemoveChosen(session(), files, 0, LoadRemoveChoice::Load);
  EXPECT_EQ(FileWords(), (Words{u"das", u"der", u"die"}));
  EXPECT_EQ(Loaded(), second);
  EXPECT_EQ(session().settings.commonWordsLanguage, 1);

  LoadRemoveChosen(session(), files, 0, LoadRemoveChoice::Remove);
  EXPECT_EQ(List().entries, Words{first});
  EXPECT_TRUE(FileWords().empty());
  EXPECT_TRUE(Loaded().empty());
  EXPECT_EQ(session().settings.commonWordsLanguage, kNoLanguageIndex);
  EXPECT_FALSE(session().wordLists.wordsToIgnoreInForce);

  WriteFile("first.txt", "");  // now fails the text check
  List().index = 0;
  LoadRemoveChosen(session(), files, 0, LoadRemoveChoice::Load);
  EXPECT_FALSE(List().HasSelection());
  EXPECT_EQ(List().entries, Words{first});
}

}  // namespace
}  // namespace velt

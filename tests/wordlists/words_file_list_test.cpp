#include "wordlists/words_file_list.h"

#include "wordlists/common_words.h"
#include "wordlists_fixture.h"

namespace velt {
namespace {

using Words = std::vector<Text>;

class WordsFileListTest : public testing::WordListsTest {
 protected:
  WordsFileList& List() { return settings.wordsFileList; }
  const Text& Loaded() { return lists.loadedWordsFile[0]; }

  // What the file button does with the path the user chose.
  void Add(const Text& path) { AddAndLoadWordsFile(context, path); }
};

TEST_F(WordsFileListTest, AddingAFileLoadsAndSelectsIt) {
  const Text path = WriteFile("lists/cwds_fr.txt", "le la les\n");
  Add(PathOf("lists/./x/../cwds_fr.txt"));
  EXPECT_EQ(List().entries, Words{path}) << "kept normalised";
  EXPECT_EQ(List().index, 0);
  EXPECT_EQ(Loaded(), path);
  EXPECT_EQ(FileWords(), (Words{u"la", u"le", u"les"}));
  EXPECT_EQ(settings.commonWordsLanguage, 5) << "a French file from any folder";
  EXPECT_TRUE(lists.wordsToIgnoreInForce);
}

TEST_F(WordsFileListTest, DuplicatesAreTheSameFileNotTheSameLetters) {
  const Text path = WriteFile("a/words.txt", "one\r\n");
  Add(path);
  WriteFile("a/words.txt", "changed\r\n");
  Add(PathOf("a/../a/words.txt"));
  EXPECT_EQ(dialogs.Titles(), Words{u"Already present"});
  EXPECT_EQ(dialogs.Ids(), std::vector<MessageId>{MessageId::WordsFileAlreadyListed});
  EXPECT_EQ(dialogs.Texts(),
            Words{path + u"\r\nis already in this list. If the file has changed\r\nselect it from "
                         u"the drop-down list and reload it."});
  EXPECT_EQ(FileWords(), Words{u"one"}) << "nothing is loaded";

  // Paths are case-sensitive: another case is another file.
  const Text upper = WriteFile("a/WORDS.txt", "two\r\n");
  Add(upper);
  EXPECT_EQ(List().entries, (Words{path, upper}));
  EXPECT_EQ(FileWords(), Words{u"two"});
}

TEST_F(WordsFileListTest, FailuresToLoad) {
  Add(WriteFile("empty.txt", ""));
  EXPECT_TRUE(List().entries.empty()) << "a file that cannot be read leaves the list again";
  EXPECT_TRUE(Loaded().empty());

  dialogs.messages.clear();
  Select(PathOf("gone.txt"));
  EXPECT_FALSE(AttemptToReadWords(context, 0));
  EXPECT_EQ(dialogs.Texts(), Words{u"File for words-to-ignore not found."});
  EXPECT_EQ(dialogs.Titles(), Words{u"File not found"});
  EXPECT_EQ(dialogs.Ids(), std::vector<MessageId>{MessageId::WordsFileMissing});

  // During start-up the English common-words file takes its place, once.
  run.startUpCompleted = false;
  EXPECT_FALSE(AttemptToReadWords(context, 0));
  EXPECT_EQ(List().entries, (Words{PathOf("gone.txt"), CommonWordsPath(shell.dataDir, 0)}));
  EXPECT_EQ(List().index, 1);
  EXPECT_FALSE(AttemptToReadWords(context, 0));
  EXPECT_EQ(List().entries.size(), 2u);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(WordsFileListTest, ClearingTheList) {
  const Text path = WriteFile("w.txt", "one\r\n");
  Add(path);
  ClearWordsFileSelection(context, false);
  EXPECT_EQ(List().entries, Words{path});
  EXPECT_FALSE(List().HasSelection());
  EXPECT_TRUE(FileWords().empty());
  EXPECT_EQ(settings.commonWordsLanguage, kNoLanguageIndex);
  EXPECT_FALSE(lists.wordsToIgnoreInForce);

  ClearWordsFileSelection(context, true);
  EXPECT_TRUE(List().entries.empty());
}

TEST_F(WordsFileListTest, LoadRemoveAndCancel) {
  const Text first = WriteFile("first.txt", "one\r\n");
  const Text second = WriteFile("cwds_de.txt", "der die das\n");
  Add(first);
  List().entries.push_back(second);
  List().index = 1;
  ReselectLoadedWordsFile(context);
  EXPECT_EQ(List().index, 0) << "back to the file whose words are loaded";

  List().index = 1;
  ReloadSelectedWordsFile(context);
  EXPECT_EQ(FileWords(), (Words{u"das", u"der", u"die"}));
  EXPECT_EQ(Loaded(), second);
  EXPECT_EQ(settings.commonWordsLanguage, 1);

  RemoveSelectedWordsFile(context);
  EXPECT_EQ(List().entries, Words{first});
  EXPECT_TRUE(FileWords().empty());
  EXPECT_TRUE(Loaded().empty());
  EXPECT_EQ(settings.commonWordsLanguage, kNoLanguageIndex);
  EXPECT_FALSE(lists.wordsToIgnoreInForce);

  WriteFile("first.txt", "");  // now fails the text check
  List().index = 0;
  ReloadSelectedWordsFile(context);
  EXPECT_FALSE(List().HasSelection());
  EXPECT_EQ(List().entries, Words{first});
}

}  // namespace
}  // namespace velt

#include "wordlists/common_words.h"

#include <filesystem>

#include "wordlists/extra_words.h"
#include "wordlists/ignore_lookup.h"
#include "wordlists/words_file_list.h"
#include "wordlists/words_file_reader.h"
#include "wordlists_fixture.h"

namespace velt {
namespace {

using Words = std::vector<Text>;

TEST(LanguageIndexOfFileTest, ByFileNameInAnyFolderAndCase) {
  EXPECT_EQ(LanguageIndexOfFile(u"/home/u/lists/cwds_fr.txt"), 5);
  EXPECT_EQ(LanguageIndexOfFile(u"/X/CWDS_EN_DE_ES_PT_IT_FR.TXT"), 6);
  EXPECT_EQ(LanguageIndexOfFile(u"/x/cwds_en.txt.bak"), kNoLanguageIndex);
  EXPECT_EQ(LanguageIndexOfFile(u"cwds_en.txt"), kNoLanguageIndex) << "no folder part";
  EXPECT_EQ(LanguageIndexOfFile(u""), kNoLanguageIndex);
}

class CommonWordsTest : public testing::WordListsTest {
 protected:
  // Puts the shipped file of a language into the data folder.
  void Ship(int language) {
    const std::string name = ToUtf8(kCommonWordsLanguages[static_cast<size_t>(language)].fileName);
    std::filesystem::copy_file(std::string(VELT_DATA_DIR) + "/" + name, shell.dataDir + "/" + name,
                               std::filesystem::copy_options::overwrite_existing);
  }
  // The language as the user chose it in the list, then its file loaded.
  bool Load(int language) {
    settings.commonWordsLanguage = language;
    return LoadCommonWordsFile(context, language);
  }
  WordsFileList& List() { return settings.wordsFileList; }
};

TEST_F(CommonWordsTest, LoadingALanguageLoadsItsFile) {
  Ship(5);
  EXPECT_TRUE(Load(5));
  EXPECT_EQ(List().entries, Words{CommonWordsPath(shell.dataDir, 5)});
  EXPECT_TRUE(MatchesWordsFile(lists, settings, u"les"));
  EXPECT_EQ(settings.commonWordsLanguage, 5);
  EXPECT_EQ(SelectedFileLanguage(settings), 5);
  EXPECT_TRUE(lists.wordsToIgnoreInForce);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CommonWordsTest, MissingFile) {
  EXPECT_FALSE(Load(3));
  EXPECT_EQ(dialogs.Texts(), Words{CommonWordsPath(shell.dataDir, 3) + u" not found."});
  EXPECT_EQ(dialogs.messages.back().title, u"Error");
  EXPECT_EQ(dialogs.Ids(), std::vector<MessageId>{MessageId::CommonWordsFileMissing});
  EXPECT_EQ(settings.commonWordsLanguage, 3) << "the list keeps the choice";
  EXPECT_TRUE(List().entries.empty());
}

TEST_F(CommonWordsTest, AlreadyListedFileIsNotLoadedAgain) {
  Ship(1);
  const Text other = WriteFile("mine.txt", "alpha beta\n");
  Select(CommonWordsPath(shell.dataDir, 1));
  Select(other);
  EXPECT_TRUE(Load(1));
  EXPECT_EQ(dialogs.messages.back().title, u"Already present");
  EXPECT_EQ(dialogs.messages.back().id, MessageId::WordsFileAlreadyListed);
  EXPECT_EQ(List().entries.size(), 2u);
  EXPECT_EQ(settings.commonWordsLanguage, kNoLanguageIndex);
}

TEST_F(CommonWordsTest, NoLanguageDropsFileWordsButKeepsExtraWords) {
  Ship(0);
  Load(0);
  settings.extraWords = u"ibid";
  GetExtraWords(context, 0);
  DeselectWordsFile(context);
  EXPECT_FALSE(List().HasSelection());
  EXPECT_EQ(lists.fileWordCount(), 0);
  EXPECT_TRUE(lists.loadedWordsFile[0].empty());
  EXPECT_TRUE(MatchesExtraWords(lists, u"ibid"));
  EXPECT_TRUE(lists.wordsToIgnoreInForce);
}

TEST_F(CommonWordsTest, StartUpQuestion) {
  Ship(0);
  run.startUpCompleted = false;
  dialogs.answers = {Answer::Yes};
  AskToUseCommonWords(context);
  EXPECT_EQ(dialogs.messages[0].id, MessageId::UseCommonWords);
  EXPECT_EQ(dialogs.messages[0].title, shell.UIText(ui_text::kCommonWordsTitle));
  EXPECT_EQ(dialogs.messages[0].text, shell.UIText(ui_text::kUseCommonWordsQuestion));
  EXPECT_EQ(List().entries, Words{CommonWordsPath(shell.dataDir, 0)});
  EXPECT_TRUE(MatchesWordsFile(lists, settings, u"the"));
  EXPECT_EQ(settings.commonWordsLanguage, 0);
  EXPECT_EQ(hooks.countButtonResets, 2) << "idle again after the reading and after the question";
  EXPECT_TRUE(lists.wordsToIgnoreInForce);

  AskToUseCommonWords(context);
  EXPECT_EQ(dialogs.messages.size(), 1u) << "with a file listed there is no question";

  List().entries.clear();
  lists.fileWordsToIgnore.Clear();
  dialogs.answers = {Answer::No};
  AskToUseCommonWords(context);
  EXPECT_EQ(settings.commonWordsLanguage, kNoLanguageIndex);
  EXPECT_FALSE(lists.wordsToIgnoreInForce);
}

TEST_F(CommonWordsTest, ShippedFilesReadCleanly) {
  const TextView samples[] = {u"the", u"und", u"el", u"não", u"il", u"les", u"über"};
  for (int language = 0; language < kNoLanguageIndex; ++language) {
    Ship(language);
    settings.wordsFileList = {{CommonWordsPath(shell.dataDir, language)}, 0};
    ASSERT_TRUE(ReadWords(context, 0)) << language;
    EXPECT_GT(FileWords().size(), 500u);
    EXPECT_TRUE(MatchesWordsFile(lists, settings, samples[static_cast<size_t>(language)]))
        << language;
    for (const Text& word : FileWords()) {
      ASSERT_FALSE(word.find_first_of(u"/<>~?") != Text::npos) << ToUtf8(word);
    }
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace velt

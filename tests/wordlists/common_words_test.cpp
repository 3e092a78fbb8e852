#include "wordlists/common_words.h"

#include <filesystem>

#include "wordlists/extra_words.h"
#include "wordlists/ignore_lookup.h"
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
  // Puts the shipped file of a language into the session's data folder.
  void Ship(int language) {
    const std::string name = ToUtf8(kCommonWordsLanguages[static_cast<size_t>(language)].fileName);
    std::filesystem::copy_file(std::string(VELT_DATA_DIR) + "/" + name,
                               session().dataDir + "/" + name,
                               std::filesystem::copy_options::overwrite_existing);
  }
  void Choose(int language) {
    session().settings.commonWordsLanguage = language;
    OnCommonWordsLanguageChosen(session(), files);
  }
  WordsFileList& List() { return session().settings.wordsFileList; }
};

TEST_F(CommonWordsTest, ChoosingALanguageLoadsItsFile) {
  Ship(5);
  dialogs.answers = {Answer::Yes};
  Choose(5);
  EXPECT_EQ(dialogs.Texts(), Words{u"Load common words file for French?"});
  EXPECT_EQ(dialogs.Titles(), Words{u"Load common words file"});
  EXPECT_EQ(List().entries, Words{CommonWordsPath(session(), 5)});
  EXPECT_TRUE(MatchesWordsFile(session().wordLists, session().settings, u"les"));
  EXPECT_EQ(session().settings.commonWordsLanguage, 5);
  EXPECT_EQ(session().settings.ignoreMode, IgnoreMode::ExcludeAllIgnored);
  EXPECT_TRUE(session().wordLists.wordsToIgnoreInForce);
  EXPECT_EQ(view.focusRequests.back(), ControlId::frmParams_cmdSaveState);

  // The language of the file in force: nothing to ask or load.
  Choose(5);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(CommonWordsTest, DecliningOrMissingFiles) {
  dialogs.answers = {Answer::No};
  Choose(2);
  EXPECT_EQ(session().settings.commonWordsLanguage, kNoLanguageIndex) << "back to the file's";
  EXPECT_TRUE(List().entries.empty());

  dialogs.answers = {Answer::Yes};
  Choose(3);
  EXPECT_EQ(dialogs.messages.back().text, CommonWordsPath(session(), 3) + u" not found.");
  EXPECT_EQ(dialogs.messages.back().title, u"Error");
  EXPECT_EQ(session().settings.commonWordsLanguage, 3) << "the list keeps the choice";
  EXPECT_TRUE(List().entries.empty());
}

TEST_F(CommonWordsTest, AlreadyListedFileIsNotLoadedAgain) {
  Ship(1);
  const Text other = WriteFile("mine.txt", "alpha beta\n");
  Select(CommonWordsPath(session(), 1));
  Select(other);
  dialogs.answers = {Answer::Yes};
  Choose(1);
  EXPECT_EQ(dialogs.messages.back().title, u"Already present");
  EXPECT_EQ(List().entries.size(), 2u);
  EXPECT_EQ(session().settings.commonWordsLanguage, kNoLanguageIndex);
}

TEST_F(CommonWordsTest, NoLanguageDropsFileWordsButKeepsExtraWords) {
  Ship(0);
  dialogs.answers = {Answer::Yes};
  Choose(0);
  session().settings.extraWords = u"ibid";
  GetExtraWords(session(), 0);
  Choose(kNoLanguageIndex);
  EXPECT_FALSE(List().HasSelection());
  EXPECT_EQ(session().wordLists.fileWordCount(), 0);
  EXPECT_TRUE(MatchesExtraWords(session().wordLists, u"ibid"));
  EXPECT_TRUE(session().wordLists.wordsToIgnoreInForce);
  EXPECT_EQ(session().settings.ignoreMode, IgnoreMode::AllowAllIgnored);
}

TEST_F(CommonWordsTest, StartUpQuestion) {
  Ship(0);
  session().run.startUpCompleted = false;
  dialogs.answers = {Answer::Yes};
  AskToUseCommonWords(session(), files);
  EXPECT_EQ(dialogs.messages[0].title, session().UIText(42));
  EXPECT_EQ(dialogs.messages[0].text, session().UIText(41));
  EXPECT_EQ(List().entries, Words{CommonWordsPath(session(), 0)});
  EXPECT_TRUE(MatchesWordsFile(session().wordLists, session().settings, u"the"));
  EXPECT_EQ(session().settings.commonWordsLanguage, 0);
  EXPECT_EQ(session().window.Get(ControlId::cmdCountPhrases).caption, session().UIText(21));
  EXPECT_TRUE(session().wordLists.wordsToIgnoreInForce);

  AskToUseCommonWords(session(), files);
  EXPECT_EQ(dialogs.messages.size(), 1u) << "with a file listed there is no question";

  List().entries.clear();
  session().wordLists.fileWordsToIgnore.Clear();
  dialogs.answers = {Answer::No};
  AskToUseCommonWords(session(), files);
  EXPECT_EQ(session().settings.commonWordsLanguage, kNoLanguageIndex);
  EXPECT_FALSE(session().wordLists.wordsToIgnoreInForce);
}

TEST_F(CommonWordsTest, ShippedFilesReadCleanly) {
  const TextView samples[] = {u"the", u"und", u"el", u"não", u"il", u"les", u"über"};
  for (int language = 0; language < kNoLanguageIndex; ++language) {
    Ship(language);
    session().settings.wordsFileList = {{CommonWordsPath(session(), language)}, 0};
    ASSERT_TRUE(ReadWords(session(), files, 0)) << language;
    EXPECT_GT(FileWords().size(), 500u);
    EXPECT_TRUE(MatchesWordsFile(session().wordLists, session().settings,
                                 samples[static_cast<size_t>(language)]))
        << language;
    for (const Text& word : FileWords()) {
      ASSERT_FALSE(word.find_first_of(u"/<>~?") != Text::npos) << ToUtf8(word);
    }
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace velt

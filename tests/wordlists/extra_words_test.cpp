#include "wordlists/extra_words.h"

#include "wordlists/ignore_lookup.h"
#include "wordlists/ignore_notice.h"
#include "wordlists_fixture.h"

namespace velt {
namespace {

class ExtraWordsTest : public testing::WordListsTest {
 protected:
  // Commits text as the box's new content and returns the message texts shown.
  std::vector<Text> Commit(TextView text) {
    dialogs.messages.clear();
    settings.extraWords = Text(text);
    GetExtraWords(context, 0);
    return dialogs.Texts();
  }
  const std::vector<Text>& Entries() { return lists.extraWordsToIgnore.entries(); }
  bool Ignored(TextView word) { return MatchesExtraWords(lists, word); }
};

TEST_F(ExtraWordsTest, CommasAndSpacesSeparateSortedEntries) {
  EXPECT_TRUE(Commit(u"  viz,  ibid, vide ").empty());
  EXPECT_EQ(settings.extraWords, u"ibid vide viz");
  EXPECT_EQ(Entries(), (std::vector<Text>{u"ibid", u"vide", u"viz"}));
  EXPECT_TRUE(Ignored(u"vide"));
  EXPECT_FALSE(Ignored(u"video"));
}

TEST_F(ExtraWordsTest, CaseOfTheBoxAndOfExpressions) {
  Commit(u"Ibid <\\D{3}> ibid");
  EXPECT_EQ(settings.extraWords, u"<\\D{3}> ibid ibid");
  EXPECT_EQ(Entries().size(), 3u) << "duplicates are kept";
  EXPECT_TRUE(Ignored(u"abc"));
  EXPECT_FALSE(Ignored(u"123"));

  // The entries are lower-cased whatever the case setting, and the box shows them.
  settings.caseSignificant = true;
  Commit(u"Ibid");
  EXPECT_EQ(settings.extraWords, u"ibid");
  EXPECT_TRUE(Ignored(u"ibid"));
}

TEST_F(ExtraWordsTest, CommittingTheBoxAgainChangesNothing) {
  // A bracket that a space splits must not be taken as one stretch when the
  // pieces are lower-cased, or the box changes at every commit.
  for (const TextView typed : {u"<Q 1>", u"Zed <Ab Cd> x<Y z>W", u"b> <A", u"<\\D{3}> Ibid"}) {
    Commit(typed);
    const Text once = settings.extraWords;
    const std::vector<Text> entries = Entries();
    Commit(once);
    EXPECT_EQ(settings.extraWords, once) << ToUtf8(typed);
    EXPECT_EQ(Entries(), entries) << ToUtf8(typed);
  }
  Commit(u"<Q 1>");
  EXPECT_EQ(settings.extraWords, u"1> <q");
}

TEST_F(ExtraWordsTest, EntriesAreAlwaysPatterns) {
  Commit(u"wh~ ? un~ly");
  for (const TextView word : {u"what", u"wh", u"x", u"unlikely"})
    EXPECT_TRUE(Ignored(word));
  for (const TextView word : {u"awhile", u"xy", u"unlikelier"})
    EXPECT_FALSE(Ignored(word));
}

TEST_F(ExtraWordsTest, EmptyBoxDropsTheWordsAndTheNotice) {
  Commit(u"ibid");
  EXPECT_TRUE(lists.wordsToIgnoreInForce);
  Commit(u"   ");
  EXPECT_EQ(lists.extraWordCount(), 0);
  EXPECT_FALSE(lists.wordsToIgnoreInForce);
  EXPECT_FALSE(Ignored(u"ibid"));
  // A piece made only of characters that may not end a word is no entry.
  Commit(u"- ibid ,");
  EXPECT_EQ(Entries(), std::vector<Text>{u"ibid"});
  EXPECT_EQ(settings.extraWords, u"ibid");
}

TEST_F(ExtraWordsTest, NoticeAndIgnoreModeOptions) {
  const ControlId options[] = {
      ControlId::optAllowPhrasesAllWordsToIgnore, ControlId::optExcludePhrasesAllWordsToIgnore,
      ControlId::optRemoveWordsToIgnore, ControlId::optExcludePhrasesWithWordToIgnore};
  Commit(u"ibid");
  EXPECT_EQ(shell.window.Get(ControlId::lblWordsToIgnoreNotice).caption,
            u"This operation uses the words-to-ignore specifications in the 'Settings' window.");
  for (const ControlId id : options)
    EXPECT_TRUE(shell.window.Get(id).enabled);
  Commit(u"");
  for (const ControlId id : options)
    EXPECT_FALSE(shell.window.Get(id).enabled);
  // File words count as well.
  lists.fileWordsToIgnore.Assign({u"the"});
  SetWordsToIgnoreNotice(lists, shell.window);
  EXPECT_TRUE(lists.wordsToIgnoreInForce);
  for (const ControlId id : options)
    EXPECT_TRUE(shell.window.Get(id).enabled);
}

const Text kNotSet =
    u"' occurs in some extra word-to-ignore\r\nbut is not currently set as a "
    u"character allowed in a word.";
const Text kNeverAllowed =
    u"' occurs in some extra word-to-ignore\r\nbut is not a character allowed in a word.";

TEST_F(ExtraWordsTest, CharacterChecks) {
  for (bool* box : settings.SettingsCheckboxes())
    *box = false;
  // Letters, spaces, wildcards and bracketed stretches always pass.
  EXPECT_TRUE(Commit(u"Ærø ~ing w?y <[0-9]+;\\d^>").empty());

  EXPECT_EQ(Commit(u"e-mail"), std::vector<Text>{u"The character '-" + kNotSet});
  EXPECT_EQ(dialogs.messages[0].title, u"Character not allowed");
  EXPECT_EQ(dialogs.messages[0].id, MessageId::CharacterNotAllowed);
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(Commit(u"abc1"), std::vector<Text>{u"The character '1" + kNotSet});
  EXPECT_EQ(Commit(u"ibid,vide"),
            std::vector<Text>{u"The character '," + kNotSet +
                              u"\r\n\r\nWords-to-ignore must be separated by a space, not by a "
                              u"comma."});
  EXPECT_EQ(Commit(u"^abc"),
            std::vector<Text>{u"The character '^" + kNeverAllowed +
                              u"\r\n\r\nPerhaps some Word-to-ignore is a regular expression\r\n"
                              u"without angle brackets."});
  for (const TextView text : {u"a;b", u"a*b", u"a\"b", u"a+b"}) {
    EXPECT_EQ(Commit(text),
              std::vector<Text>{u"The character '" + Text(1, text[1]) + kNeverAllowed});
  }
  // Only the first offending character is reported.
  EXPECT_EQ(Commit(u"a*b;c").size(), 1u);

  // Admitted by the word rules, the same characters pass.
  settings.allowHyphens = true;
  settings.allowNumeralsInWords = true;
  settings.allowCommas = true;
  EXPECT_TRUE(Commit(u"e-mail abc1 ibid,vide").empty());
}

TEST_F(ExtraWordsTest, WordsFileLookupWithAndWithoutPatterns) {
  lists.fileWordsToIgnore.Assign({u"the", u"wh~"});
  settings.patternMatching = false;
  EXPECT_TRUE(MatchesWordsFile(lists, settings, u"the"));
  for (const TextView word : {u"what", u"which", u"wh", u"th"}) {
    EXPECT_FALSE(MatchesWordsFile(lists, settings, word)) << ToUtf8(word);
  }
  settings.patternMatching = true;
  for (const TextView word : {u"what", u"which", u"wh", u"the"}) {
    EXPECT_TRUE(MatchesWordsFile(lists, settings, word)) << ToUtf8(word);
  }
  EXPECT_FALSE(MatchesWordsFile(lists, settings, u"awhile"));

  // Phrase assembly asks through its interface.
  const WordListLookups lookups(lists, settings);
  EXPECT_EQ(lookups.NumFileWords(), 2);
  EXPECT_EQ(lookups.NumExtraWords(), 0);
  EXPECT_TRUE(lookups.MatchesWordsFile(u"which"));
  EXPECT_FALSE(lookups.MatchesExtraWords(u"which"));
}

}  // namespace
}  // namespace velt

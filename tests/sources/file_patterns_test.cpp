#include "sources/file_patterns.h"

#include "sources/source_test_support.h"

namespace velt {
namespace {

TEST(MatchWildcard, WalksFromTheLeftWithoutBacktracking) {
  EXPECT_TRUE(MatchWildcard(u"about", u"a*", true));
  EXPECT_TRUE(MatchWildcard(u"abc", u"a?c", true));
  EXPECT_FALSE(MatchWildcard(u"ac", u"a?c", true));
  EXPECT_TRUE(MatchWildcard(u"axb", u"a*b", true));
  EXPECT_FALSE(MatchWildcard(u"axbyb", u"a*b", true));  // the first b is taken
  EXPECT_TRUE(MatchWildcard(u"", u"**", true));
  EXPECT_FALSE(MatchWildcard(u"", u"*a", true));
  EXPECT_TRUE(MatchWildcard(u"anything", u"", true));
  EXPECT_FALSE(MatchWildcard(u"ABC", u"abc", true));
  EXPECT_TRUE(MatchWildcard(u"ABC", u"a*c", false));
  // After a "*" the walk jumps to the next literal ("m") and only then
  // matches the "?": "*?ml" cannot match "xhtml".
  EXPECT_FALSE(MatchWildcard(u"xhtml", u"*?ml", true));
  EXPECT_TRUE(MatchWildcard(u"xhtmml", u"*?ml", true));
}

TEST(MatchFilePattern, BaseAndExtensionAreMatchedSeparately) {
  EXPECT_TRUE(MatchFilePattern(u"readme", u"*", false));
  EXPECT_FALSE(MatchFilePattern(u"a.txt", u"*", false));
  EXPECT_TRUE(MatchFilePattern(u"a.txt", u"*.*", false));
  EXPECT_TRUE(MatchFilePattern(u"readme", u"*.*", false));
  EXPECT_FALSE(MatchFilePattern(u"readme", u"*.txt", false));
  EXPECT_TRUE(MatchFilePattern(u"about.html", u"a*.htm*", false));
  EXPECT_TRUE(MatchFilePattern(u"a.htm", u"a*.htm*", false));
  EXPECT_FALSE(MatchFilePattern(u"b.htm", u"a*.htm*", false));
  EXPECT_TRUE(MatchFilePattern(u"notes.txt", u"*.TXT", false));
  EXPECT_TRUE(MatchFilePattern(u"archive.tar.gz", u"*.gz", false));
  EXPECT_TRUE(MatchFilePattern(u"x.txt", u"  ", false));
  EXPECT_FALSE(MatchFilePattern(u"what?.txt", u"*.*", false));
  EXPECT_FALSE(MatchFilePattern(u"c:d.txt", u"*.*", false));
}

TEST(FileMatchesPatterns, SkippedExtensionsExclusionsAndPatterns) {
  SourceState state;
  SetSkippedExtensions(state);
  EXPECT_EQ(state.skippedExtensions.size(), 26u);
  EXPECT_FALSE(FileMatchesPatterns(state, u"/d/letter.DOC"));
  EXPECT_TRUE(FileMatchesPatterns(state, u"/d/letter.docx"));
  EXPECT_FALSE(FileMatchesPatterns(state, u"/d/site.js"));
  EXPECT_TRUE(FileMatchesPatterns(state, u"/d/README"));

  state.exclusionTexts = {u"bak"};
  EXPECT_FALSE(FileMatchesPatterns(state, u"/d/notes.BAK.txt"));
  EXPECT_TRUE(FileMatchesPatterns(state, u"/bak/notes.txt"));  // folders are ScanFolder's

  state.filePatterns = {u"*"};
  EXPECT_TRUE(FileMatchesPatterns(state, u"/d/README"));
  EXPECT_FALSE(FileMatchesPatterns(state, u"/d/a.txt"));
  state.filePatterns = {u"*.htm*", u"*.txt"};
  EXPECT_TRUE(FileMatchesPatterns(state, u"/d/A.TXT"));
  EXPECT_FALSE(FileMatchesPatterns(state, u"/d/index.shtml"));
  EXPECT_TRUE(FileMatchesPatterns(state, u"/d/index.html"));
}

class PatternBoxTest : public testing::SourceTest {};

TEST_F(PatternBoxTest, ItemsAreStoredLowerCasedAndReturnedAsTyped) {
  settings.pathPatterns[0] = u"*.TXT,,a*.htm*   b.xml , ";
  EXPECT_EQ(GetFileFilepathSpecifications(settings, sources, 0), u"*.TXT, a*.htm*, b.xml");
  EXPECT_EQ(sources.filePatterns, (std::vector<Text>{u"*.txt", u"a*.htm*", u"b.xml"}));
  settings.pathPatterns[1] = u"Draft";
  EXPECT_EQ(GetFileFilepathSpecifications(settings, sources, 1), u"Draft");
  EXPECT_EQ(sources.exclusionTexts, std::vector<Text>{u"draft"});
  settings.pathPatterns[0] = u" , ";
  EXPECT_EQ(GetFileFilepathSpecifications(settings, sources, 0), u"");
  EXPECT_TRUE(sources.filePatterns.empty());
  EXPECT_EQ(sources.exclusionTexts, std::vector<Text>{u"draft"});
}

TEST_F(PatternBoxTest, InvalidCharactersAreReportedForTheFirstInvalidItem) {
  sources.filePatterns = {u"*.txt", u"a*.htm*"};
  sources.exclusionTexts = {u"old"};
  EXPECT_TRUE(CheckFilePatterns(shell, sources));
  sources.exclusionTexts = {u"old", u"draft*", u"x?"};
  EXPECT_FALSE(CheckFilePatterns(shell, sources));
  sources.filePatterns = {u"dir/*.txt", u"a;b"};
  EXPECT_FALSE(CheckFilePatterns(shell, sources));
  EXPECT_EQ(dialogs.Texts(),
            (std::vector<Text>{u"Folder pattern 'draft*' contains an invalid character.",
                               u"File pattern 'dir/*.txt' contains an invalid character."}));
  EXPECT_EQ(dialogs.Titles(), std::vector<Text>(2, u"Invalid input"));
  EXPECT_EQ(dialogs.Ids(), std::vector<MessageId>(2, MessageId::InvalidPatternCharacter));
}

TEST(MentionsDocFiles, ADocExtensionAtTheEndOrBeforeAComma) {
  EXPECT_TRUE(MentionsDocFiles(u"*.DOC"));
  EXPECT_TRUE(MentionsDocFiles(u"a.doc, *.txt"));
  EXPECT_FALSE(MentionsDocFiles(u"*.docx, *.txt"));
}

TEST_F(PatternBoxTest, TooltipsShowLongTextsWholeAndAnExampleForEmptyBoxes) {
  settings.pathPatterns[0] = u"*.docx, *.txt, *.html, chapter*.xml";
  settings.pathPatterns[1] = u"bak";
  UpdatePatternTooltips(shell.window, settings);
  EXPECT_EQ(shell.window.Get(ControlId::txbFileFilepathSpecifications_0).tooltip,
            u"*.docx, *.txt, *.html, chapter*.xml");
  EXPECT_EQ(shell.window.Get(ControlId::txbFileFilepathSpecifications_1).tooltip, u"");
  settings.pathPatterns[0].clear();
  settings.pathPatterns[1].clear();
  UpdatePatternTooltips(shell.window, settings);
  EXPECT_EQ(shell.window.Get(ControlId::txbFileFilepathSpecifications_0).tooltip,
            u"E.g., *.txt, *.docx, a*.htm*, b*.xml");
  EXPECT_EQ(shell.window.Get(ControlId::txbFileFilepathSpecifications_1).tooltip,
            u"E.g., copy, bak");
}

}  // namespace
}  // namespace velt

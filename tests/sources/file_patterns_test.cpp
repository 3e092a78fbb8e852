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

TEST_F(PatternBoxTest, ItemsAreNormalisedStoredLowerCasedAndValidated) {
  session.settings.pathPatterns[0] = u"  *.TXT,,a*.htm*   b.xml , ";
  OnPathPatternsLeft(session, 0);
  EXPECT_EQ(session.settings.pathPatterns[0], u"*.TXT, a*.htm*, b.xml");
  EXPECT_EQ(session.sources.filePatterns, (std::vector<Text>{u"*.txt", u"a*.htm*", u"b.xml"}));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(session.window.Get(ControlId::txbFileFilepathSpecifications_0).tooltip, u"");
  EXPECT_EQ(session.window.Get(ControlId::txbFileFilepathSpecifications_1).tooltip,
            u"E.g., copy, bak");

  session.settings.pathPatterns[1] = u"draft* old";
  OnPathPatternsLeft(session, 1);
  EXPECT_EQ(dialogs.Texts(),
            std::vector<Text>{u"Folder pattern 'draft*' contains an invalid character."});
  EXPECT_FALSE(CheckFilePatterns(session));

  session.settings.pathPatterns[1] = u"";
  OnPathPatternsLeft(session, 1);
  EXPECT_TRUE(session.sources.exclusionTexts.empty());
  session.settings.pathPatterns[0] = u"dir/*.txt";
  OnPathPatternsLeft(session, 0);
  EXPECT_EQ(dialogs.Texts().back(), u"File pattern 'dir/*.txt' contains an invalid character.");
  EXPECT_EQ(dialogs.Titles().back(), u"Invalid input");
}

TEST_F(PatternBoxTest, DocPatternsAreExplainedAndLongTextsBecomeTooltips) {
  session.settings.pathPatterns[0] = u"*.doc";
  OnPathPatternsLeft(session, 0);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Match file patterns");
  EXPECT_EQ(dialogs.messages[0].text,
            u"This software does not process .doc files.  To process\r\n"
            u"Word .doc files they should first be converted to .docx files.");

  session.settings.pathPatterns[0] = u"*.docx, *.txt, *.html, chapter*.xml";
  OnPathPatternsLeft(session, 0);
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(session.window.Get(ControlId::txbFileFilepathSpecifications_0).tooltip,
            u"*.docx, *.txt, *.html, chapter*.xml");
}

}  // namespace
}  // namespace velt

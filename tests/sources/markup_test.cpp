#include <gtest/gtest.h>

#include <vector>

#include "sources/markup.h"
#include "text/line_cleanup.h"

namespace velt {
namespace {

TEST(MarkupModeTest, ExtensionChoosesTablesAndEntities) {
  const struct {
    const char16_t* extension;
    int numMarkers;
    bool entities;
    const char16_t* firstStart;
  } cases[] = {
      {u"html", 6, true, u"&"},    {u"xhtml", 6, true, u"&"}, {u"php", 9, true, u"&"},
      {u"xml", 3, true, u"<?xml"}, {u"c", 2, false, u"/*"},   {u"cpp", 2, false, u"/*"},
      {u"txt", 0, false, u""},     {u"cc", 0, false, u""},
  };
  for (const auto& c : cases) {
    MarkerTable table;
    SetCommentMarkers(MarkupMode::Php, table);  // leftovers must not survive
    bool entities = !c.entities;
    SetMarkupMode(c.extension, table, entities);
    EXPECT_EQ(table.markerPairCount, c.numMarkers) << TextView(c.extension).size();
    EXPECT_EQ(entities, c.entities);
    EXPECT_EQ(table.commentStarts[0], c.firstStart);
    EXPECT_TRUE(table.commentStarts[static_cast<size_t>(c.numMarkers)].empty());
  }
}

TEST(SkipHtmlHeadTest, ReturnsTextAfterTheHeadAndNotesUtf8) {
  std::vector<Text> lines;
  size_t next = 0;
  const NextLineFn reader = [&](Text& line) {
    if (next >= lines.size()) return false;
    line = lines[next++];
    return true;
  };
  bool utf8 = false;
  lines = {u"<meta charset=\"utf-8\">", u"<title>t</title></Head><body>text", u"more"};
  EXPECT_EQ(SkipHtmlHead(u"<!DOCTYPE html><head>", reader, utf8), u"<body>text");
  EXPECT_TRUE(utf8);
  EXPECT_EQ(next, 2u);

  lines = {u"content=\"text/html; CHARSET=\"UTF-8\"\">", u"body text"};
  next = 0;
  utf8 = false;
  EXPECT_EQ(SkipHtmlHead(u"<!DOCTYPE HTML>", reader, utf8), u"");  // the head never closes
  EXPECT_TRUE(utf8);
  EXPECT_EQ(next, 2u);

  lines = {u"charset=iso-8859-1 </head>", u"charset=utf-8"};
  next = 0;
  utf8 = false;
  EXPECT_EQ(SkipHtmlHead(u"<head>", reader, utf8), u"");
  EXPECT_FALSE(utf8);
}

TEST(LineCleanupTest, NormaliseWhitespace) {
  const struct {
    Text line;
    bool keepTabs;
    Text expected;
  } cases[] = {
      {u"a\r\nb\r\r\nc\r\n\nd", true, u"a b  c  d"},
      {u"a\r\b\nb", true, u"a b"},  // backspaces go first
      {u"a\n\f\u00A0\tb", true, u"a   \tb"},
      {u"a\tb\b", false, u"a b"},
  };
  for (const auto& c : cases) {
    Text line = c.line;
    NormaliseWhitespace(line, c.keepTabs);
    EXPECT_EQ(line, c.expected) << c.line.size();
  }
}

TEST(LineCleanupTest, SplitDoubleHyphens) {
  const std::pair<Text, Text> cases[] = {
      {u"x a--b", u"x a  b"},
      {u"--abc", u"--abc"},
      {u"a--b", u"a--b"},  // at position 2
      {u"x<!-- c -->", u"x<!-- c -->"},
      {u"ab---c", u"ab  -c"},
      {u"x----y", u"x--  y"},  // goes on two characters further
  };
  for (const auto& [line, expected] : cases) {
    Text result = line;
    SplitDoubleHyphens(result);
    EXPECT_EQ(result, expected) << line.size();
  }
}

}  // namespace
}  // namespace velt

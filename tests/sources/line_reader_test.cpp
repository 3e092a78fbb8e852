#include "sources/line_reader.h"

#include "sources/source_test_support.h"
#include "text/run_error.h"

namespace velt {
namespace {

using testing::ScratchDir;

struct Piece {
  Text text;
  bool complete;
};

std::vector<Piece> ReadAll(const std::string& path, bool lfLines, bool skipBom = false) {
  LineReader reader(path);
  if (skipBom) reader.SkipUtf8Bom();
  std::vector<Piece> pieces;
  Text line;
  bool complete = false;
  while (lfLines ? reader.ReadLfLine(line, complete) : reader.ReadLine(line, complete)) {
    pieces.push_back({line, complete});
  }
  return pieces;
}

std::vector<Text> Texts(const std::vector<Piece>& pieces) {
  std::vector<Text> texts;
  for (const Piece& p : pieces)
    texts.push_back(p.text);
  return texts;
}

TEST(LineReader, OrdinaryLinesEndAtCrOrCrLfAndKeepLoneLfs) {
  const ScratchDir dir("velt-lines");
  const std::string path = dir.Write("mixed.txt", "one\r\ntwo\rthree\nstill three\r\n\r\nlast");
  EXPECT_EQ(Texts(ReadAll(path, false)),
            (std::vector<Text>{u"one", u"two", u"three\nstill three", u"", u"last"}));
  EXPECT_EQ(Texts(ReadAll(testing::TestData("cr.txt"), false)),
            (std::vector<Text>{u"one two", u"three four", u"five six"}));
  EXPECT_EQ(Texts(ReadAll(testing::TestData("noend.txt"), false)),
            (std::vector<Text>{u"a single line without any line end at all"}));
  EXPECT_TRUE(ReadAll(testing::TestData("empty.txt"), false).empty());
}

TEST(LineReader, LfLinesEndAtLfToo) {
  const ScratchDir dir("velt-lines");
  const std::string path = dir.Write("unix.txt", "one\ntwo\r\nthree\rfour\n\nfive");
  EXPECT_EQ(Texts(ReadAll(path, true)),
            (std::vector<Text>{u"one", u"two", u"three", u"four", u"", u"five"}));
}

TEST(LineReader, CrLfSplitAcrossBlocksIsOneLineEnd) {
  const ScratchDir dir("velt-lines");
  std::string bytes(LineReader::kBlockSize - 1, 'a');
  bytes += "\r\nnext";  // CR ends the first block, LF starts the second
  const std::vector<Piece> pieces = ReadAll(dir.Write("split.txt", bytes), false);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].text.size(), LineReader::kBlockSize - 1);
  EXPECT_EQ(pieces[1].text, u"next");
}

TEST(LineReader, BytesBecomeWindows1252CharactersAndBomIsDropped) {
  const ScratchDir dir("velt-lines");
  const std::string path = dir.Write("bom.txt", "\xEF\xBB\xBF\x80 caf\xE9\r\n");
  EXPECT_EQ(ReadAll(path, false, true)[0].text, u"\u20AC caf\u00E9");
  EXPECT_EQ(ReadAll(path, false, false)[0].text.substr(0, 3), u"\u00EF\u00BB\u00BF");
}

TEST(LineReader, LongLinesComeInPiecesCutBetweenWords) {
  const ScratchDir dir("velt-lines");
  std::string line;
  while (line.size() < 3 * LineReader::kMaxPiece)
    line += "word\tnext ";
  const std::vector<Piece> pieces = ReadAll(dir.Write("long.txt", line + "\r\nshort"), false);
  ASSERT_GE(pieces.size(), 4u);
  Text joined;
  for (size_t i = 0; i + 1 < pieces.size(); ++i) {
    const Piece& p = pieces[i];
    EXPECT_LE(p.text.size(), LineReader::kMaxPiece);
    EXPECT_EQ(p.complete, i + 2 == pieces.size());
    if (!p.complete) {
      EXPECT_EQ(p.text.back(), u' ');
    }
    joined += p.text;
  }
  EXPECT_EQ(joined, FromUtf8(line));
  EXPECT_EQ(pieces.back().text, u"short");
  EXPECT_TRUE(pieces.back().complete);
}

TEST(LineReader, ALineWithoutSpacesIsCutHardButNotInsideUtf8) {
  const ScratchDir dir("velt-lines");
  std::string line(LineReader::kMaxPiece - 1, 'x');
  line += "\xC3\xA9";  // the limit falls between these two bytes
  line += std::string(100, 'y');
  const std::vector<Piece> pieces = ReadAll(dir.Write("nospace.txt", line), false);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_FALSE(pieces[0].complete);
  EXPECT_EQ(pieces[0].text.size(), LineReader::kMaxPiece - 1);
  EXPECT_EQ(pieces[1].text.substr(0, 2), u"\u00C3\u00A9");
}

TEST(LineReader, OpeningAFolderOrMissingFileThrowsARunError) {
  const ScratchDir dir("velt-lines");
  try {
    LineReader reader(dir.File("missing.txt"));
    FAIL() << "opened a missing file";
  } catch (const RunErrorException& e) {
    EXPECT_EQ(e.error().number, 2);
    EXPECT_EQ(e.error().description, u"No such file or directory");
  }
  EXPECT_THROW(LineReader reader(dir.path()), RunErrorException);
}

}  // namespace
}  // namespace velt

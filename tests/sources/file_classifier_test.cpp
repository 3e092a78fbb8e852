#include "sources/file_classifier.h"

#include <sys/stat.h>

#include "sources/source_test_support.h"

namespace velt {
namespace {

using testing::TempDir;

class ClassifierTest : public ::testing::Test {
 protected:
  Text Write(const std::string& name, const std::string& bytes) {
    return FromUtf8(dir.Write(name, bytes));
  }
  int Classify(const Text& path, double threshold = kFileSourceThreshold) {
    info = TextFileInfo{};
    return IsTextFile(path, kSampleSize, info, threshold, true);
  }

  TempDir dir;
  TextFileInfo info;
};

TEST_F(ClassifierTest, EncodingCodesOfNamesMarksAndSmallFiles) {
  EXPECT_EQ(GetFileEncoding(u"", true), encoding::kEmptyName);
  EXPECT_EQ(GetFileEncoding(FromUtf8(dir.File("missing.txt")), true), encoding::kMissing);
  EXPECT_EQ(GetFileEncoding(Write("empty.txt", ""), true), encoding::kZeroLength);
  EXPECT_EQ(GetFileEncoding(Write("tiny.txt", "abcd"), true), encoding::kOneToFourBytes);
  EXPECT_EQ(GetFileEncoding(Write("a.rtf", "{\\rtf1 x}"), true), encoding::kRtf);
  EXPECT_EQ(GetFileEncoding(Write("le.dat", std::string("\xFF\xFEh\0i\0", 6)), true),
            encoding::kUtf16Le);
  EXPECT_EQ(GetFileEncoding(Write("be.dat", std::string("\xFE\xFF\0h\0i", 6)), true),
            encoding::kUtf16Be);
  EXPECT_EQ(GetFileEncoding(Write("bom.dat", "\xEF\xBB\xBFhello"), true), encoding::kUtf8);
  EXPECT_EQ(GetFileEncoding(Write("u32.dat", std::string("\0\0\xFE\xFFxx", 6)), true),
            encoding::kUtf32Be);
  EXPECT_EQ(GetFileEncoding(Write("a.xml", "<?xml version"), false), encoding::kUtf8);
  EXPECT_EQ(GetFileEncoding(Write("b.XML", std::string("<\0?\0x\0", 6)), false),
            encoding::kUtf16Le);
  EXPECT_EQ(GetFileEncoding(Write("c.xml", std::string("\0<\0?\0x", 6)), false),
            encoding::kUtf16Be);
  EXPECT_EQ(GetFileEncoding(Write("d.dat", "<?xml version"), false), encoding::kNone);
}

TEST_F(ClassifierTest, FifoAndFolderAreRefusedWithoutBlocking) {
  const std::string fifo = dir.File("pipe.txt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(GetFileEncoding(FromUtf8(fifo), true), encoding::kCannotOpen);
  EXPECT_EQ(Classify(FromUtf8(fifo)), encoding::kCannotOpen);
  EXPECT_EQ(GetFileEncoding(FromUtf8(dir.path()), true), encoding::kCannotOpen);
}

TEST_F(ClassifierTest, CharsetSniffLooksAtTheFirstTenNonEmptyLinesOfTextExtensions) {
  std::string early = "line\r\n\r\n\r\nwith \xE2\x80\x9Cquotes\xE2\x80\x9D\r\n";
  EXPECT_EQ(GetFileEncoding(Write("early.txt", early), true), encoding::kUtf8);
  EXPECT_EQ(GetFileEncoding(Write("early.dat", early), true), encoding::kNone);
  EXPECT_EQ(GetFileEncoding(Write("nosniff.txt", early), false), encoding::kNone);

  std::string late;
  for (int i = 0; i < 10; ++i)
    late += "plain line\r\n\r\n";
  late += "curly \xE2\x80\x9D here\r\n";
  EXPECT_EQ(GetFileEncoding(Write("late.txt", late), true), encoding::kNone);

  EXPECT_EQ(GetFileEncoding(Write("meta.htm", "<meta charset=UTF-8>\r\n"), true), encoding::kUtf8);
  EXPECT_EQ(GetFileEncoding(Write("quoted.html", "<meta charset=\"UTF-8\">"), true),
            encoding::kUtf8);
  EXPECT_EQ(GetFileEncoding(Write("lower.html", "<meta charset=utf-8>\r\n"), true),
            encoding::kNone);
}

TEST_F(ClassifierTest, AnomalousShareAtTheThresholdPassesAndAboveIsRefused) {
  // 100 control bytes in 10000 are exactly 1.0 percent.
  std::string text(10000, 'a');
  for (int i = 0; i < 100; ++i)
    text[static_cast<size_t>(i * 100 + 50)] = '\x01';
  EXPECT_EQ(Classify(Write("exact.txt", text)), classification::kCrLf);
  EXPECT_DOUBLE_EQ(info.percent, 1.0);
  EXPECT_EQ(info.firstBadByte, 1);
  EXPECT_EQ(info.firstBadPosition, 51);

  text[9999] = '\x02';
  EXPECT_EQ(Classify(Write("above.txt", text)), classification::kNotText);
  EXPECT_DOUBLE_EQ(info.percent, 1.01);
}

TEST_F(ClassifierTest, EarlyExitStartsAfterAFifthOfTheSampleSize) {
  // One control byte at position 10 of 10000: with the strict threshold the
  // scan stops at byte 3277 with that running share.
  std::string text(10000, 'x');
  text[9] = '\x1B';
  EXPECT_EQ(Classify(Write("strict.txt", text), kStrictThreshold), classification::kNotText);
  EXPECT_DOUBLE_EQ(info.percent, 100.0 / 3277.0);

  // A short file never reaches the early exit: its share is over all bytes.
  std::string shortText(1000, 'x');
  shortText[0] = '\x1B';
  EXPECT_EQ(Classify(Write("short.txt", shortText), kStrictThreshold), classification::kNotText);
  EXPECT_DOUBLE_EQ(info.percent, 0.1);
}

TEST_F(ClassifierTest, WhitespaceControlsAreTextAndLineTypesFollowTheLineEnds) {
  EXPECT_EQ(Classify(Write("ws.txt", "\t\f\b\r\n\t\f\b\r\n")), classification::kCrLf);
  EXPECT_EQ(info.firstBadByte, 32);
  EXPECT_EQ(Classify(FromUtf8(testing::TestData("crlf.txt"))), classification::kCrLf);
  EXPECT_EQ(Classify(FromUtf8(testing::TestData("lf.txt"))), classification::kLfOnly);
  EXPECT_EQ(Classify(FromUtf8(testing::TestData("cr.txt"))), classification::kCrOnly);
  EXPECT_EQ(Classify(FromUtf8(testing::TestData("noend.txt"))), classification::kCrLf);
  EXPECT_EQ(Classify(FromUtf8(testing::TestData("binary.bin"))), classification::kNotText);
  EXPECT_EQ(Classify(FromUtf8(testing::TestData("doc.rtf"))), encoding::kRtf);
  EXPECT_EQ(Classify(Write("w.xml", std::string("<\0a\0b\0", 6))), classification::kUnicode);
}

TEST_F(ClassifierTest, Utf8FilesKeepTheLineTypeOfTheirBytes) {
  EXPECT_EQ(Classify(Write("bom.dat", "\xEF\xBB\xBF\x01\x02\x03one\ntwo\n")),
            classification::kLfOnly);
  EXPECT_TRUE(info.utf8);
  EXPECT_EQ(Classify(Write("mac.txt", "caf\xC3\xA9 \xE2\x80\x94\rnext\r")),
            classification::kCrOnly);
  EXPECT_TRUE(info.utf8);
}

TEST(HasTextExtension, KnownExtensionsInAnyCase) {
  EXPECT_TRUE(HasTextExtension(u"/a/b/notes.TXT"));
  EXPECT_TRUE(HasTextExtension(u"page.xhtml"));
  EXPECT_TRUE(HasTextExtension(u"data.prn"));
  EXPECT_FALSE(HasTextExtension(u"data.dat"));
  EXPECT_FALSE(HasTextExtension(u"/dir.txt/README"));
}

}  // namespace
}  // namespace velt

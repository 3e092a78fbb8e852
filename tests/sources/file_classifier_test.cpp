#include "sources/file_classifier.h"

#include <sys/stat.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "sources/source_test_support.h"

namespace velt {
namespace {

using testing::ScratchDir;

class ClassifierTest : public ::testing::Test {
 protected:
  Text Write(const std::string& name, const std::string& bytes) {
    return FromUtf8(dir.Write(name, bytes));
  }
  TextFileClass Classify(const Text& path, double threshold = kFileSourceThreshold) {
    info = TextFileInfo{};
    return IsTextFile(path, kSampleSize, info, threshold, true);
  }
  // A text file of that line type, found with that encoding.
  static TextFileClass TextOf(LineType lineType, Encoding encoding = Encoding::None) {
    return {TextVerdict::Text, encoding, lineType};
  }

  ScratchDir dir{"velt-classify"};
  TextFileInfo info;
};

TEST_F(ClassifierTest, EncodingCodesOfNamesMarksAndSmallFiles) {
  EXPECT_EQ(GetFileEncoding(u"", true), Encoding::EmptyName);
  EXPECT_EQ(GetFileEncoding(FromUtf8(dir.File("missing.txt")), true), Encoding::Missing);
  EXPECT_EQ(GetFileEncoding(Write("empty.txt", ""), true), Encoding::ZeroLength);
  EXPECT_EQ(GetFileEncoding(Write("tiny.txt", "abcd"), true), Encoding::OneToFourBytes);
  EXPECT_EQ(GetFileEncoding(Write("a.rtf", "{\\rtf1 x}"), true), Encoding::Rtf);
  EXPECT_EQ(GetFileEncoding(Write("le.dat", std::string("\xFF\xFEh\0i\0", 6)), true),
            Encoding::Utf16Le);
  EXPECT_EQ(GetFileEncoding(Write("be.dat", std::string("\xFE\xFF\0h\0i", 6)), true),
            Encoding::Utf16Be);
  EXPECT_EQ(GetFileEncoding(Write("bom.dat", "\xEF\xBB\xBFhello"), true), Encoding::Utf8);
  EXPECT_EQ(GetFileEncoding(Write("u32.dat", std::string("\0\0\xFE\xFFxx", 6)), true),
            Encoding::Utf32Be);
  EXPECT_EQ(GetFileEncoding(Write("a.xml", "<?xml version"), false), Encoding::Utf8);
  EXPECT_EQ(GetFileEncoding(Write("b.XML", std::string("<\0?\0x\0", 6)), false), Encoding::Utf16Le);
  EXPECT_EQ(GetFileEncoding(Write("c.xml", std::string("\0<\0?\0x", 6)), false), Encoding::Utf16Be);
  EXPECT_EQ(GetFileEncoding(Write("d.dat", "<?xml version"), false), Encoding::None);
}

TEST_F(ClassifierTest, FifoAndFolderAreRefusedWithoutBlocking) {
  const std::string fifo = dir.File("pipe.txt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(GetFileEncoding(FromUtf8(fifo), true), Encoding::CannotOpen);
  EXPECT_EQ(Classify(FromUtf8(fifo)),
            (TextFileClass{TextVerdict::Unexamined, Encoding::CannotOpen}));
  EXPECT_EQ(GetFileEncoding(FromUtf8(dir.path().string()), true), Encoding::CannotOpen);
}

TEST_F(ClassifierTest, CharsetSniffLooksAtTheFirstTenNonEmptyLinesOfTextExtensions) {
  // Each file also holds a Windows-1252 "é", so that its bytes are not UTF-8
  // and only the sniff of the first lines can find it.
  std::string early = "line\r\n\r\n\r\nwith \xE2\x80\x9Cquotes\xE2\x80\x9D\r\ncaf\xE9\r\n";
  EXPECT_EQ(GetFileEncoding(Write("early.txt", early), true), Encoding::Utf8);
  EXPECT_EQ(GetFileEncoding(Write("early.dat", early), true), Encoding::None);
  EXPECT_EQ(GetFileEncoding(Write("nosniff.txt", early), false), Encoding::None);

  std::string late;
  for (int i = 0; i < 10; ++i)
    late += "plain line\r\n\r\n";
  late += "curly \xE2\x80\x9D here, caf\xE9\r\n";
  EXPECT_EQ(GetFileEncoding(Write("late.txt", late), true), Encoding::None);

  EXPECT_EQ(GetFileEncoding(Write("meta.htm", "<meta charset=UTF-8>\r\n"), true), Encoding::Utf8);
  EXPECT_EQ(GetFileEncoding(Write("quoted.html", "<meta charset=\"UTF-8\">"), true),
            Encoding::Utf8);
  EXPECT_EQ(GetFileEncoding(Write("lower.html", "<meta charset=utf-8>\r\n"), true), Encoding::None);
}

TEST_F(ClassifierTest, AnomalousShareAtTheThresholdPassesAndAboveIsRefused) {
  // 100 control bytes in 10000 are exactly 1.0 percent.
  std::string text(10000, 'a');
  for (int i = 0; i < 100; ++i)
    text[static_cast<size_t>(i * 100 + 50)] = '\x01';
  EXPECT_EQ(Classify(Write("exact.txt", text)), TextOf(LineType::CrLf));
  EXPECT_DOUBLE_EQ(info.percent, 1.0);
  EXPECT_EQ(info.firstBadByte, 1);
  EXPECT_EQ(info.firstBadPosition, 51);

  text[9999] = '\x02';
  EXPECT_EQ(Classify(Write("above.txt", text)).verdict, TextVerdict::NotText);
  EXPECT_DOUBLE_EQ(info.percent, 1.01);
}

TEST_F(ClassifierTest, EarlyExitStartsAfterAFifthOfTheSampleSize) {
  // One control byte at position 10 of 10000: with the strict threshold the
  // scan stops at byte 3277 with that running share.
  std::string text(10000, 'x');
  text[9] = '\x1B';
  EXPECT_EQ(Classify(Write("strict.txt", text), kStrictThreshold).verdict, TextVerdict::NotText);
  EXPECT_DOUBLE_EQ(info.percent, 100.0 / 3277.0);

  // A short file never reaches the early exit: its share is over all bytes.
  std::string shortText(1000, 'x');
  shortText[0] = '\x1B';
  EXPECT_EQ(Classify(Write("short.txt", shortText), kStrictThreshold).verdict,
            TextVerdict::NotText);
  EXPECT_DOUBLE_EQ(info.percent, 0.1);
}

TEST_F(ClassifierTest, WhitespaceControlsAreTextAndLineTypesFollowTheLineEnds) {
  EXPECT_EQ(Classify(Write("ws.txt", "\t\f\b\r\n\t\f\b\r\n")), TextOf(LineType::CrLf));
  EXPECT_EQ(info.firstBadByte, 32);
  EXPECT_EQ(Classify(FromUtf8(testing::TestData("crlf.txt"))), TextOf(LineType::CrLf));
  EXPECT_EQ(Classify(FromUtf8(testing::TestData("lf.txt"))), TextOf(LineType::LfOnly));
  EXPECT_EQ(Classify(FromUtf8(testing::TestData("cr.txt"))), TextOf(LineType::CrOnly));
  EXPECT_EQ(Classify(FromUtf8(testing::TestData("noend.txt"))), TextOf(LineType::CrLf));
  EXPECT_EQ(Classify(FromUtf8(testing::TestData("binary.bin"))),
            (TextFileClass{TextVerdict::NotText, Encoding::None}));
  EXPECT_EQ(Classify(FromUtf8(testing::TestData("doc.rtf"))),
            (TextFileClass{TextVerdict::Rtf, Encoding::Rtf}));
  EXPECT_EQ(Classify(Write("w.xml", std::string("<\0a\0b\0", 6))),
            (TextFileClass{TextVerdict::Unicode, Encoding::Utf16Le}));
}

TEST_F(ClassifierTest, Utf8FilesKeepTheLineTypeOfTheirBytes) {
  EXPECT_EQ(Classify(Write("bom.dat", "\xEF\xBB\xBF\x01\x02\x03one\ntwo\n")),
            TextOf(LineType::LfOnly, Encoding::Utf8));
  EXPECT_TRUE(info.utf8);
  EXPECT_EQ(Classify(Write("mac.txt", "caf\xC3\xA9 \xE2\x80\x94\rnext\r")),
            TextOf(LineType::CrOnly, Encoding::Utf8));
  EXPECT_TRUE(info.utf8);
}

// UTF-8 text from editors that write no byte-order mark, whatever the
// extension and wherever its first accented letter stands.
TEST_F(ClassifierTest, Utf8WithoutMarkIsFoundInTheBytes) {
  const std::string french =
      "Le caf\xC3\xA9 cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
      "e\n";
  for (const char* name : {"fr.txt", "fr.md", "fr.srt", "fr"}) {
    EXPECT_EQ(GetFileEncoding(Write(name, french), true), Encoding::Utf8) << name;
    EXPECT_EQ(Classify(Write(name, french)), TextOf(LineType::LfOnly, Encoding::Utf8)) << name;
    EXPECT_TRUE(info.utf8) << name;
  }
  EXPECT_EQ(GetFileEncoding(Write("off.md", french), false), Encoding::None);

  std::string late;
  for (int i = 0; i < 30; ++i)
    late += "a plain line\r\n";
  late +=
      "Gr\xC3\xBC\xC3\x9F"
      "e aus K\xC3\xB6ln\r\n";
  EXPECT_EQ(GetFileEncoding(Write("late.txt", late), true), Encoding::Utf8);

  // A file of 1 to 4 bytes that holds a UTF-8 letter.
  EXPECT_EQ(GetFileEncoding(Write("ca.txt",
                                  "\xC3\xA7"
                                  "a"),
                            true),
            Encoding::Utf8);
  EXPECT_EQ(Classify(Write("ca.txt",
                           "\xC3\xA7"
                           "a")),
            TextOf(LineType::CrLf, Encoding::Utf8));
  EXPECT_TRUE(info.utf8);
}

TEST_F(ClassifierTest, Windows1252AsciiAndInvalidSequencesStaySingleByte) {
  EXPECT_EQ(GetFileEncoding(Write("fr.txt",
                                  "Le caf\xE9 cr\xE8me br\xFBl\xE9"
                                  "e\r\n"),
                            true),
            Encoding::None);
  EXPECT_EQ(Classify(Write("fr.txt",
                           "Le caf\xE9 cr\xE8me br\xFBl\xE9"
                           "e\r\n")),
            TextOf(LineType::CrLf));
  EXPECT_FALSE(info.utf8);
  EXPECT_EQ(GetFileEncoding(Write("ascii.txt", "plain text only\r\n"), true), Encoding::None);
  EXPECT_EQ(GetFileEncoding(Write("tiny.txt", "abc"), true), Encoding::OneToFourBytes);

  // Each file's only non-ASCII bytes break the rules of UTF-8; the valid "é"
  // in front of each proves that one good sequence is not enough.
  const std::vector<std::string> faults = {
      "\xC3 alone",                 // lead byte without its continuation
      "\xC3",                       // ... also at the very end of the file
      "\xC0\xAF overlong",          // "/" in two bytes
      "\xED\xA0\x80 surrogate",     // U+D800
      "\xF4\x90\x80\x80 too high",  // U+110000
  };
  for (const std::string& fault : faults) {
    EXPECT_EQ(GetFileEncoding(Write("bad.dat", "some text " + fault), true), Encoding::None)
        << fault;
    EXPECT_EQ(GetFileEncoding(Write("bad.dat", "caf\xC3\xA9 " + fault), true), Encoding::None)
        << fault;
  }
}

// The check reads the first 64 KB: a sequence cut there still counts as
// valid when the file goes on, a fault beyond it is not seen.
TEST_F(ClassifierTest, Utf8CheckReadsTheFirst64KilobytesAndForgivesTheCutThere) {
  const auto cutAtSampleEnd = [](const std::string& sequence, size_t inSample) {
    std::string bytes = "caf\xC3\xA9 ";
    bytes.append(kUtf8SampleSize - inSample - bytes.size(), 'x');
    return bytes + sequence + " more text";
  };
  for (const std::string& sequence :
       {std::string("\xC3\xA9"), std::string("\xE2\x82\xAC"), std::string("\xF0\x9F\x98\x80")}) {
    for (size_t inSample = 1; inSample < sequence.size(); ++inSample) {
      const std::string bytes = cutAtSampleEnd(sequence, inSample);
      EXPECT_EQ(GetFileEncoding(Write("cut.txt", bytes), true), Encoding::Utf8) << inSample;
      EXPECT_EQ(Classify(Write("cut.txt", bytes)), TextOf(LineType::CrLf, Encoding::Utf8));
      EXPECT_TRUE(info.utf8);
    }
  }
  // Cut bytes that could never complete a valid sequence are a fault.
  EXPECT_EQ(GetFileEncoding(Write("cut.txt", cutAtSampleEnd("\xE0\x9F\xBF", 2)), true),
            Encoding::None);
  // The only multi-byte sequence cut by the sample end: nothing beyond ASCII
  // is seen in the sample.
  std::string onlyCut(kUtf8SampleSize - 1, 'x');
  EXPECT_EQ(GetFileEncoding(Write("cut.txt", onlyCut + "\xC3\xA9"), true), Encoding::None);
  // A Windows-1252 letter after the first 64 KB is not seen.
  std::string longFile = "caf\xC3\xA9 ";
  longFile.append(kUtf8SampleSize, 'x');
  EXPECT_EQ(GetFileEncoding(Write("long.txt", longFile + " caf\xE9"), true), Encoding::Utf8);
}

// Bytes that are valid UTF-8 but mostly control bytes are still binary: the
// check changes how a file is decoded, not whether it is read.
TEST_F(ClassifierTest, Utf8ByContentStillGoesThroughTheByteScan) {
  std::string bytes(2000, '\0');
  bytes += "caf\xC3\xA9\r\n";
  const Text path = Write("data.bin", bytes);
  EXPECT_EQ(GetFileEncoding(path, true), Encoding::Utf8);
  EXPECT_EQ(Classify(path), (TextFileClass{TextVerdict::NotText, Encoding::Utf8}));
  EXPECT_FALSE(info.utf8);
  EXPECT_EQ(info.firstBadByte, 0);
  EXPECT_EQ(info.firstBadPosition, 1);

  // A mark or declaration skips the scan, as before.
  EXPECT_EQ(Classify(Write("data.dat", "\xEF\xBB\xBF" + bytes)),
            TextOf(LineType::CrLf, Encoding::Utf8));
  EXPECT_TRUE(info.utf8);
  info.percent = 50.0;
  EXPECT_EQ(IsTextFile(Write("data.htm", "<meta charset=UTF-8>\r\n" + bytes), kSampleSize, info,
                       kFileSourceThreshold, true),
            TextOf(LineType::CrLf, Encoding::Utf8));
  EXPECT_TRUE(info.utf8);
  EXPECT_EQ(info.percent, 50.0);  // untouched, as no scan took place
}

// A cut end is forgiven only when asked and when its bytes can still begin a
// valid sequence; the cut sequence does not count as multi-byte.
TEST(CheckUtf8Test, CutEndIsForgivenOnlyWhenItCanStillBeValid) {
  EXPECT_FALSE(CheckUtf8("abc\xF0\x9F\x98", false).valid);
  EXPECT_TRUE(CheckUtf8("abc\xF0\x9F\x98", true).valid);
  EXPECT_FALSE(CheckUtf8("abc\xF0\x9F\x98", true).multiByte);
  EXPECT_FALSE(CheckUtf8("abc\xF0\x8F", true).valid);
  EXPECT_FALSE(CheckUtf8("abc\xED\xA0", true).valid);
  EXPECT_FALSE(CheckUtf8("abc\xC0", true).valid);
}

// Bytes are valid UTF-8 exactly when decoding and encoding them again gives
// them back (invalid bytes decode as Windows-1252 characters). Random bytes
// near the start and around the check's 4 KB chunks, against that rule.
TEST(CheckUtf8Test, AgreesWithTheDecoderOnRandomBytes) {
  const std::string alphabet = "A\x80\x8F\x90\x9F\xA0\xBF\xC0\xC2\xDF\xE0\xED\xEF\xF0\xF4\xF5";
  std::mt19937 random(7);
  const auto pick = [&](size_t bound) { return static_cast<size_t>(random() % bound); };
  for (int round = 0; round < 20000; ++round) {
    const size_t pad = round % 2 == 0 ? pick(5) : 4090 + pick(12);
    std::string bytes(pad, 'a');
    for (size_t k = 1 + pick(8); k > 0; --k)
      bytes += alphabet[pick(alphabet.size())];
    bytes.append(pick(3) == 0 ? 4200 : pick(4), 'b');
    const Text decoded = FromUtf8(bytes);
    const bool valid = ToUtf8(decoded) == bytes;
    const Utf8Validity check = CheckUtf8(bytes, false);
    ASSERT_EQ(check.valid, valid) << ::testing::PrintToString(bytes.substr(pad));
    if (valid) {
      const bool beyondAscii =
          std::any_of(decoded.begin(), decoded.end(), [](char16_t c) { return c >= 0x80; });
      ASSERT_EQ(check.multiByte, beyondAscii) << ::testing::PrintToString(bytes.substr(pad));
    }
  }
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

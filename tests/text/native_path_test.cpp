// Paths as text without loss, and what a path names.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "doubles/scratch_dir.h"
#include "platform/regular_file.h"
#include "text/text.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

TEST(NativePath, AnyBytesComeBackExactly) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(PathToNative(PathFromNative(one)), one) << b;
  }
  // Short strings drawn mostly from UTF-8 lead and continuation bytes, so that
  // valid, cut, overlong and surrogate sequences all occur next to each other.
  const unsigned char alphabet[] = {'a',  '/',  0x80, 0x9F, 0xA0, 0xBF, 0xC2, 0xC3, 0xDF, 0xE0,
                                    0xE2, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF, 0xC0, 0x8F};
  std::mt19937 random(20240611);
  std::uniform_int_distribution<size_t> pick(0, sizeof alphabet - 1);
  std::uniform_int_distribution<size_t> length(1, 12);
  for (int round = 0; round < 20000; ++round) {
    std::string bytes;
    for (size_t n = length(random); n > 0; --n)
      bytes.push_back(static_cast<char>(alphabet[pick(random)]));
    ASSERT_EQ(PathToNative(PathFromNative(bytes)), bytes);
  }
}

TEST(NativePath, ValidUtf8IsOrdinaryTextAndOtherBytesAreEscaped) {
  const std::string valid = "/home/ann/caf\xC3\xA9 \xE2\x80\x9Cq\xE2\x80\x9D \xF0\x9F\x98\x80.txt";
  EXPECT_EQ(PathFromNative(valid), FromUtf8(valid));
  EXPECT_EQ(PathToNative(FromUtf8(valid)), valid);

  EXPECT_EQ(PathFromNative("bad\xFF.txt"), u"bad\xDCFF.txt");
  EXPECT_EQ(PathFromNative("latin\xE9"), u"latin\xDCE9");
  // A sequence cut short, an overlong form and an encoded surrogate: every
  // byte of them is escaped on its own.
  EXPECT_EQ(PathFromNative("\xE2\x80x"), u"\xDCE2\xDC80x");
  EXPECT_EQ(PathFromNative("\xC0\xAF"), u"\xDCC0\xDCAF");
  EXPECT_EQ(PathFromNative("\xED\xA0\x80"), u"\xDCED\xDCA0\xDC80");
  // A four-byte character directly before an escaped byte stays a pair.
  EXPECT_EQ(PathToNative(PathFromNative("\xF0\x9F\x98\x80\x80")), "\xF0\x9F\x98\x80\x80");

  // Shown as UTF-8, an escaped byte is the replacement character.
  EXPECT_EQ(ToUtf8(PathFromNative("bad\xFF.txt")), "bad\xEF\xBF\xBD.txt");
  // Text that was never a path: other lone surrogates are written as U+FFFD.
  EXPECT_EQ(PathToNative(Text(1, u'\xD800') + u"x" + Text(1, u'\xDC10')),
            "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

class ExamineFileTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.File(name); }

  testing::ScratchDir dir_{"velt-examine"};
};

TEST_F(ExamineFileTest, TellsEveryKindWithoutOpening) {
  std::ofstream(Path("text.txt")) << "twelve bytes";
  ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
  fs::create_directory(Path("folder"));
  fs::create_symlink("loop.b", Path("loop.a"));
  fs::create_symlink("loop.a", Path("loop.b"));
  fs::create_symlink("nothing", Path("dangling"));
  fs::create_symlink("text.txt", Path("link.txt"));

  const FileStatus text = ExamineFile(Path("text.txt"));
  EXPECT_EQ(text.kind, FileKind::Regular);
  EXPECT_EQ(text.size, 12);
  EXPECT_EQ(ExamineFile(Path("link.txt")).kind, FileKind::Regular);
  EXPECT_EQ(ExamineFile(Path("pipe")).kind, FileKind::Special);  // and it did not block
  EXPECT_EQ(ExamineFile("/dev/null").kind, FileKind::Special);
  EXPECT_EQ(ExamineFile(Path("folder")).kind, FileKind::Folder);
  EXPECT_EQ(ExamineFile(Path("dangling")).kind, FileKind::Missing);
  EXPECT_EQ(ExamineFile(Path("text.txt/below")).kind, FileKind::Missing);
  const FileStatus loop = ExamineFile(Path("loop.a"));
  EXPECT_EQ(loop.kind, FileKind::Unreachable);
  EXPECT_EQ(loop.error, ELOOP);
}

}  // namespace
}  // namespace velt

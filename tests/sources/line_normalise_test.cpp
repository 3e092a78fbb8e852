#include <gtest/gtest.h>

#include <string>

#include "sources/line_normalise.h"

namespace velt {
namespace {

// Checks a repair on file bytes, held as the reader holds them: one
// Windows-1252 character per byte.
void ExpectRepair(Text (*repair)(TextView), std::string_view in, std::string_view out) {
  EXPECT_EQ(repair(DecodeCp1252(in)), DecodeCp1252(out)) << in;
}

TEST(TrimControlCharsTest, TrimsBothEnds) {
  EXPECT_EQ(TrimControlChars(Text(u"\0\t a b\r\n \x1f", 10)), u"a b");
  EXPECT_EQ(TrimControlChars(u" \t\f "), u"");
  EXPECT_EQ(TrimControlChars(u"\u00A0x\u00A0"), u"\u00A0x\u00A0");
}

TEST(DecodeUtf8LatinTest, RepairsLatin1Pairs) {
  ExpectRepair(DecodeUtf8Latin, "caf\xC3\xA9 \xC3\x80\xC3\xBF", "caf\xE9 \xC0\xFF");
  ExpectRepair(DecodeUtf8Latin, "\xC2\xA0\xC2\xBF", "\xA0\xBF");
  ExpectRepair(DecodeUtf8Latin,
               "a\xC2\x80"
               "b\xC2\x9F",
               "ab");
  ExpectRepair(DecodeUtf8Latin, "\xC2\xC0\xC3\x7F\xC2", "\xC2\xC0\xC3\x7F\xC2");
  ExpectRepair(DecodeUtf8Latin,
               "\xC4\x8D"
               "a \xC3\x84\x8D",
               "ca c");
}

TEST(DecodeUtf8PunctuationTest, ReplacesEverySequence) {
  ExpectRepair(DecodeUtf8Punctuation, "\xE2\x80\x9Cw\xE2\x80\x9D it\xE2\x80\x99s", "\"w\" it's");
  ExpectRepair(DecodeUtf8Punctuation,
               "a\xE2\x80\x94"
               "b\xE2\x80\x93"
               "c\xE2\x80\x95",
               "a -- b-c--");
  ExpectRepair(DecodeUtf8Punctuation, "\xE2\x80\x96\xE2\x80\x97", "|\x89");  // 137: per mille
  ExpectRepair(DecodeUtf8Punctuation, "x\xE2\x80\xA2y\xE2\x80\xA6\xE2\x80\xB9q\xE2\x80\xBA",
               "x . y...<q>");
  // An unknown t deletes its sequence, and later sequences are still repaired.
  ExpectRepair(DecodeUtf8Punctuation,
               "a\xE2\x80\x8B"
               "b\xE2\x80\x9C"
               "c\xE2\x80\xA0",
               "ab\"c");
  ExpectRepair(DecodeUtf8Punctuation, "end\xE2\x80", "end");
  ExpectRepair(DecodeUtf8Punctuation, "\xE2\x82\xAC", "\xE2\x82\xAC");
}

}  // namespace
}  // namespace velt

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
               "c\xE2\x80\x8B",
               "ab\"c");
  ExpectRepair(DecodeUtf8Punctuation, "end\xE2\x80", "end");
}

// The UTF-8 bytes of a text, held as the reader holds them.
Text AsUtf8Bytes(TextView text) {
  return DecodeCp1252(ToUtf8(text));
}

// A line of a UTF-8 file decodes to the characters that the same line in a
// Windows-1252 file has, for every Windows-1252 character that the
// punctuation table does not turn into ASCII, also with no space between.
TEST(DecodeUtf8Test, EveryWindows1252CharacterDecodesAsInAWindows1252File) {
  const Text standIns = u"\u201A\u201E\u2026\u2022\u2013\u2014\u2018\u2019\u201C\u201D\u2039\u203A";
  Text all;
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    const char16_t c = Cp1252ToChar(static_cast<unsigned char>(byte));
    const bool assigned = c >= 0xA0;  // not one of the five unassigned bytes
    if (assigned && standIns.find(c) == Text::npos) all.push_back(c);
  }
  ASSERT_EQ(all.size(), 96u + 27u - 12u);
  const Text words = u"Œuvre Škoda Ÿ ž €5 ƒ ˆ ˜ V™ † ‡ 3‰ ça ôté üöäß";
  for (const Text& line : {all, words, u"x" + all + u"x"}) {
    EXPECT_EQ(DecodeUtf8Punctuation(DecodeUtf8Latin(AsUtf8Bytes(line))), line) << ToUtf8(line);
  }
}

// Characters Windows-1252 lacks keep the handling they had: left as their
// bytes, "č" made "c", other E2 80 sequences deleted; the table's stand-ins
// still win over the characters themselves.
TEST(DecodeUtf8Test, SequencesOfOtherCharactersKeepTheirHandling) {
  ExpectRepair(DecodeUtf8Latin, "\xC5\x81\xC4\x85\xC6\x93\xCB\x87\xD0\x96",
               "\xC5\x81\xC4\x85\xC6\x93\xCB\x87\xD0\x96");  // Ł ą Ɠ ˇ Ж
  ExpectRepair(DecodeUtf8Latin, "\xC4\x8D\xC5", "c\xC5");
  const auto both = [](std::string_view bytes) {
    return DecodeUtf8Punctuation(DecodeUtf8Latin(DecodeCp1252(bytes)));
  };
  EXPECT_EQ(both("\xE2\x82\xAD \xE2\x84\xA3 \xE2\x82"),
            DecodeCp1252("\xE2\x82\xAD \xE2\x84\xA3 \xE2\x82"));
  EXPECT_EQ(both("\xE2\x80\x8B\xE2\x80\xA3\xE2\x80\xB1"), u"");
  EXPECT_EQ(both("\xE2\x80\x9A\xE2\x80\x9Ex\xE2\x80\x9D"), u"'\"x\"");
}

}  // namespace
}  // namespace velt

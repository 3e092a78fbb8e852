#include "text/text.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

TEST(Cp1252, HighControlRangeAndUnassignedBytes) {
  EXPECT_EQ(Cp1252ToChar(0x80), u'\u20AC');
  EXPECT_EQ(Cp1252ToChar(0x89), u'\u2030');
  EXPECT_EQ(Cp1252ToChar(0x91), u'\u2018');
  EXPECT_EQ(Cp1252ToChar(0x81), u'\u0081');
  EXPECT_EQ(Cp1252ToChar(0x9D), u'\u009D');
  EXPECT_EQ(Cp1252ToChar(0xE9), u'é');
  EXPECT_EQ(Cp1252ToChar(0x00), u'\0');
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(CharToCp1252(Cp1252ToChar(static_cast<unsigned char>(b))), b) << b;
  }
  EXPECT_EQ(CharToCp1252(u'\u2019'), 0x92);
  EXPECT_EQ(CharToCp1252(u'\u0100'), -1);
}

TEST(Utf8, RoundTripAndInvalidBytesAsCp1252) {
  const Text text = u"café “q” — \U0001F600 ok";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  // A lone Windows-1252 byte is kept as its character, never dropped.
  EXPECT_EQ(FromUtf8("caf\xE9 \x93q\x94"), u"café “q”");
  // Overlong and surrogate encodings are not valid UTF-8.
  EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\u00C0\u00AF");
  EXPECT_EQ(FromUtf8("\xED\xA0\x80").size(), 3u);
  // Truncated sequence at the end.
  EXPECT_EQ(FromUtf8("a\xE2\x80"), u"a\u00E2\u20AC");
  EXPECT_EQ(ToUtf8(Text(1, u'\xD800')), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace velt

#include "text/number_format.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

TEST(NumberFormat, GroupingAndFixedDecimals) {
  const NumberFormat f;  // "," and "."
  EXPECT_EQ(f.Grouped(0), u"0");
  EXPECT_EQ(f.Grouped(999), u"999");
  EXPECT_EQ(f.Grouped(1000), u"1,000");
  EXPECT_EQ(f.Grouped(1234567), u"1,234,567");
  EXPECT_EQ(f.Grouped(-1204), u"-1,204");

  EXPECT_EQ(f.Fixed(0.5, 2), u"0.50");
  EXPECT_EQ(f.Fixed(12.345678, 2), u"12.35");
  EXPECT_EQ(f.Fixed(9.765625, 2), u"9.77");  // 10000 bytes in Kb
  EXPECT_EQ(f.Fixed(0.125, 2), u"0.13");     // half away from zero
  EXPECT_EQ(f.Fixed(1.005, 2), u"1.01");     // decided on the decimal form
  EXPECT_EQ(f.Fixed(99.999, 2), u"100.00");
  EXPECT_EQ(f.Fixed(0.0004, 3), u"0.000");
  EXPECT_EQ(f.Fixed(1234567.891, 2, true), u"1,234,567.89");
  EXPECT_EQ(f.Fixed(100, 0), u"100");
  EXPECT_EQ(f.Fixed(-0.001, 2), u"0.00");

  const NumberFormat german{u'.', u','};
  EXPECT_EQ(german.Fixed(1234.5, 2, true), u"1.234,50");
  EXPECT_EQ(german.Grouped(9999), u"9.999");
}

TEST(NumberFormat, StrAndRounding) {
  EXPECT_EQ(Str(5), u" 5");
  EXPECT_EQ(Str(0), u" 0");
  EXPECT_EQ(Str(-3), u"-3");
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(39.6), 40);
}

}  // namespace
}  // namespace velt

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"

namespace {

int ErrorNumberOf(void (*call)()) {
  try {
    call();
  } catch (const vb::Error& e) {
    return e.Number();
  }
  return 0;
}

TEST(Val, ReadsTheLeadingNumberWithAPointAsDecimalSeparator) {
  EXPECT_DOUBLE_EQ(vb::Val("12.6"), 12.6);
  EXPECT_DOUBLE_EQ(vb::Val("5x"), 5);
  EXPECT_DOUBLE_EQ(vb::Val("20x"), 20);
  EXPECT_DOUBLE_EQ(vb::Val("4,9"), 4);  // the comma ends the number
  EXPECT_DOUBLE_EQ(vb::Val("  \t32"), 32);
  EXPECT_DOUBLE_EQ(vb::Val("-3.25abc"), -3.25);
  EXPECT_DOUBLE_EQ(vb::Val("+7"), 7);
  EXPECT_DOUBLE_EQ(vb::Val(".5"), 0.5);
  EXPECT_DOUBLE_EQ(vb::Val("-.5"), -0.5);
  EXPECT_DOUBLE_EQ(vb::Val("1.2.3"), 1.2);  // a second point cannot continue the number
  EXPECT_DOUBLE_EQ(vb::Val("8."), 8);
  EXPECT_DOUBLE_EQ(vb::Val("1 2"), 1);
}

TEST(Val, GivesZeroWithoutALeadingNumber) {
  EXPECT_EQ(vb::Val("abc"), 0);
  EXPECT_EQ(vb::Val(""), 0);
  EXPECT_EQ(vb::Val(" "), 0);
  EXPECT_EQ(vb::Val("."), 0);
  EXPECT_EQ(vb::Val("-"), 0);
  EXPECT_EQ(vb::Val("x5"), 0);
}

TEST(Val, ReadsExponentsAndRadixPrefixes) {
  EXPECT_DOUBLE_EQ(vb::Val("1e3"), 1000);
  EXPECT_DOUBLE_EQ(vb::Val("2.5D-1"), 0.25);
  EXPECT_DOUBLE_EQ(vb::Val("3E"), 3);  // a lone exponent mark is not part of the number
  EXPECT_DOUBLE_EQ(vb::Val("4e+x"), 4);
  EXPECT_DOUBLE_EQ(vb::Val("&H1F"), 31);
  EXPECT_DOUBLE_EQ(vb::Val("&HFFFF"), -1);
  EXPECT_DOUBLE_EQ(vb::Val("&O17"), 15);
  EXPECT_DOUBLE_EQ(vb::Val("&Hxyz"), 0);
}

TEST(Val, NeverThrowsOnHugeNumbers) {
  EXPECT_TRUE(std::isinf(vb::Val("1e400")));
  EXPECT_EQ(vb::Val("1e-400"), 0);
}

TEST(Val, DoesNotFollowTheProcessLocale) {
  // A process locale with a decimal comma must not change how Val reads.
  const std::string strPrevious = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_DOUBLE_EQ(vb::Val("12.6"), 12.6);
  EXPECT_DOUBLE_EQ(vb::CDbl("1,75"), 1.75);
  EXPECT_EQ(vb::CStr(0.5), "0,5");
  std::setlocale(LC_NUMERIC, strPrevious.c_str());
}

TEST(IsNumeric, ReadsTheGermanLocale) {
  EXPECT_TRUE(vb::IsNumeric("0,25"));
  EXPECT_TRUE(vb::IsNumeric("6"));
  EXPECT_TRUE(vb::IsNumeric(" 2,5 "));
  EXPECT_TRUE(vb::IsNumeric("1.234,5"));
  EXPECT_TRUE(vb::IsNumeric("12.6"));  // the point is a thousands separator: 126
  EXPECT_TRUE(vb::IsNumeric("-3"));
  EXPECT_TRUE(vb::IsNumeric("5,"));
  EXPECT_TRUE(vb::IsNumeric(",5"));
  EXPECT_TRUE(vb::IsNumeric("1E3"));
  EXPECT_TRUE(vb::IsNumeric("&H10"));
  EXPECT_FALSE(vb::IsNumeric(""));
  EXPECT_FALSE(vb::IsNumeric(" "));
  EXPECT_FALSE(vb::IsNumeric("5x"));
  EXPECT_FALSE(vb::IsNumeric("20x"));
  EXPECT_FALSE(vb::IsNumeric("abc"));
  EXPECT_FALSE(vb::IsNumeric("Ja"));
  EXPECT_FALSE(vb::IsNumeric("1,2,3"));
  EXPECT_FALSE(vb::IsNumeric(","));
  EXPECT_FALSE(vb::IsNumeric(".5"));
  EXPECT_FALSE(vb::IsNumeric("-"));
  EXPECT_FALSE(vb::IsNumeric("1e400"));
}

TEST(CDbl, ConvertsInTheGermanLocale) {
  EXPECT_DOUBLE_EQ(vb::CDbl("0,25"), 0.25);
  EXPECT_DOUBLE_EQ(vb::CDbl("6,25"), 6.25);
  EXPECT_DOUBLE_EQ(vb::CDbl("1,75"), 1.75);
  EXPECT_DOUBLE_EQ(vb::CDbl("1.234,5"), 1234.5);
  EXPECT_DOUBLE_EQ(vb::CDbl("12.6"), 126);
  EXPECT_DOUBLE_EQ(vb::CDbl("-2,5"), -2.5);
  EXPECT_DOUBLE_EQ(vb::CDbl(" 7 "), 7);
  EXPECT_DOUBLE_EQ(vb::CDbl("2,5E1"), 25);
}

TEST(CDbl, ThrowsTypeMismatchOrOverflow) {
  EXPECT_EQ(ErrorNumberOf([] { vb::CDbl("abc"); }), 13);
  EXPECT_EQ(ErrorNumberOf([] { vb::CDbl(""); }), 13);
  EXPECT_EQ(ErrorNumberOf([] { vb::CDbl("5x"); }), 13);
  EXPECT_EQ(ErrorNumberOf([] { vb::CDbl("1e400"); }), 6);
  try {
    vb::CDbl("abc");
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.Description(), "Typen unverträglich");
  }
}

TEST(Round, TakesHalvesToTheEvenNeighbour) {
  EXPECT_EQ(vb::Round(20.4), 20);
  EXPECT_EQ(vb::Round(20.6), 21);
  EXPECT_EQ(vb::Round(3.5), 4);
  EXPECT_EQ(vb::Round(2.5), 2);
  EXPECT_EQ(vb::Round(17.5), 18);
  EXPECT_EQ(vb::Round(90.5), 90);
  EXPECT_EQ(vb::Round(90.6), 91);
  EXPECT_EQ(vb::Round(12.6), 13);
  EXPECT_EQ(vb::Round(-2.5), -2);
  EXPECT_EQ(vb::Round(-3.5), -4);
  EXPECT_EQ(vb::Round(0.5), 0);
}

TEST(CLng, RoundsAndChecksTheRange) {
  EXPECT_EQ(vb::CLng(4.9), 5);
  EXPECT_EQ(vb::CLng(2.5), 2);
  EXPECT_EQ(vb::CLng(1.5), 2);
  EXPECT_EQ(vb::CLng(2147483647.4), 2147483647);
  EXPECT_EQ(vb::CLng(-2147483648.5), -2147483647 - 1);
  EXPECT_EQ(ErrorNumberOf([] { vb::CLng(2147483647.5); }), 6);
  EXPECT_EQ(ErrorNumberOf([] { vb::CLng(std::nan("")); }), 6);
  EXPECT_EQ(vb::CLng("1,5"), 2);
  EXPECT_EQ(vb::CLng("16.777.215"), 16777215);
  EXPECT_EQ(ErrorNumberOf([] { vb::CLng("Ja"); }), 13);
}

TEST(CInt, RoundsAndChecksTheSixteenBitRange) {
  EXPECT_EQ(vb::CInt("1"), 1);
  EXPECT_EQ(vb::CInt("2"), 2);
  EXPECT_EQ(vb::CInt("0,5"), 0);
  EXPECT_EQ(vb::CInt(32767.0), 32767);
  EXPECT_EQ(ErrorNumberOf([] { vb::CInt(32767.5); }), 6);
  EXPECT_EQ(ErrorNumberOf([] { vb::CInt("40000"); }), 6);
  EXPECT_EQ(ErrorNumberOf([] { vb::CInt("Ja"); }), 13);
}

TEST(IntAndFix, TakeTheIntegerPart) {
  EXPECT_EQ(vb::Int(2.9), 2);
  EXPECT_EQ(vb::Int(-2.5), -3);
  EXPECT_EQ(vb::Fix(-2.5), -2);
  // The row height snaps down to a multiple of 0.75: 20 gives 19.5, 37 gives 36.75.
  EXPECT_DOUBLE_EQ(vb::Int(20 * 4.0 / 3) * 3 / 4, 19.5);
  EXPECT_DOUBLE_EQ(vb::Int(37 * 4.0 / 3) * 3 / 4, 36.75);
  EXPECT_DOUBLE_EQ(vb::Int(36 * 4.0 / 3) * 3 / 4, 36);
}

TEST(CStr, WritesNumbersAsTheGermanInterfaceShowsThem) {
  EXPECT_EQ(vb::CStr(0.5), "0,5");
  EXPECT_EQ(vb::CStr(1.75), "1,75");
  EXPECT_EQ(vb::CStr(6.0), "6");
  EXPECT_EQ(vb::CStr(5.75), "5,75");
  EXPECT_EQ(vb::CStr(2.5 + 0.25), "2,75");
  EXPECT_EQ(vb::CStr(0.1 + 0.2), "0,3");  // fifteen significant digits
  EXPECT_EQ(vb::CStr(-0.0), "0");
  EXPECT_EQ(vb::CStr(-12.5), "-12,5");
  EXPECT_EQ(vb::CStr(1e15), "1E+15");
  EXPECT_EQ(vb::CStr(123456789012345.0), "123456789012345");
  EXPECT_EQ(vb::CStr(std::int32_t{16711680}), "16711680");
  EXPECT_EQ(vb::CStr(std::int32_t{-1}), "-1");
}

TEST(CStr, RoundTripsThroughCDbl) {
  for (double d : {0.25, 0.5, 2.5, 5.75, 6.0, 1234.5, -0.75}) {
    EXPECT_DOUBLE_EQ(vb::CDbl(vb::CStr(d)), d) << d;
  }
}

}  // namespace

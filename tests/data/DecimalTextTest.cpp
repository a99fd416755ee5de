#include "data/DecimalText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace moid {
namespace {

TEST(LeadingDecimalValue, PlainForms) {
  EXPECT_EQ(LeadingDecimalValue("0"), 0.0);
  EXPECT_EQ(LeadingDecimalValue("42"), 42.0);
  EXPECT_EQ(LeadingDecimalValue("-7"), -7.0);
  EXPECT_EQ(LeadingDecimalValue("+7"), 7.0);
  EXPECT_EQ(LeadingDecimalValue("2451545.0"), 2451545.0);
  EXPECT_EQ(LeadingDecimalValue("0.1"), 0.1);
  EXPECT_EQ(LeadingDecimalValue("12.5e-1"), 1.25);
  EXPECT_EQ(LeadingDecimalValue("1E+2"), 100.0);
}

TEST(LeadingDecimalValue, PointWithoutDigitsOnOneSide) {
  EXPECT_EQ(LeadingDecimalValue(".5"), 0.5);
  EXPECT_EQ(LeadingDecimalValue("+.5"), 0.5);
  EXPECT_EQ(LeadingDecimalValue("-.25"), -0.25);
  EXPECT_EQ(LeadingDecimalValue("-5."), -5.0);
  EXPECT_EQ(LeadingDecimalValue("5.e2"), 500.0);
  EXPECT_EQ(LeadingDecimalValue(".5e1"), 5.0);
}

TEST(LeadingDecimalValue, ExponentMarkers) {
  EXPECT_EQ(LeadingDecimalValue("1D3"), 1000.0);
  EXPECT_EQ(LeadingDecimalValue("1d3"), 1000.0);
  EXPECT_EQ(LeadingDecimalValue("1e3"), 1000.0);
  EXPECT_EQ(LeadingDecimalValue("1.5D-1"), LeadingDecimalValue("1.5E-1"));
  EXPECT_EQ(LeadingDecimalValue("1.5D-1"), 0.15);
  EXPECT_EQ(LeadingDecimalValue("2.5d+2"), 250.0);
}

TEST(LeadingDecimalValue, IncompleteExponentIsNotPartOfTheNumber) {
  EXPECT_EQ(LeadingDecimalValue("1e"), 1.0);
  EXPECT_EQ(LeadingDecimalValue("1e+"), 1.0);
  EXPECT_EQ(LeadingDecimalValue("1e-"), 1.0);
  EXPECT_EQ(LeadingDecimalValue("1D"), 1.0);
  EXPECT_EQ(LeadingDecimalValue("2.5ex"), 2.5);
  EXPECT_EQ(LeadingDecimalValue("3e+x4"), 3.0);
}

TEST(LeadingDecimalValue, StopsAtTheFirstByteThatDoesNotFit) {
  EXPECT_EQ(LeadingDecimalValue("5abc"), 5.0);
  EXPECT_EQ(LeadingDecimalValue("1.2.3"), 1.2);
  EXPECT_EQ(LeadingDecimalValue("1e5x"), 1e5);
  EXPECT_EQ(LeadingDecimalValue("1e2.5"), 100.0);
  EXPECT_EQ(LeadingDecimalValue("7,5"), 7.0);
  EXPECT_EQ(LeadingDecimalValue("12 34"), 12.0);
  EXPECT_EQ(LeadingDecimalValue("0x10"), 0.0);
}

TEST(LeadingDecimalValue, TextThatDoesNotBeginWithANumberIsZero) {
  for (const char* text : {"", ".", "-", "+", "+.", "-.", "e5", "E", "abc", "--5", "+-5", " 5",
                           "inf", "nan", "INFINITY", "\"5\"", ".e5", "D3"}) {
    const double value = LeadingDecimalValue(text);
    EXPECT_EQ(value, 0.0) << '"' << text << '"';
    EXPECT_FALSE(std::signbit(value)) << '"' << text << '"';
  }
}

TEST(LeadingDecimalValue, NegativeZeroKeepsItsSign) {
  EXPECT_EQ(LeadingDecimalValue("-0"), 0.0);
  EXPECT_TRUE(std::signbit(LeadingDecimalValue("-0")));
  EXPECT_TRUE(std::signbit(LeadingDecimalValue("-0.000")));
}

TEST(LeadingDecimalValue, IsCorrectlyRounded) {
  // 2^53 + 1 lies halfway between two doubles: ties go to the even one.
  EXPECT_EQ(LeadingDecimalValue("9007199254740993"), 9007199254740992.0);
  EXPECT_EQ(LeadingDecimalValue("9007199254740995"), 9007199254740996.0);
  // Just above the halfway point rounds up.
  EXPECT_EQ(LeadingDecimalValue("9007199254740993.0000000001"), 9007199254740994.0);
  EXPECT_EQ(LeadingDecimalValue("0.30000000000000004"), 0.1 + 0.2);
  EXPECT_EQ(LeadingDecimalValue("1.7976931348623157e308"), std::numeric_limits<double>::max());
  EXPECT_EQ(LeadingDecimalValue("4.9406564584124654e-324"),
            std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(LeadingDecimalValue("2.2250738585072014e-308"), std::numeric_limits<double>::min());
}

TEST(LeadingDecimalValue, LongDigitStrings) {
  const std::string ones(200, '1');
  EXPECT_EQ(LeadingDecimalValue(ones), 1.1111111111111111e199);
  const std::string fraction = "0." + std::string(250, '0') + "1";
  EXPECT_EQ(LeadingDecimalValue(fraction), 1e-251);
}

TEST(LeadingDecimalValue, BeyondTheDoubleRange) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(LeadingDecimalValue("1e999"), inf);
  EXPECT_EQ(LeadingDecimalValue("-1e999"), -inf);
  EXPECT_EQ(LeadingDecimalValue("1.7976931348623159e308"), inf);
  EXPECT_EQ(LeadingDecimalValue("1e99999999999999999999999"), inf);
  EXPECT_EQ(LeadingDecimalValue("0.001e312"), inf);
  EXPECT_EQ(LeadingDecimalValue("1e-999"), 0.0);
  EXPECT_EQ(LeadingDecimalValue("1e-99999999999999999999999"), 0.0);
  EXPECT_TRUE(std::signbit(LeadingDecimalValue("-1e-999")));
  EXPECT_EQ(LeadingDecimalValue("1000e-326"), 1e-323);  // still a subnormal
  // Zero with any exponent is zero.
  EXPECT_EQ(LeadingDecimalValue("0e999999"), 0.0);
  EXPECT_EQ(LeadingDecimalValue("0.000e-999999"), 0.0);
}

// The standard library's own conversion is the independent truth for plain numbers: short
// ones (which take the exact small-number path) and long ones alike.
TEST(LeadingDecimalValue, AgreesWithTheStandardConversion) {
  std::mt19937_64 random(99);
  std::uniform_int_distribution<int> digitCount(1, 20);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> exponent(-40, 40);
  std::uniform_int_distribution<int> coin(0, 1);
  for (int round = 0; round < 200000; ++round) {
    std::string integer, fraction;
    const auto someDigits = [&] {
      std::string digits;
      for (int n = digitCount(random) / 2; n > 0; --n) {
        digits.push_back(static_cast<char>('0' + digit(random)));
      }
      return digits;
    };
    integer = someDigits();
    fraction = someDigits();
    if (integer.empty() && fraction.empty()) integer = "7";
    std::string text = (coin(random) ? "-" : "") + (integer.empty() ? "0" : integer);
    if (!fraction.empty()) text += "." + fraction;
    if (coin(random)) text += "e" + std::to_string(exponent(random));
    double expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(LeadingDecimalValue(text), expected) << text;
  }
}

}  // namespace
}  // namespace moid

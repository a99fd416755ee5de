#include "text/NumericMask.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace moid {
namespace {

struct MaskCase {
  const char* mask;
  double value;
  const char* text;
};

void ExpectAll(const std::vector<MaskCase>& cases) {
  for (const MaskCase& c : cases)
    EXPECT_EQ(FormatWithMask(c.mask, c.value), c.text) << "mask \"" << c.mask << "\" value "
                                                       << c.value;
}

TEST(NumericMask, WorkedResultsOfEveryScreenMask) {
  ExpectAll({
      {"###", 0, "  0"},
      {"###", 90, " 90"},
      {"###", 1234, "1234"},
      {"###", 2.5, "  2"},
      {"###", 3.5, "  4"},
      {"X = ###.#\xB0,", 123, "X = 123.0\xB0,"},
      {" Y = ###.#\xB0   ", 45, " Y =  45.0\xB0   "},
      {"Dist = #.######", 0.0123456789, "Dist = 0.012346"},
      {"Dist = #.######", 0.9999996, "Dist = 1.000000"},
      {"Dist = #.######", 0, "Dist = 0.000000"},
      {"####.####", 18.46907134, "  18.4691"},
      {"####.####", 12345.67891, "12345.6789"},
      {"##.######", 0.05, " 0.050000"},
      {"###.###\xB0", 359.9996, "360.000\xB0"},
      {"####", 2024, "2024"},
      {"##", 28.5, "28"},
      {"##", 29.5, "30"},
      {"###.#", -5, " -5.0"},
      {"###.#", -123, "-123.0"},
  });
}

TEST(NumericMask, HalfwayCasesRoundToEvenOnTheDecimalDigits) {
  ExpectAll({
      // 0.0078125 = 2^-7 and 0.0234375 = 3 * 2^-7 are exact halfway cases in binary.
      {"Dist = #.######", 0.0078125, "Dist = 0.007812"},
      {"Dist = #.######", 0.0234375, "Dist = 0.023438"},
      {"##", 0.5, " 0"},
      {"##", 1.5, " 2"},
      {"###.#", 0.25, "  0.2"},
      {"###.#", 0.75, "  0.8"},
  });
}

TEST(NumericMask, NonHalfwayValuesRoundByTheirStoredValue) {
  // 0.0045 is stored as 0.00449999999999999966 (18 digits), 0.0015 as 0.00150000000000000003.
  EXPECT_EQ(FormatWithMask("#.####################", 0.0045), "0.00449999999999999966");
  EXPECT_EQ(FormatWithMask("#.####################", 0.0015), "0.00150000000000000003");
  ExpectAll({
      {"###.###\xB0", 0.0045, "  0.004\xB0"},
      {"###.###\xB0", 0.0015, "  0.002\xB0"},
      {"####.####", 0.00004, "   0.0000"},
      {"####.####", 0.00005, "   0.0001"},
  });
}

TEST(NumericMask, CarryAddsADigitAndWidensOnlyWithoutRoom) {
  ExpectAll({
      {"#.######", 0.9999996, "1.000000"},
      {"#.######", 9.9999996, "10.000000"},
      {"#.######", 12.3456789, "12.345679"},
      {"###", 9.5, " 10"},
      {"###", 29.5, " 30"},
      {"###.#", 99.96, "100.0"},
      {"##.#", 99.96, "100.0"},
  });
}

TEST(NumericMask, ZeroAndValuesBelowOne) {
  ExpectAll({
      {"###.#", 0.5, "  0.5"},
      {"###.#", 5, "  5.0"},
      {"###", 0.4, "  0"},
      {"###", -0.0, "  0"},
      {"###.#", -0.0, "  0.0"},
      {"##.######", 0, " 0.000000"},
  });
}

TEST(NumericMask, SignUsesOneIntegerPosition) {
  ExpectAll({
      {"#.######", -0.5, "-.500000"},
      {"##.######", -0.5, "-0.500000"},
      {"###.#", -0.5, " -0.5"},
      {"###", -12, "-12"},
      {"###", -123, "-123"},
      {"##", -3, "-3"},
      {"####.####", -18.46907134, " -18.4691"},
      {"###.####", -18.46907134, "-18.4691"},
  });
}

TEST(NumericMask, LiteralCharactersStayInPlace) {
  EXPECT_EQ(FormatWithMask("Moid =####.####Gm", 1.5), "Moid =   1.5000Gm");
  EXPECT_EQ(FormatWithMask("a.b ##", 7), "a.b  7");  // a '.' before the field is literal
  EXPECT_EQ(FormatWithMask("##.##.#", 3.14159), " 3.14.#");
  EXPECT_EQ(FormatWithMask("x.##", 0.5), "x.50");  // field starts at ".#"
  EXPECT_EQ(FormatWithMask("no field", 5), "no field");
}

TEST(NumericMask, EighteenSignificantDigitsBeforeDecimalRounding) {
  // 0.1 is stored as 0.1000000000000000055511...; 18 digits give 0.100000000000000006.
  EXPECT_EQ(FormatWithMask("#.##################", 0.1), "0.100000000000000006");
  // 2^-1 * (1 + 2^-52): the 18-digit form rounds away the tail.
  EXPECT_EQ(FormatWithMask("#.##################", 0.5000000000000001),
            "0.500000000000000111");
  // Large whole numbers keep 18 digits and pad with zeros past the 18th
  // (123456789012345678901 is stored as 123456789012345683968).
  EXPECT_EQ(FormatWithMask("#", 1e20), "100000000000000000000");
  EXPECT_EQ(FormatWithMask("#", 123456789012345678901.0), "123456789012345684000");
}

TEST(NumericMask, EighteenDigitsAreTheCLibrarysCorrectlyRoundedOnes) {
  // From 1 to 10 a mask of one integer and 17 decimal positions shows the 18 significant
  // digits unrounded again, so it must read as printf's "%.17f" of the same value. Values
  // spread over all bit patterns of the range, from a fixed 64-bit linear congruential walk.
  std::uint64_t state = 88172645463325252ULL;
  for (int i = 0; i < 20000; ++i) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const double unit = static_cast<double>(state >> 11) * 0x1p-53;  // [0, 1)
    const double value = 1.0 + 9.0 * unit;
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.17f", value);
    ASSERT_EQ(FormatWithMask("#.#################", value), expected) << i;
  }
}

TEST(NumericMask, NonFiniteValuesStayReadable) {
  EXPECT_EQ(FormatWithMask("###.#", std::nan("")), "  nan");
  EXPECT_EQ(FormatWithMask("###.#", INFINITY), "  inf");
  EXPECT_EQ(FormatWithMask("##", -INFINITY), "-inf");
}

}  // namespace
}  // namespace moid

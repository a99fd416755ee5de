// The shortest number text held to the standard library's std::to_chars, character for
// character, over the values the integers handle and the ones they hand on.
#include "text/ShortestText.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace moid {
namespace {

std::string LibraryText(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

void ExpectLibraryText(double value) {
  std::string text;
  AppendShortestNumber(text, value);
  ASSERT_EQ(text, LibraryText(value)) << std::hexfloat << value;
}

class Walk {
 public:
  std::uint64_t Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return state_ >> 11;  // 53 bits
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
};

TEST(ShortestText, SameAsTheStandardLibrary) {
  Walk walk;
  // Every mantissa pattern, over the binades the integers work in and a few beyond.
  for (int i = 0; i < 300000; ++i) {
    const double mantissa = 1.0 + static_cast<double>(walk.Next() & ((1ULL << 52) - 1)) * 0x1p-52;
    const double v = std::ldexp(mantissa, walk.Below(72) - 16);
    ExpectLibraryText(i % 2 ? v : -v);
  }
  // Short decimals, read from their text: the answer has few digits, often with a choice of
  // fixed and scientific form.
  for (int i = 0; i < 100000; ++i) {
    const std::string text = std::to_string(walk.Below(1000000)) + "e" +
                             std::to_string(walk.Below(26) - 10);
    ExpectLibraryText(std::strtod(text.c_str(), nullptr));
  }
  // j / 2^t: exact decimals with a final 5, so that with 18 digits the two nearest
  // 17-digit strings lie equally far; their neighbours; powers of two, whose neighbour below
  // lies closer than the one above.
  for (int t = 0; t <= 60; ++t) {
    for (int i = 0; i < 300; ++i) {
      const double v = std::ldexp(static_cast<double>(2 * walk.Below(1 << 30) + 1), -t);
      ExpectLibraryText(v);
      ExpectLibraryText(std::nextafter(v, 0.0));
      ExpectLibraryText(std::nextafter(v, INFINITY));
    }
  }
  for (int e = -20; e <= 60; ++e) {
    const double p = std::ldexp(1.0, e);
    ExpectLibraryText(p);
    ExpectLibraryText(std::nextafter(p, 0.0));
    ExpectLibraryText(std::nextafter(p, INFINITY));
  }
  // Powers of ten and their neighbours: where the leading digit's place changes.
  for (int e = -6; e <= 17; ++e) {
    const double p = std::pow(10.0, e);
    ExpectLibraryText(p);
    ExpectLibraryText(std::nextafter(p, 0.0));
    ExpectLibraryText(std::nextafter(p, INFINITY));
  }
}

TEST(ShortestText, HandCheckedForms) {
  const std::pair<double, const char*> cases[] = {
      {2458666.5, "2458666.5"}, {0.1, "0.1"}, {0.1 + 0.2, "0.30000000000000004"},
      // "0.0001" is one character longer than "1e-04"; "0.001" and "1e-03" tie: fixed wins.
      {1e-4, "1e-04"},          {1e-3, "0.001"}, {1.5e-4, "0.00015"}, {1e15, "1e+15"},
      {123e13, "1.23e+15"},     {1e4, "10000"},  {1e5, "1e+05"},  {-22.04673210221188, "-22.04673210221188"},
      {0.0, "0"},               {-0.0, "-0"},    {1e-5, "1e-05"}, {1e300, "1e+300"},
      {5e-324, "5e-324"},       {-INFINITY, "-inf"},
      // 1.00000762939453125 and 1.00002288818359375 lie halfway between two 17-digit texts,
      // both of which read back: the even last digit wins.
      {1 + 0x1p-17, "1.0000076293945312"}, {1 + 3 * 0x1p-17, "1.0000228881835938"}};
  for (const auto& [value, text] : cases) {
    std::string out = "|";
    AppendShortestNumber(out, value);
    EXPECT_EQ(out, std::string("|") + text) << value;
  }
  std::string nan;
  AppendShortestNumber(nan, std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(nan, LibraryText(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
}  // namespace moid

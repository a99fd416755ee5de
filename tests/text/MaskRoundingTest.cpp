// The integer rounding held to the rounding through the digit text, and the mask's fast
// formatting held to its formatting through the digit text (itself checked against printf
// in NumericMaskTest).
#include "text/MaskRounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "text/NumericMask.h"

namespace moid {
namespace {

// A fixed 64-bit linear congruential walk, so that every run sees the same values.
class Walk {
 public:
  std::uint64_t Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return state_ >> 11;  // 53 bits
  }
  double Unit() { return static_cast<double>(Next()) * 0x1p-53; }  // [0, 1)
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t state_ = 0x9E3779B97F4A7C15ULL;
};

// The digit text's result as one whole number, when it has at most 19 digits.
std::uint64_t ScaledFromText(double magnitude, int decimals) {
  const DecimalDigits n = RoundedDigitText(magnitude, decimals);
  return std::strtoull(n.digits.c_str(), nullptr, 10);
}

void ExpectSameRounding(double magnitude, int decimals) {
  const auto scaled = RoundedScaledInteger(magnitude, decimals);
  ASSERT_TRUE(scaled.has_value()) << magnitude << " to " << decimals;
  ASSERT_EQ(*scaled, ScaledFromText(magnitude, decimals))
      << std::hexfloat << magnitude << std::defaultfloat << " to " << decimals << " decimals";
}

TEST(MaskRounding, IntegersAgreeWithTheDigitTextWhereverTheyApply) {
  Walk walk;
  // Values spread over every binade the integers take, at every number of decimals whose
  // result still fits in 19 digits.
  for (int i = 0; i < 200000; ++i) {
    const double magnitude = std::ldexp(1.0 + walk.Unit(), walk.Below(69) - 17);
    if (magnitude < 1e-5) continue;
    const int maxDecimals = std::min(17, 17 - static_cast<int>(std::floor(std::log10(magnitude))));
    ExpectSameRounding(magnitude, walk.Below(maxDecimals + 1));
  }
  // j / 2^t has exactly t decimals, its last a 5: an exact tie one place earlier, and with
  // more than 18 significant digits a tie only after the first rounding. Their neighbours
  // just above and below are no ties.
  for (int t = 1; t <= 40; ++t) {
    for (int i = 0; i < 400; ++i) {
      const double odd = static_cast<double>(2 * walk.Below(1 << 20) + 1);
      const double half = std::ldexp(odd, -t);
      if (half < 1e-5 || half >= 0x1p52) continue;
      for (const double v : {half, std::nextafter(half, 0.0), std::nextafter(half, 1e300)}) {
        for (int d = std::max(0, t - 3); d <= std::min(17, t); ++d) {
          if (std::floor(std::log10(v)) + d <= 17) ExpectSameRounding(v, d);
        }
      }
    }
  }
  // Hand-checked: 0.0045 lies below the tie, 2.5 and 3.5 are ties, 0.9999996 carries.
  EXPECT_EQ(RoundedScaledInteger(0.0045, 3), 4u);
  EXPECT_EQ(RoundedScaledInteger(2.5, 0), 2u);
  EXPECT_EQ(RoundedScaledInteger(3.5, 0), 4u);
  EXPECT_EQ(RoundedScaledInteger(0.9999996, 6), 1000000u);
  EXPECT_EQ(RoundedScaledInteger(0.0, 6), 0u);
  // Outside the integers' range the digit text is the only way.
  EXPECT_FALSE(RoundedScaledInteger(9e-6, 3).has_value());
  EXPECT_FALSE(RoundedScaledInteger(0x1p52, 0).has_value());
  EXPECT_FALSE(RoundedScaledInteger(1e15, 6).has_value());
  EXPECT_FALSE(RoundedScaledInteger(1.5, 18).has_value());
}

TEST(MaskRounding, FastFormattingMatchesTheDigitTextOnEveryMask) {
  const std::vector<const char*> masks = {
      "####.####", "##.######", "###.###\xB0", "###", "##",          "#.######",
      "x.##",      "#.#################", "Dist = #.######", "X = ###.#\xB0,", "no field",
      "####",      " Y = ###.#\xB0   "};
  std::vector<double> values = {0.0,     -0.0,    0.5,    -0.5,   2.5,     -2.5,   9.5,
                                99.96,   -99.96,  1e7,    -1e7,   1e20,    -1e20,  1e-7,
                                -1e-7,   9.9e-6,  1e-5,   0x1p52, 0x1p52 - 1, 359.9996,
                                0.0045,  0.0015,  NAN,    -NAN,   INFINITY, -INFINITY};
  Walk walk;
  for (int i = 0; i < 5000; ++i) {
    const double magnitude = std::ldexp(1.0 + walk.Unit(), walk.Below(80) - 22);
    values.push_back(walk.Below(2) ? magnitude : -magnitude);
  }
  for (const char* text : masks) {
    const NumericMask mask(text);
    for (const double v : values) {
      std::string fast = "<", reference = "<";
      mask.AppendTo(fast, v);
      mask.AppendByDigitText(reference, v);
      ASSERT_EQ(fast, reference) << "mask \"" << text << "\" value " << v;
    }
  }
}

}  // namespace
}  // namespace moid

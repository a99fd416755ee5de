// Cosines and sines without the library's functions, held to the library's.
#include "orbit/AngleSteps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace moid {
namespace {

constexpr double ULP_AT_ONE = 0x1p-52;

void ExpectLibraryValues(const Angle& a, double x, double tolerance) {
  EXPECT_NEAR(a.c, std::cos(x), tolerance) << "x = " << x;
  EXPECT_NEAR(a.s, std::sin(x), tolerance) << "x = " << x;
}

TEST(AngleSteps, SmallAnglesAgreeWithTheLibrary) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> uniform(-SMALL_ANGLE_LIMIT, SMALL_ANGLE_LIMIT);
  std::vector<double> xs = {0.0, -0.0, 0x1p-10, -0x1p-10, std::nextafter(0x1p-10, 0.0),
                            1e-300, SMALL_ANGLE_LIMIT, -SMALL_ANGLE_LIMIT};
  for (int i = 0; i < 20000; ++i) xs.push_back(uniform(random));
  // Short steps, where a run ends.
  for (int i = 0; i < 2000; ++i) xs.push_back(uniform(random) * 0x1p-12);
  for (int i = 0; i < 2000; ++i) xs.push_back(uniform(random) * 0x1p-7);
  for (const double x : {0x1p-6, -0x1p-6, std::nextafter(0x1p-6, 0.0)}) xs.push_back(x);
  for (const double x : xs) ExpectLibraryValues(SmallAngle(x), x, ULP_AT_ONE);
}

TEST(AngleSteps, AnyAngleAgreesWithTheLibraryInEveryQuarter) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> uniform(-60.0, 60.0);  // anomalies of many turns
  std::vector<double> xs;
  for (int i = 0; i < 20000; ++i) xs.push_back(uniform(random));
  // Either side of each quarter turn, where the reduction changes quarter, and far out.
  for (int q = -40; q <= 40; ++q) {
    const double edge = (q + 0.5) * (M_PI / 2);
    for (const double x : {q * (M_PI / 2), std::nextafter(edge, 0.0), std::nextafter(edge, 1e9)})
      xs.push_back(x);
  }
  for (const double x : {1000.25, -12345.678, 999999.0}) xs.push_back(x);
  for (const double x : xs) ExpectLibraryValues(AngleOf(x), x, 3 * ULP_AT_ONE);
  ExpectLibraryValues(AngleOf(3e6), 3e6, 0.0);  // beyond the reduction: the library's own
  const Angle undefined = AngleOf(NAN);
  EXPECT_TRUE(std::isnan(undefined.c) && std::isnan(undefined.s));
}

TEST(AngleSteps, SumsAndDifferencesTurnTheAngle) {
  const Angle a = AngleOf(1.1), b = AngleOf(-0.35);
  ExpectLibraryValues(a.Plus(b), 0.75, 4 * ULP_AT_ONE);
  ExpectLibraryValues(a.Minus(b), 1.45, 4 * ULP_AT_ONE);
}

}  // namespace
}  // namespace moid

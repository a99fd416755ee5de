#include <gtest/gtest.h>

#include <cmath>

#include "sources/Epoch.h"
#include "sources/PackedForms.h"

namespace moid::sources {
namespace {

// The Gaussian constant in degrees per day, 0.01720209895 * 180 / pi, worked out to 30 digits
// with bc: the mean motion of a body with a = 1 AU.
constexpr double K_DEGREES_PER_DAY = 0.985607668601424903218332618290;

TEST(ImportEpoch, ReduceDegreesToOneTurn) {
  EXPECT_EQ(ReduceDegrees(0.0), 0.0);
  EXPECT_EQ(ReduceDegrees(359.5), 359.5);
  EXPECT_EQ(ReduceDegrees(360.0), 0.0);
  EXPECT_EQ(ReduceDegrees(725.0), 5.0);
  EXPECT_EQ(ReduceDegrees(-90.0), 270.0);
  EXPECT_EQ(ReduceDegrees(-720.0), 0.0);
  EXPECT_EQ(ReduceDegrees(-1e-20), 0.0);  // 360 - 1e-20 rounds to 360: stays in [0, 360)
}

TEST(ImportEpoch, MeanAnomalyAdvancesByTheMeanMotion) {
  // a = 1 AU: k radians a day; 100 days are 1.720209895 rad = 98.560766860142490... degrees.
  EXPECT_NEAR(MeanAnomalyAt(10.0, 1.0, 2460000.5, 2460100.5), 108.56076686014249, 1e-11);
  // a = 4 AU: sqrt(1 / 64) = 1/8 of that motion; 800 days give the same advance.
  EXPECT_NEAR(MeanAnomalyAt(10.0, 4.0, 2460000.5, 2460800.5), 108.56076686014249, 1e-11);
  // Backwards in time, and past a whole turn.
  EXPECT_NEAR(MeanAnomalyAt(10.0, 1.0, 2460100.5, 2460000.5), 360 + 10 - 98.56076686014249, 1e-11);
  EXPECT_NEAR(MeanAnomalyAt(350.0, 1.0, 2460000.5, 2460100.5), 350 + 98.56076686014249 - 360, 1e-11);
  // No time, no motion: the value is kept exactly.
  EXPECT_EQ(MeanAnomalyAt(334.3271698971151, 2.766619044655007, 2459800.5, 2459800.5),
            334.3271698971151);
}

TEST(ImportEpoch, MeanAnomalyOfAnMpcorbBodyBroughtToAnotherEpoch) {
  // (100000) of the sample: M = 15 deg at 2024 Dec 1, a = 2.45 AU, brought to 2025 May 5:
  // 155 days at 0.9856076686 / 2.45^1.5 degrees a day; by bc, 54.837001825232656...
  const double from = UnpackEpoch("K24C1").value();
  const double to = UnpackEpoch("K2555").value();
  EXPECT_EQ(to - from, 155.0);
  EXPECT_NEAR(MeanAnomalyAt(15.0, 2.45, from, to), 54.837001825232657, 1e-11);
  EXPECT_NEAR(MeanAnomalyAt(15.0, 2.45, from, to),
              15.0 + 155.0 * K_DEGREES_PER_DAY / std::pow(2.45, 1.5), 1e-11);
}

TEST(ImportEpoch, MostCommonEpochAndItsTies) {
  EpochTally tally;
  EXPECT_EQ(tally.MostCommon(), std::nullopt);
  tally.Add(2459800.5);
  tally.Add(2457549.5);
  tally.Add(2459800.5);
  tally.Add(2452500.5);
  EXPECT_EQ(tally.MostCommon(), 2459800.5);
  tally.Add(2452500.5);  // now a tie: the later epoch wins
  EXPECT_EQ(tally.MostCommon(), 2459800.5);
  EpochTally reversed;
  reversed.Add(2460800.5);
  reversed.Add(2459000.5);
  EXPECT_EQ(reversed.MostCommon(), 2460800.5);
}
}  // namespace
}  // namespace moid::sources

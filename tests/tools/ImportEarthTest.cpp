#include <gtest/gtest.h>

#include "sources/PackedForms.h"
#include "tools/ImportEarth.h"

namespace moid::tools {
namespace {

TEST(ImportEarth, MeanElementsAtJ2000) {
  const ElementRecord earth = EarthMoonBarycentreAt(2451545.0);
  EXPECT_EQ(earth.name, "Earth");
  EXPECT_EQ(earth.semiMajorAxis, 1.00000261);
  EXPECT_EQ(earth.eccentricity, 0.01671123);
  EXPECT_EQ(earth.inclination, -0.00001531);
  EXPECT_EQ(earth.ascendingNode, 0.0);
  EXPECT_EQ(earth.perihelionArgument, 102.93768193);  // longitude of perihelion - node 0
  // Mean longitude 100.46457166 - longitude of perihelion 102.93768193, plus a turn.
  EXPECT_NEAR(earth.meanAnomaly, 357.52688973, 1e-9);
}

TEST(ImportEarth, MeanElementsACenturyLater) {
  const ElementRecord earth = EarthMoonBarycentreAt(2451545.0 + 36525.0);
  EXPECT_NEAR(earth.semiMajorAxis, 1.00000823, 1e-15);
  EXPECT_NEAR(earth.eccentricity, 0.01666731, 1e-15);
  EXPECT_NEAR(earth.inclination, -0.01296199, 1e-15);
  EXPECT_NEAR(earth.perihelionArgument, 103.26095557, 1e-10);
  // 36099.83702147 - 103.26095557 = 35996.5760659 = 99 turns + 356.5760659.
  EXPECT_NEAR(earth.meanAnomaly, 356.5760659, 1e-9);
}

TEST(ImportEarth, TheBundledCatalogueEpoch) {
  // One day of the Earth's mean motion is 35999.37244981 / 36525 = 0.98560... degrees.
  const ElementRecord a = EarthMoonBarycentreAt(2459800.5);
  const ElementRecord b = EarthMoonBarycentreAt(2459801.5);
  EXPECT_NEAR(b.meanAnomaly - a.meanAnomaly, (35999.37244981 - 0.32327364) / 36525.0, 1e-9);
}

TEST(ImportEarth, YearsTheMeanElementsAreMadeFor) {
  EXPECT_TRUE(WithinMeanElementSpan(sources::JulianDayOfDate(1800, 1, 1)));
  EXPECT_TRUE(WithinMeanElementSpan(2459800.5));
  EXPECT_TRUE(WithinMeanElementSpan(sources::JulianDayOfDate(2050, 12, 31)));
  EXPECT_FALSE(WithinMeanElementSpan(sources::JulianDayOfDate(1799, 12, 31)));
  EXPECT_FALSE(WithinMeanElementSpan(sources::JulianDayOfDate(2051, 1, 1)));
}

}  // namespace
}  // namespace moid::tools

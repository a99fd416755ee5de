#include "orbit/MoidSearch.h"

#include <gtest/gtest.h>

#include <cmath>

#include "orbit/MoidRefinement.h"
#include "orbit/MoidTestSupport.h"

namespace moid {
namespace {

using independent::BodySetup;
using independent::ComputeIndependentMoid;
using independent::CrossingAxis;
using independent::Elements;
using independent::LongitudeGap;
using independent::Record;
using independent::RunSetup;

const Elements kCircularEarth{0, 0, 0, 0, 1};
const Elements kEarth{0.01671123, 0.0, 102.93768193, 0.0, 1.00000261};
const int kWidths[] = {72, 432, 1080};

TEST(MoidKnownGeometry, CoplanarCirclesGiveTheDifferenceOfTheRadii) {
  // The matrix of second derivatives is singular here: the distance depends only on the
  // difference of the two longitudes.
  for (int W : kWidths) {
    for (double a : {0.7, 1.5, 3.0}) {
      const BodySetup s = RunSetup(kCircularEarth, {0, 0, 20, 50, a}, W);
      EXPECT_TRUE(std::isfinite(s.moid.moidAu));
      EXPECT_NEAR(s.moid.moidAu, std::fabs(a - 1), 1e-12) << "W " << W << " a " << a;
      EXPECT_GE(s.moid.longitudeDeg, 0);
      EXPECT_LT(s.moid.longitudeDeg, 360);
    }
  }
}

TEST(MoidKnownGeometry, CirclesAtRightAnglesMeetAtTheLineOfNodes) {
  for (int W : kWidths) {
    for (double a : {0.8, 1.2}) {
      const BodySetup s = RunSetup(kCircularEarth, {0, 90, 30, 40, a}, W);
      EXPECT_NEAR(s.moid.moidAu, std::fabs(a - 1), 1e-12) << W;
      // The closest point is at the ascending (40) or the descending (220) node.
      EXPECT_NEAR(std::fmod(s.moid.longitudeDeg, 180.0), 40, 1e-6) << W;
    }
  }
  // Equal radii: the circles intersect at the nodes.
  const BodySetup s = RunSetup(kCircularEarth, {0, 90, 30, 40, 1.0}, 432);
  EXPECT_LT(s.moid.moidAu, 1e-8);
}

TEST(MoidKnownGeometry, AlignedCoplanarEllipsesGiveTheGapOfThePerihelia) {
  // Both perihelia towards longitude 100: the closest pair is there, q2 - q1 apart.
  const Elements inner{0.0167, 0, 100, 0, 1.0};
  const Elements outer{0.3, 0, 60, 40, 2.0};
  const double gap = 2.0 * (1 - 0.3) - 1.0 * (1 - 0.0167);
  for (int W : kWidths) {
    const BodySetup s = RunSetup(inner, outer, W);
    EXPECT_NEAR(s.moid.moidAu, gap, 1e-12) << W;
    EXPECT_NEAR(LongitudeGap(s.moid.longitudeDeg, 100), 0, 1e-6) << W;
    // Roles swapped: the outer ellipse as the reference orbit gives the same MOID, and
    // its point lies at the same longitude.
    const BodySetup t = RunSetup(outer, inner, W);
    EXPECT_NEAR(t.moid.moidAu, gap, 1e-12) << W;
    EXPECT_NEAR(LongitudeGap(t.moid.longitudeDeg, 100), 0, 1e-6) << W;
  }
}

TEST(MoidKnownGeometry, CrossingOrbitsGiveZeroAtTheNode) {
  for (const Elements& earth : {kCircularEarth, kEarth}) {
    const double a = CrossingAxis(earth, 0.3, 60, 80);
    for (int W : kWidths) {
      const BodySetup s = RunSetup(earth, {0.3, 10, 60, 80, a}, W);
      EXPECT_LT(s.moid.moidAu, 1e-8) << W;
      EXPECT_NEAR(LongitudeGap(s.moid.longitudeDeg, 80), 0, 1e-5) << W;
    }
  }
}

TEST(MoidKnownGeometry, CrossingFarBelowTheGridMinimum) {
  // At W = 72 the samples are 5 degrees apart: the closest sample pair is a tenth of a Gm or more apart while
  // the orbits actually cross.
  const double a = CrossingAxis(kEarth, 0.5, 250, 137);
  const BodySetup s = RunSetup(kEarth, {0.5, 35, 250, 137, a}, 72);
  EXPECT_GT(s.grid.minGm, 0.1);
  EXPECT_LT(s.moid.moidAu, 1e-8);
  EXPECT_GT(s.grid.minGm / GM_PER_AU, 1e6 * s.moid.moidAu);
  EXPECT_NEAR(LongitudeGap(s.moid.longitudeDeg, 137), 0, 1e-5);
}

TEST(MoidKnownGeometry, OrdinaryOrbitsAgreeWithAnIndependentSearch) {
  const Elements asteroids[] = {
      {0.2226, 10.83, 178.8, 304.3, 1.458},    // an Earth-approacher at 1.46 AU
      {0.0787, 10.59, 73.6, 80.3, 2.767},      // main belt
      {0.559, 6.03, 126.4, 204.4, 1.078},      // Earth-crosser
      {0.19, 3.33, 66.2, 2.1, 0.922},          // inside the Earth's orbit mostly
      {0.83, 22.8, 322.1, 88.0, 1.27},         // eccentric, steep
      {0.1, 160.0, 10.0, 200.0, 2.0},          // retrograde
  };
  for (const Elements& ast : asteroids) {
    const auto truth = ComputeIndependentMoid(kEarth, ast);
    for (int W : {432, 1080}) {
      const BodySetup s = RunSetup(kEarth, ast, W);
      EXPECT_NEAR(s.moid.moidAu, truth.distanceAu, 1e-9) << "a " << ast.a << " W " << W;
      if (truth.distanceAu > 1e-6) {
        EXPECT_LT(LongitudeGap(s.moid.longitudeDeg, truth.earthLongitudeDeg), 1e-4);
      }
    }
  }
}

TEST(MoidKnownGeometry, AsteroidAtTheSunGivesTheEarthsPerihelion) {
  // a = 0 puts every asteroid point at the Sun: no derivative in the asteroid's anomaly,
  // so the matrix is singular on the first pass and both runs keep their start.
  const BodySetup s = RunSetup(kEarth, {0, 0, 0, 0, 0}, 432);
  EXPECT_TRUE(std::isfinite(s.moid.moidAu));
  EXPECT_NEAR(s.moid.moidAu, 1.00000261 * (1 - 0.01671123), 2e-7);
  EXPECT_NEAR(s.grid.minGm, s.moid.moidAu * GM_PER_AU, 1e-9);
}

TEST(MoidRefinement, SingularMatrixKeepsTheAnomaliesReached) {
  const OrbitGeometry earth = PrepareEarthGeometry(Record(kCircularEarth));
  const OrbitGeometry ast = PrepareAsteroidGeometry(Record({0, 0, 0, 0, 0}));
  int counter = -1;
  const RefinedPoint p = RefineFrom(earth, ast, 0.25, 1.5, counter);
  EXPECT_EQ(p.passes, 1);
  EXPECT_EQ(counter, 0);
  EXPECT_EQ(p.earthAnomaly, 0.25);
  EXPECT_EQ(p.asteroidAnomaly, 1.5);
  EXPECT_DOUBLE_EQ(p.distanceAu, 1.0);
  EXPECT_DOUBLE_EQ(p.longitudeDeg, 0.25 * 180 / Pi());
}

TEST(MoidRefinement, ConvergesFromANearbyStart) {
  const Elements ast{0.3, 20, 60, 80, 1.6};
  const OrbitGeometry earth = PrepareEarthGeometry(Record(kCircularEarth));
  const OrbitGeometry g = PrepareAsteroidGeometry(Record(ast));
  const auto truth = ComputeIndependentMoid(kCircularEarth, ast);
  const double lon = truth.earthLongitudeDeg * Pi() / 180;
  int counter = -1;
  // Start a few degrees off the closest pair, in the Earth's anomaly and in the asteroid's
  // orbital longitude.
  const RefinedPoint p = RefineFrom(earth, g, lon + 0.05, lon - (80 + 60) * Pi() / 180 - 0.05,
                                    counter);
  EXPECT_NEAR(p.distanceAu, truth.distanceAu, 1e-10);
  EXPECT_LT(p.passes, 20);
  EXPECT_EQ(counter, p.passes - 1);
}

TEST(MoidRefinement, RunsShareOnePassBudget) {
  const OrbitGeometry earth = PrepareEarthGeometry(Record(kEarth));
  const OrbitGeometry ast = PrepareAsteroidGeometry(Record({0.3, 20, 60, 80, 1.6}));
  // A run that starts with the budget spent still makes one pass.
  for (int spent : {1000, 1001, 5000}) {
    int counter = spent;
    const RefinedPoint p = RefineFrom(earth, ast, 1.0, 2.0, counter);
    EXPECT_EQ(p.passes, 1);
    EXPECT_EQ(counter, spent + 1);
    EXPECT_NE(p.earthAnomaly, 1.0);  // the pass's step was applied
  }
  // From a fresh counter a run ends by itself or after at most 1002 passes.
  int counter = -1;
  const RefinedPoint p = RefineFrom(earth, ast, 1.0, 2.0, counter);
  EXPECT_LE(p.passes, 1002);
  EXPECT_EQ(counter, p.passes - 1);
}

TEST(MoidRefinement, RunTwoMakesOnePassWhenRunOneExhaustsTheBudget) {
  // A nearly parabolic retrograde orbit on which the Newton run from the coarse grid's
  // closest pair never settles.
  const Elements ast{0.99713659141045863, 146.44185134546817, 147.75468943029819,
                     143.84237422991799, 1.7441837184345257};
  const BodySetup s = RunSetup(kEarth, ast, 72);
  int counter = -1;
  const RefinedPoint run1 =
      RefineFrom(s.earth, s.asteroid, s.start.earthAnomaly, s.start.asteroidAnomaly, counter);
  EXPECT_EQ(run1.passes, 1002);
  EXPECT_EQ(counter, 1001);
  const RefinedPoint run2 = RefineFrom(s.earth, s.asteroid, s.start.earthAnomaly + Pi(),
                                       s.start.asteroidAnomaly + Pi(), counter);
  EXPECT_EQ(run2.passes, 1);
  const MoidResult chosen = ChooseBetterRun(run1, run2, s.start);
  EXPECT_EQ(chosen.moidAu, std::min(run1.distanceAu, run2.distanceAu));
}

TEST(MoidRefinement, ChoiceFavoursRunOneOnATieAndReducesTheLongitude) {
  GridMinimum start;
  start.earthIndex = 7;
  start.asteroidIndex = 9;
  RefinedPoint run1, run2;
  run1.distanceAu = 0.25;
  run1.longitudeDeg = -10;
  run2.distanceAu = 0.25;
  run2.longitudeDeg = 400;
  MoidResult r = ChooseBetterRun(run1, run2, start);
  EXPECT_EQ(r.moidAu, 0.25);
  EXPECT_EQ(r.longitudeDeg, 350);
  EXPECT_EQ(r.gridMinEarthIndex, 7);
  EXPECT_EQ(r.gridMinAsteroidIndex, 9);
  run2.distanceAu = std::nextafter(0.25, 0.0);
  r = ChooseBetterRun(run1, run2, start);
  EXPECT_EQ(r.moidAu, run2.distanceAu);
  EXPECT_EQ(r.longitudeDeg, 40);
}

TEST(MoidSearch, FindMoidIsScanThenRefinement) {
  const Elements ast{0.2226, 10.83, 178.8, 304.3, 1.458};
  const BodySetup s = RunSetup(kEarth, ast, 432);
  DistanceGrid grid;
  const MoidResult r =
      FindMoid(s.earthTable, s.asteroidTable, s.earth, s.asteroid, 432, grid);
  EXPECT_EQ(r.moidAu, s.moid.moidAu);
  EXPECT_EQ(r.longitudeDeg, s.moid.longitudeDeg);
  EXPECT_EQ(r.gridMinEarthIndex, s.start.earthIndex);
  EXPECT_EQ(r.gridMinAsteroidIndex, s.start.asteroidIndex);
  EXPECT_EQ(grid.cells, s.grid.cells);
  EXPECT_EQ(grid.minGm, s.grid.minGm);
}

}  // namespace
}  // namespace moid

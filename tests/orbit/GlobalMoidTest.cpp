// The MOID is the global minimum of the distance between the orbits, at every width, also
// when the grid's closest pair lies in the shallower of two or three valleys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "orbit/GridValleys.h"
#include "orbit/MoidRefinement.h"
#include "orbit/MoidTestSupport.h"

namespace moid {
namespace {

using independent::BodySetup;
using independent::ComputeIndependentMoid;
using independent::Elements;
using independent::LongitudeGap;
using independent::RunSetup;

const Elements kEarth{0.01671123, 0.0, 102.93768193, 0.0, 1.00000261};

// Checks the MOID at each width against an independent global minimum, and the widths
// against each other.
void ExpectGlobalAtEveryWidth(const Elements& body, const std::vector<int>& widths) {
  const auto truth = ComputeIndependentMoid(kEarth, body, 1440);
  double lo = INFINITY, hi = -INFINITY;
  for (int W : widths) {
    const BodySetup s = RunSetup(kEarth, body, W);
    EXPECT_NEAR(s.moid.moidAu, truth.distanceAu, 1e-10) << "W " << W;
    EXPECT_LT(LongitudeGap(s.moid.longitudeDeg, truth.earthLongitudeDeg), 1e-3) << "W " << W;
    lo = std::min(lo, s.moid.moidAu);
    hi = std::max(hi, s.moid.moidAu);
  }
  EXPECT_LE(hi - lo, 1e-12) << "e " << body.e << " i " << body.iDeg << " w " << body.omegaDeg;
}

std::vector<int> AllWidths() {
  std::vector<int> widths;
  for (int W = 72; W <= 1440; W += 72) widths.push_back(W);
  return widths;
}

TEST(GlobalMoid, LowInclinationCrosserWithTwoNearEqualMinima) {
  const Elements crosser{0.2759, 0.0465, 143.489, 259.798, 0.8463};
  // Before valleys were refined, W = 432 gave 0.000782 AU at 184.834 deg.
  const BodySetup s = RunSetup(kEarth, crosser, 432);
  EXPECT_NEAR(s.moid.moidAu, 0.0000410210495, 1e-12);
  EXPECT_NEAR(s.moid.longitudeDeg, 256.943549, 1e-6);
  // The grid's closest pair (and with it the view's red segment) is where it was.
  EXPECT_EQ(s.moid.gridMinEarthIndex, 221);
  EXPECT_EQ(s.moid.gridMinAsteroidIndex, 221);
  ExpectGlobalAtEveryWidth(crosser, AllWidths());
}

TEST(GlobalMoid, TheTwoRunsAloneStopInTheShallowerValley) {
  const Elements crosser{0.2759, 0.0465, 143.489, 259.798, 0.8463};
  BodySetup s = RunSetup(kEarth, crosser, 432);
  ASSERT_FALSE(s.start.valleyStarts.empty());
  s.start.valleyStarts.clear();
  const MoidResult twoRuns = RefineMoid(s.earth, s.asteroid, s.start);
  // They end at the other, shallower minimum: well above the global one and far from its
  // longitude.
  const auto truth = ComputeIndependentMoid(kEarth, crosser, 1440);
  EXPECT_GT(twoRuns.moidAu, truth.distanceAu + 5e-4);
  EXPECT_GT(LongitudeGap(twoRuns.longitudeDeg, truth.earthLongitudeDeg), 30.0);
  EXPECT_EQ(RefineFromClosestPair(s.earth, s.asteroid, s.start).moidAu, twoRuns.moidAu);
}

// Orbits whose two nodes both lie close to the Earth's orbit: e cos(omega) near 0 puts the
// nodes at nearly the same distance p from the Sun.
TEST(GlobalMoid, ConstructedTwoValleyOrbits) {
  const Elements bodies[] = {
      {0.30, 0.05, 90.4, 30.0, 1.0005 / (1 - 0.09)},
      {0.30, 0.05, 89.6, 30.0, 1.0005 / (1 - 0.09)},
      {0.45, 0.02, 270.3, 200.0, 0.9995 / (1 - 0.2025)},
      {0.15, 0.10, 91.0, 120.0, 1.0002 / (1 - 0.0225)},
      {0.60, 0.03, 268.7, 310.0, 1.0010 / (1 - 0.36)},
  };
  for (const Elements& body : bodies)
    ExpectGlobalAtEveryWidth(body, {72, 144, 216, 432, 648, 1080, 1440});
}

// Nearly tangent, nearly coplanar orbits: two or three minima within a few degrees, closer
// together than the samples of a narrow window.
TEST(GlobalMoid, NearTangentOrbitsWithMinimaInsideOneCell) {
  const Elements bodies[] = {
      {0.613119653193551, 0.52577174887944056, 119.16929358277861, 104.9575473901163,
       0.61575705562544769},
      {0.56226847248544742, 0.0089109533080588676, 356.16757693321318, 58.02896416361132,
       0.64739493950166138},
      {0.69466949979529657, 1.0952467397060413, 182.09390082157665, 237.89463450549675,
       0.60036338274213175},
      {0.50488641374371979, 0.23014692038286355, 11.115691960524474, 271.66091648780139,
       0.65461606050946641},
      {0.57655286193670952, 0.10542523992149697, 201.70852315422371, 147.33242640399851,
       2.3751362042933928},
  };
  for (const Elements& body : bodies) ExpectGlobalAtEveryWidth(body, {72, 144, 288, 432, 1080});
}

TEST(GlobalMoid, ASmallerResultReplacesTheTwoRunsOnlyByMoreThanTheMargin) {
  const Elements ring{0, 90, 30, 40, 1.2};
  BodySetup s = RunSetup(kEarth, ring, 432);
  const MoidResult twoRuns = RefineFromClosestPair(s.earth, s.asteroid, s.start);
  // Starting again from the closest pair finds the same distance: nothing changes.
  GridStart same;
  same.earthAnomaly = s.start.earthAnomaly;
  same.asteroidAnomaly = s.start.asteroidAnomaly;
  s.start.valleyStarts = {same};
  MoidResult r = RefineMoid(s.earth, s.asteroid, s.start);
  EXPECT_EQ(r.moidAu, twoRuns.moidAu);
  EXPECT_EQ(r.longitudeDeg, twoRuns.longitudeDeg);
  // The other node is as close up to rounding: no replacement either.
  GridStart otherNode = same;
  otherNode.earthAnomaly += Pi();
  otherNode.asteroidAnomaly += Pi();
  s.start.valleyStarts = {otherNode};
  r = RefineMoid(s.earth, s.asteroid, s.start);
  EXPECT_EQ(r.moidAu, twoRuns.moidAu);
  EXPECT_EQ(r.longitudeDeg, twoRuns.longitudeDeg);
}

// A grid built from a function of the two indices, for the valley finder.
struct ValleyGrid {
  int W;
  DistanceGrid grid;
  OrbitTable earth, asteroid;
  std::vector<double> rowMin;
  template <class F>
  ValleyGrid(int w, F f) : W(w) {
    grid.Resize(W);
    earth.Resize(W);
    asteroid.Resize(W);
    rowMin.assign(static_cast<size_t>(W), INFINITY);
    for (int j = 0; j < W; ++j) {
      earth.nu[j] = 0.1 * j;
      asteroid.nu[j] = 0.01 * j;
      for (int k = 0; k < W; ++k) {
        grid.At(j, k) = f(j % (W - 1), k % (W - 1));  // index W - 1 repeats index 0
        rowMin[static_cast<size_t>(j)] = std::min(rowMin[static_cast<size_t>(j)], grid.At(j, k));
      }
    }
  }
  std::vector<GridStart> Starts(double ceiling, int closestJ, int closestK) const {
    return FindValleyStarts(grid, rowMin, ceiling, closestJ, closestK, earth, asteroid);
  }
};

// Distance of index a from index b round a circle of n cells.
double RoundDistance(int a, int b, int n) {
  const int d = std::abs(a - b) % n;
  return std::min(d, n - d);
}

bool HasCell(const std::vector<GridStart>& starts, int j, int k) {
  return std::any_of(starts.begin(), starts.end(), [&](const GridStart& s) {
    return s.earthIndex == j && s.asteroidIndex == k;
  });
}

TEST(ValleyStarts, ValleysAcrossTheWrapAreFoundOnceWithTheirFlanks) {
  // Two bowls on a 20 x 20 torus (W = 21): one at (0, 0), reaching across both edges, one
  // at (10, 12).
  const ValleyGrid g(21, [](int j, int k) {
    const double a = RoundDistance(j, 0, 20) + RoundDistance(k, 0, 20);
    const double b = RoundDistance(j, 10, 20) + RoundDistance(k, 12, 20) + 0.5;
    return std::min(a, b) + 1.0;
  });
  const std::vector<GridStart> starts = g.Starts(100.0, 0, 0);
  // The closest pair gives flank starts only; the other bowl its best cell and flanks.
  ASSERT_TRUE(HasCell(starts, 10, 12));
  EXPECT_FALSE(HasCell(starts, 20, 0));  // the repeated index is not a cell of its own
  const auto best = std::find_if(starts.begin(), starts.end(), [](const GridStart& s) {
    return s.earthIndex == 10 && s.asteroidIndex == 12 && s.earthAnomaly == 1.0 &&
           s.asteroidAnomaly == 0.12;
  });
  ASSERT_NE(best, starts.end());
  EXPECT_EQ(best->distanceGm, 1.5);
  // Each of the two valleys: eight floor starts; the other bowl also its best cell.
  EXPECT_EQ(starts.size(), 8u + 1u + 8u);
  // Floor starts lie at fractions of a step from their valley's best cell.
  int nearOrigin = 0;
  for (const GridStart& s : starts)
    if (s.earthIndex == 0 && s.asteroidIndex == 0) {
      ++nearOrigin;
      EXPECT_LE(std::fabs(s.earthAnomaly), 0.2 + 1e-12);
      EXPECT_LE(std::fabs(s.asteroidAnomaly), 0.02 + 1e-12);
    }
  EXPECT_EQ(nearOrigin, 8);
}

TEST(ValleyStarts, ValleysAboveTheCeilingAreLeftOut) {
  const ValleyGrid g(21, [](int j, int k) {
    const double a = RoundDistance(j, 3, 20) + RoundDistance(k, 3, 20);
    const double b = RoundDistance(j, 13, 20) + RoundDistance(k, 13, 20) + 5.0;
    return std::min(a, b);
  });
  EXPECT_FALSE(HasCell(g.Starts(4.0, 3, 3), 13, 13));
  EXPECT_TRUE(HasCell(g.Starts(5.0, 3, 3), 13, 13));
}

TEST(ValleyStarts, ManyValleysKeepTheLowest) {
  // A bowl every 4 cells in both directions, deeper towards (2, 2).
  const ValleyGrid g(41, [](int j, int k) {
    const int bj = j / 4 * 4 + 2, bk = k / 4 * 4 + 2;
    return 1.0 + std::abs(j - bj) + std::abs(k - bk) + 0.01 * (bj + bk);
  });
  const std::vector<GridStart> starts = g.Starts(1e9, 2, 2);
  int bests = 0;
  double highest = 0;
  for (const GridStart& s : starts)
    if (s.earthIndex % 4 == 2 && s.asteroidIndex % 4 == 2 && s.earthAnomaly == 0.1 * s.earthIndex &&
        s.asteroidAnomaly == 0.01 * s.asteroidIndex) {
      ++bests;
      highest = std::max(highest, s.distanceGm);
    }
  // 100 bowls, the closest pair's not counted: MAX_VALLEYS of them, the lowest. Counting
  // bowls by index sum 8, 12, 16, 20, 24 gives 2 + 3 + 4 + 5 + 6 = 20, so the last four
  // come from the seven with index sum 28.
  EXPECT_EQ(bests, MAX_VALLEYS);
  EXPECT_NEAR(highest, 1.0 + 0.01 * 28, 1e-12);
}

}  // namespace
}  // namespace moid

// The MOID for batch callers: the global minimum of the distance between the orbits, checked
// against the independent search, at every width, on the orbits that are hard for a grid.
#include "orbit/BatchMoid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "orbit/MoidTestSupport.h"

namespace moid {
namespace {

using independent::ComputeIndependentMoid;
using independent::Elements;
using independent::LongitudeGap;
using independent::Record;

const Elements kEarth{0.01671123, 0.0, 102.93768193, 0.0, 1.00000261};

MoidResult BatchMoid(const Elements& earth, const Elements& body, int W) {
  BatchMoidWorkspace work(W);
  return ComputeBatchMoid(PrepareEarthGeometry(Record(earth)), Record(body), work);
}

void ExpectGlobalAtEveryWidth(const Elements& body, const std::vector<int>& widths) {
  const auto truth = ComputeIndependentMoid(kEarth, body, 1440);
  double lo = INFINITY, hi = -INFINITY;
  for (int W : widths) {
    const MoidResult m = BatchMoid(kEarth, body, W);
    EXPECT_NEAR(m.moidAu, truth.distanceAu, 1e-10) << "W " << W << " e " << body.e;
    EXPECT_LT(LongitudeGap(m.longitudeDeg, truth.earthLongitudeDeg), 1e-3) << "W " << W;
    lo = std::min(lo, m.moidAu);
    hi = std::max(hi, m.moidAu);
  }
  EXPECT_LE(hi - lo, 1e-12) << "e " << body.e << " i " << body.iDeg << " w " << body.omegaDeg;
}

TEST(BatchMoid, HardOrbitsGiveTheGlobalMinimumAtEveryWidth) {
  const Elements bodies[] = {
      // A low-inclination Earth-crosser whose closest grid pair lies in the shallower of
      // two near-equal valleys.
      {0.2759, 0.0465, 143.489, 259.798, 0.8463},
      // Both nodes near the Earth's orbit (e cos(omega) near 0).
      {0.30, 0.05, 90.4, 30.0, 1.0005 / (1 - 0.09)},
      {0.45, 0.02, 270.3, 200.0, 0.9995 / (1 - 0.2025)},
      {0.60, 0.03, 268.7, 310.0, 1.0010 / (1 - 0.36)},
      // Nearly tangent, nearly coplanar: minima closer together than the samples.
      {0.613119653193551, 0.52577174887944056, 119.16929358277861, 104.9575473901163,
       0.61575705562544769},
      {0.56226847248544742, 0.0089109533080588676, 356.16757693321318, 58.02896416361132,
       0.64739493950166138},
      {0.50488641374371979, 0.23014692038286355, 11.115691960524474, 271.66091648780139,
       0.65461606050946641},
  };
  for (const Elements& body : bodies) ExpectGlobalAtEveryWidth(body, {72, 144, 432, 1080});
}

TEST(BatchMoid, OrdinaryOrbitsGiveTheGlobalMinimum) {
  const Elements bodies[] = {
      {0.0786, 10.587, 73.53, 80.27, 2.7666},   // main belt, far from the Earth
      {0.2227, 10.828, 178.93, 304.29, 1.4582}, // Amor type
      {0.5331, 26.682, 132.45, 215.51, 2.6659}, // steep and eccentric
      {0.1913, 3.339, 126.39, 204.05, 0.9224},  // Aten type, crossing
      {0.0, 90, 30, 40, 1.2},                   // circular, polar
      {0.97, 5, 10, 20, 20},                    // long-period comet-like, q = 0.6 AU
  };
  for (const Elements& body : bodies) ExpectGlobalAtEveryWidth(body, {72, 216});
}

TEST(BatchMoid, AWorkspaceFollowsAChangeOfEarth) {
  const Elements otherEarth{0.0167, 0.0, 100.0, 0.0, 1.0};
  const Elements body{0.3, 8, 40, 120, 1.3};
  BatchMoidWorkspace work(144);
  const MoidResult first = ComputeBatchMoid(PrepareEarthGeometry(Record(kEarth)), Record(body), work);
  const MoidResult second =
      ComputeBatchMoid(PrepareEarthGeometry(Record(otherEarth)), Record(body), work);
  // The second Earth's MOID, not the first one's: against the independent search.
  const auto truth = ComputeIndependentMoid(otherEarth, body, 720);
  EXPECT_NEAR(second.moidAu, truth.distanceAu, 1e-10);
  EXPECT_GT(std::fabs(second.moidAu - first.moidAu), 1e-4);
  // The samples the grid was built from are the second Earth's (asking again for the same
  // Earth keeps them as they are).
  const OrbitTable& samples = work.EarthSamples(PrepareEarthGeometry(Record(otherEarth)));
  for (int j = 0; j < 144; ++j) {
    const auto p = independent::OrbitPoint(otherEarth, samples.nu[j], true);
    EXPECT_NEAR(samples.x[j], p.x, 1e-14) << j;
    EXPECT_NEAR(samples.y[j], p.y, 1e-14) << j;
  }
}

TEST(BatchMoid, AsteroidSamplesLieOnTheOrbit) {
  // The stepped sines and cosines, at the widest window (the most steps between exact ones).
  const Elements body{0.9, 40, 250, 137, 3.5};
  const int W = 1440;
  const OrbitGeometry g = PrepareAsteroidGeometry(Record(body));
  OrbitTable t;
  t.Resize(W);
  FillAsteroidSamples(g, W, t);
  for (int k = 0; k < W; ++k) {
    EXPECT_DOUBLE_EQ(t.nu[k], k * 2 * Pi() / (W - 1) - (g.node + g.omega)) << k;
    const auto p = independent::OrbitPoint(body, t.nu[k], false);
    EXPECT_NEAR(t.x[k], p.x, 1e-13) << k;
    EXPECT_NEAR(t.y[k], p.y, 1e-13) << k;
    EXPECT_NEAR(t.z[k], p.z, 1e-13) << k;
  }
}

TEST(BatchMoid, GridHoldsSquaredDistancesAndTheClosestPair) {
  const Elements body{0.2759, 0.0465, 143.489, 259.798, 0.8463};
  const int W = 72;
  const OrbitGeometry earth = PrepareEarthGeometry(Record(kEarth));
  const OrbitGeometry ast = PrepareAsteroidGeometry(Record(body));
  OrbitTable et, at;
  et.Resize(W);
  at.Resize(W);
  FillOrbitTable(earth, W, et);
  FillAsteroidSamples(ast, W, at);
  SquaredDistanceGrid grid;
  grid.Resize(W);
  const GridMinimum m = ScanSquaredDistances(et, at, grid);
  double smallest = INFINITY;
  int bestJ = -1, bestK = -1;
  for (int j = 0; j < W - 1; ++j) {
    double rowLow = INFINITY, rowHigh = -INFINITY;
    for (int k = 0; k < W - 1; ++k) {
      const auto pe = independent::OrbitPoint(kEarth, et.nu[j], true);
      const auto pa = independent::OrbitPoint(body, at.nu[k], false);
      const double d = std::hypot(pe.x - pa.x, pe.y - pa.y, pe.z - pa.z);
      EXPECT_NEAR(grid.cells.At(j, k), d * d, 1e-13) << j << ' ' << k;
      rowLow = std::min(rowLow, d * d);
      rowHigh = std::max(rowHigh, d * d);
      if (d < smallest) {
        smallest = d;
        bestJ = j;
        bestK = k;
      }
    }
    // Each row's extremes, kept by the scan, are those of the independent distances.
    EXPECT_NEAR(grid.rowMin[static_cast<std::size_t>(j)], rowLow, 1e-13) << j;
    EXPECT_NEAR(grid.rowMax[static_cast<std::size_t>(j)], rowHigh, 1e-13) << j;
  }
  EXPECT_EQ(m.earthIndex, bestJ);
  EXPECT_EQ(m.asteroidIndex, bestK);
  EXPECT_EQ(m.earthAnomaly, et.nu[bestJ]);
  EXPECT_EQ(m.asteroidAnomaly, at.nu[bestK]);
  EXPECT_FALSE(m.valleyStarts.empty());
}

TEST(BatchMoid, RowExtremesSkipAnUnusableSample) {
  // Asteroid points on a line, one of them NaN: every row's smallest and largest squared
  // distance are those of the other points, whichever vector lane the NaN falls in.
  const int W = 72;
  OrbitTable et, at;
  et.Resize(W);
  at.Resize(W);
  for (int j = 0; j < W; ++j) {
    et.x[j] = 0.5 * j;
    et.y[j] = et.z[j] = 0;
    et.nu[j] = 0;
  }
  for (const int nanAt : {0, 1, 3, 37, W - 1}) {
    for (int k = 0; k < W; ++k) {
      at.x[k] = 0.25 * k;
      at.y[k] = 1;
      at.z[k] = 0;
      at.nu[k] = 0;
    }
    at.x[static_cast<std::size_t>(nanAt)] = NAN;
    SquaredDistanceGrid grid;
    grid.Resize(W);
    ScanSquaredDistances(et, at, grid);
    for (int j = 0; j < W - 1; ++j) {
      double low = INFINITY, high = -INFINITY;
      for (int k = 0; k < W; ++k) {
        if (k == nanAt) continue;
        const double dx = 0.25 * k - 0.5 * j, d2 = dx * dx + 1;
        low = std::min(low, d2);
        high = std::max(high, d2);
      }
      EXPECT_EQ(grid.rowMin[static_cast<std::size_t>(j)], low) << nanAt << ' ' << j;
      EXPECT_EQ(grid.rowMax[static_cast<std::size_t>(j)], high) << nanAt << ' ' << j;
    }
  }
}

}  // namespace
}  // namespace moid

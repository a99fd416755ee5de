#include <gtest/gtest.h>

#include <cmath>

#include "orbit/DistanceScan.h"

namespace moid {
namespace {

// Tables of W samples (plus the animation slot) from explicit coordinates.
OrbitTable MakeTable(const std::vector<Vec3>& points) {
  OrbitTable t;
  t.Resize(static_cast<int>(points.size()));
  for (size_t i = 0; i < points.size(); ++i) {
    t.nu[i] = 0.5 * static_cast<double>(i);
    t.x[i] = points[i].x;
    t.y[i] = points[i].y;
    t.z[i] = points[i].z;
  }
  return t;
}

TEST(DistanceScan, TiesGoToTheLowestEarthIndexThenAsteroidIndex) {
  // Earth points 0..3, asteroid points 0..3: the smallest distance, 1 AU, occurs at
  // (1, 2), (1, 3), (2, 0) and (3, 0).
  const OrbitTable earth = MakeTable({{10, 0, 0}, {0, 0, 0}, {4, 0, 0}, {4, 0, 0}});
  const OrbitTable ast = MakeTable({{3, 0, 0}, {0, 3, 4}, {0, 1, 0}, {0, 0, -1}});
  DistanceGrid grid;
  grid.Resize(4);
  const GridMinimum m = ScanDistanceGrid(earth, ast, 4, grid);
  EXPECT_EQ(m.earthIndex, 1);
  EXPECT_EQ(m.asteroidIndex, 2);
  EXPECT_EQ(m.earthAnomaly, 0.5);
  EXPECT_EQ(m.asteroidAnomaly, 1.0);
  EXPECT_EQ(grid.minGm, GM_PER_AU);
  // Earth point 0 at (10, 0, 0) is farthest from (0, 3, 4): sqrt(125).
  EXPECT_EQ(grid.maxGm, std::sqrt(125.0) * GM_PER_AU);
  EXPECT_EQ(grid.gridMaxEarthIndex, 0);
  EXPECT_EQ(grid.gridMaxAsteroidIndex, 1);
  EXPECT_EQ(grid.At(1, 3), GM_PER_AU);
  EXPECT_EQ(grid.At(2, 0), GM_PER_AU);
  EXPECT_EQ(grid.At(3, 0), GM_PER_AU);
}

TEST(DistanceScan, EqualMaximaKeepTheFirst) {
  const OrbitTable earth = MakeTable({{0, 0, 0}, {1, 0, 0}, {0, 0, 0}});
  const OrbitTable ast = MakeTable({{0, 0, 2}, {3, 0, 0}, {-2, 0, 0}});
  DistanceGrid grid;
  grid.Resize(3);
  ScanDistanceGrid(earth, ast, 3, grid);
  // 3 occurs at (0, 1), (1, 2) and (2, 1): the first in scan order wins.
  EXPECT_EQ(grid.maxGm, 3 * GM_PER_AU);
  EXPECT_EQ(grid.gridMaxEarthIndex, 0);
  EXPECT_EQ(grid.gridMaxAsteroidIndex, 1);
}

TEST(DistanceScan, EqualDistancesEverywhereMakeTheFirstCellBothExtremes) {
  const OrbitTable earth = MakeTable({{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}});
  const OrbitTable ast = MakeTable({{2, 0, 0}, {0, 2, 0}, {0, 0, 2}, {-2, 0, 0}, {0, -2, 0}});
  DistanceGrid grid;
  grid.Resize(5);
  const GridMinimum m = ScanDistanceGrid(earth, ast, 5, grid);
  EXPECT_EQ(m.earthIndex, 0);
  EXPECT_EQ(m.asteroidIndex, 0);
  EXPECT_EQ(grid.gridMaxEarthIndex, 0);
  EXPECT_EQ(grid.gridMaxAsteroidIndex, 0);
  EXPECT_EQ(grid.minGm, grid.maxGm);
}

TEST(DistanceScan, FillsEveryCellOnceAndLeavesTheAnimationSlotsZero) {
  const ElementRecord e{0.0167, 0, 102.9, 0, 1.0, 0, "E"};
  const ElementRecord a{0.4, 12, 30, 70, 1.9, 0, "A"};
  const OrbitGeometry earth = PrepareEarthGeometry(e), ast = PrepareAsteroidGeometry(a);
  for (int W : {72, 73, 432}) {  // 73 checks an odd row length
    OrbitTable et, at;
    et.Resize(W);
    at.Resize(W);
    BuildOrbitTables(earth, ast, W, et, at);
    // Animation slots hold something: the scan must not read them.
    et.x[W] = at.x[W] = 1e-9;
    DistanceGrid grid;
    grid.Resize(W);
    const GridMinimum m = ScanDistanceGrid(et, at, W, grid);
    double lo = 1e300, hi = -1;
    for (int j = 0; j < W; ++j) {
      for (int k = 0; k < W; ++k) {
        const double dx = at.x[k] - et.x[j], dy = at.y[k] - et.y[j], dz = at.z[k] - et.z[j];
        // Same value, to the last bit, as the formula evaluated one cell at a time.
        ASSERT_EQ(grid.At(j, k), std::sqrt(dx * dx + dy * dy + dz * dz) * GM_PER_AU)
            << j << "," << k;
        lo = std::min(lo, grid.At(j, k));
        hi = std::max(hi, grid.At(j, k));
      }
      EXPECT_EQ(grid.At(j, W), 0.0);
      EXPECT_EQ(grid.At(W, j), 0.0);
      // The last sample repeats the first on both orbits.
      EXPECT_NEAR(grid.At(j, W - 1), grid.At(j, 0), 1e-12);
      EXPECT_NEAR(grid.At(W - 1, j), grid.At(0, j), 1e-12);
    }
    EXPECT_EQ(grid.minGm, lo);
    EXPECT_EQ(grid.maxGm, hi);
    EXPECT_EQ(grid.At(m.earthIndex, m.asteroidIndex), lo);
    EXPECT_EQ(grid.At(grid.gridMaxEarthIndex, grid.gridMaxAsteroidIndex), hi);
    EXPECT_EQ(m.earthAnomaly, et.nu[m.earthIndex]);
    EXPECT_EQ(m.asteroidAnomaly, at.nu[m.asteroidIndex]);
  }
}

TEST(DistanceScan, ResizesAGridOfTheWrongShape) {
  const OrbitTable earth = MakeTable({{1, 0, 0}, {0, 1, 0}});
  const OrbitTable ast = MakeTable({{2, 0, 0}, {0, 2, 0}});
  DistanceGrid grid;  // never sized
  ScanDistanceGrid(earth, ast, 2, grid);
  ASSERT_EQ(grid.W, 2);
  ASSERT_EQ(grid.cells.size(), 9u);
  EXPECT_EQ(grid.At(0, 0), GM_PER_AU);
  EXPECT_EQ(grid.At(1, 1), GM_PER_AU);
}

TEST(DistanceScan, NotANumberNeverBecomesAnExtreme) {
  const double nan = std::nan("");
  const OrbitTable earth = MakeTable({{nan, 0, 0}, {0, 0, 0}});
  const OrbitTable ast = MakeTable({{1, 0, 0}, {0, 2, 0}});
  DistanceGrid grid;
  grid.Resize(2);
  const GridMinimum m = ScanDistanceGrid(earth, ast, 2, grid);
  EXPECT_EQ(m.earthIndex, 1);
  EXPECT_EQ(m.asteroidIndex, 0);
  EXPECT_EQ(grid.minGm, GM_PER_AU);
  EXPECT_EQ(grid.maxGm, 2 * GM_PER_AU);
}

}  // namespace
}  // namespace moid

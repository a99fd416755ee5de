#include "distmap/ColorRamp.h"

#include "orbit/DistanceScan.h"

#include <gtest/gtest.h>

#include <cmath>

namespace moid {
namespace {

struct Rgb {
  int r, g, b;
};

Rgb Unpack(Color c) {
  return {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
          static_cast<int>((c >> 16) & 0xFF)};
}

void ExpectRgb(int c, int r, int g, int b) {
  const Rgb got = Unpack(RampColor(c));
  EXPECT_EQ(got.r, r) << "c " << c;
  EXPECT_EQ(got.g, g) << "c " << c;
  EXPECT_EQ(got.b, b) << "c " << c;
  EXPECT_EQ(RampColor(c) >> 24, 0u) << "c " << c;
}

TEST(RampColor, SegmentEnds) {
  ExpectRgb(0, 255, 0, 0);        // red
  ExpectRgb(255, 255, 255, 0);    // yellow
  ExpectRgb(256, 255, 255, 0);    // 512 - 256 = 256 clamps to 255
  ExpectRgb(511, 1, 255, 0);
  ExpectRgb(512, 0, 255, 1);
  ExpectRgb(767, 0, 255, 255);    // 767 - 511 = 256 clamps to 255
  ExpectRgb(768, 0, 255, 255);
  ExpectRgb(1023, 0, 0, 255);     // blue
  ExpectRgb(1024, 0, 0, 255);
  ExpectRgb(1279, 255, 0, 255);   // magenta
  ExpectRgb(1280, 255, 0, 255);
  ExpectRgb(1535, 0, 0, 0);
  ExpectRgb(1536, 0, 0, 0);
}

TEST(RampColor, InsideTheSegments) {
  ExpectRgb(100, 255, 100, 0);
  ExpectRgb(400, 112, 255, 0);
  ExpectRgb(600, 0, 255, 89);
  ExpectRgb(900, 0, 123, 255);
  ExpectRgb(1100, 76, 0, 255);
  ExpectRgb(1400, 135, 0, 135);
}

TEST(RampColor, OutsideTheRampIsBlack) {
  for (int c : {-1, -1000, 1537, 5000, 2147483647}) EXPECT_EQ(RampColor(c), 0u) << c;
}

TEST(RampColor, NeighboursDifferByAtMostOneStep) {
  for (int c = 1; c <= 1535; ++c) {
    const Rgb a = Unpack(RampColor(c - 1)), b = Unpack(RampColor(c));
    EXPECT_LE(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b), 2) << c;
  }
}

// A one-row grid holding the given distances (in Gm) in row 0, from cell (0, 0) on.
DistanceGrid RowGrid(const std::vector<double>& d, double minGm, double maxGm) {
  DistanceGrid g;
  g.Resize(static_cast<int>(d.size()));
  for (size_t k = 0; k < d.size(); ++k) g.At(0, static_cast<int>(k)) = d[k];
  g.minGm = minGm;
  g.maxGm = maxGm;
  return g;
}

TEST(BuildColorGrid, RampRunsFromRedAtTheMinimumToBlackAtTheMaximum) {
  // 1536 Gm of range: c equals the distance above the minimum.
  const DistanceGrid g = RowGrid({1.0, 1.0 + 255, 1.0 + 767, 1.0 + 1535, 1.0 + 1536, 1.0 + 1023},
                                 1.0, 1537.0);
  ColorGrid colors;
  BuildColorGrid(g, g.W, colors);
  EXPECT_EQ(colors.At(0, 0), RgbColor(255, 0, 0));
  EXPECT_EQ(colors.At(0, 1), RgbColor(255, 255, 0));
  EXPECT_EQ(colors.At(0, 2), RgbColor(0, 255, 255));
  EXPECT_EQ(colors.At(0, 3), RgbColor(0, 0, 0));
  EXPECT_EQ(colors.At(0, 4), RgbColor(0, 0, 0));
  EXPECT_EQ(colors.At(0, 5), RgbColor(0, 0, 255));
}

TEST(BuildColorGrid, RampPositionRoundsHalfToEven) {
  // Range 3072 Gm: c = (d - min) / 2, so odd offsets are exact halves.
  const DistanceGrid g = RowGrid({2.0 + 1, 2.0 + 3, 2.0 + 5, 2.0 + 3071}, 2.0, 3074.0);
  ColorGrid colors;
  BuildColorGrid(g, g.W, colors);
  EXPECT_EQ(colors.At(0, 0), RampColor(0));     // 0.5 -> 0
  EXPECT_EQ(colors.At(0, 1), RampColor(2));     // 1.5 -> 2
  EXPECT_EQ(colors.At(0, 2), RampColor(2));     // 2.5 -> 2
  EXPECT_EQ(colors.At(0, 3), RampColor(1536));  // 1535.5 -> 1536, black
}

TEST(BuildColorGrid, NearTheTopTheRampFadesToBlack) {
  // (d - min) / (max - min) of at least 1535.5 / 1536 gives c = 1536.
  const double min = 100, max = 1636;
  const DistanceGrid g = RowGrid({min + 1535.4, min + 1535.6, min + 1534.6}, min, max);
  ColorGrid colors;
  BuildColorGrid(g, g.W, colors);
  EXPECT_EQ(colors.At(0, 0), RampColor(1535));
  EXPECT_EQ(colors.At(0, 1), 0u);
  EXPECT_EQ(colors.At(0, 2), RampColor(1535));
  EXPECT_EQ(RampColor(1535), 0u);
}

TEST(BuildColorGrid, IsoDistanceBandsAreBlack) {
  // Range 0.1 .. 1536.1: outside the bands every cell here has a colored ramp position.
  const DistanceGrid g = RowGrid({0.4, 19.5, 20.5, 21.5, 9.4999, 10.5, 30.0, 25.0, 0.1}, 0.1,
                                 1536.1);
  ColorGrid colors;
  BuildColorGrid(g, g.W, colors);
  EXPECT_EQ(colors.At(0, 0), 0u);  // 0.4 rounds to 0
  EXPECT_EQ(colors.At(0, 1), 0u);  // 19.5 rounds to 20
  EXPECT_EQ(colors.At(0, 2), 0u);  // 20.5 rounds to 20
  EXPECT_NE(colors.At(0, 3), 0u);  // 21.5 rounds to 22
  EXPECT_NE(colors.At(0, 4), 0u);  // 9.4999 rounds to 9
  EXPECT_EQ(colors.At(0, 5), 0u);  // 10.5 rounds to 10
  EXPECT_EQ(colors.At(0, 6), 0u);
  EXPECT_EQ(colors.At(0, 7), RampColor(25));  // 24.9 -> 25
  EXPECT_EQ(colors.At(0, 8), 0u);  // the minimum itself lies in the band at 0
}

TEST(BuildColorGrid, SmallestDistanceIsRedOutsideTheBands) {
  const DistanceGrid g = RowGrid({3.0, 200.0, 57.0}, 3.0, 200.0);
  ColorGrid colors;
  BuildColorGrid(g, g.W, colors);
  EXPECT_EQ(colors.At(0, 0), RgbColor(255, 0, 0));
  EXPECT_EQ(colors.At(0, 1), 0u);  // 200 is on an iso line anyway
  EXPECT_EQ(colors.At(0, 2), RampColor(static_cast<int>(std::nearbyint(1536 * 54.0 / 197.0))));
}

TEST(BuildColorGrid, NoRangeMeansBlackOutsideTheBands) {
  const DistanceGrid g = RowGrid({5.0, 5.0, 5.0}, 5.0, 5.0);
  ColorGrid colors;
  BuildColorGrid(g, g.W, colors);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(colors.At(0, k), 0u);
}

TEST(BuildColorGrid, NonFiniteDistancesAreBlack) {
  const DistanceGrid g =
      RowGrid({std::nan(""), INFINITY, 1e300, -3.0, 7.0}, 1.0, 1537.0);
  ColorGrid colors;
  BuildColorGrid(g, g.W, colors);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(colors.At(0, k), 0u) << k;
  EXPECT_EQ(colors.At(0, 4), RampColor(6));
}

TEST(BuildColorGrid, FillsEveryCellOfTheWidthAndNothingElse) {
  for (int W : {432, 1080}) {
    DistanceGrid g;
    g.Resize(W);
    for (int j = 0; j < W; ++j)
      for (int k = 0; k < W; ++k) g.At(j, k) = 11.0 + j + 0.5 * k;
    g.minGm = 11.0;
    g.maxGm = 11.0 + (W - 1) * 1.5;
    ColorGrid colors;
    colors.Resize(W);
    for (auto& c : colors.cells) c = 0xABCDEFu;  // marks cells never written
    BuildColorGrid(g, W, colors);
    ASSERT_EQ(colors.cells.size(), static_cast<size_t>(W + 1) * (W + 1));
    for (int j = 0; j < W; ++j) {
      for (int k = 0; k < W; ++k) {
        const double d = g.At(j, k);
        const bool band = static_cast<long long>(std::nearbyint(d)) % 10 == 0;
        const double c = std::nearbyint(1536 * (d - g.minGm) / (g.maxGm - g.minGm));
        ASSERT_EQ(colors.At(j, k), band ? 0u : RampColor(static_cast<int>(c))) << j << "," << k;
      }
      EXPECT_EQ(colors.At(j, W), 0xABCDEFu);
      EXPECT_EQ(colors.At(W, j), 0xABCDEFu);
    }
  }
}

}  // namespace
}  // namespace moid

namespace moid {
namespace {

// The color of one distance by the rules themselves: round to whole Gm for the iso
// line test, round 1536 (d - min) / (max - min) for the ramp.
Color ReferenceColor(double d, double minGm, double maxGm) {
  const double n = std::nearbyint(d);
  if (std::fabs(n) < 1e18 && static_cast<long long>(n) % 10 == 0) return 0;
  const double c = std::nearbyint(1536 * (d - minGm) / (maxGm - minGm));
  if (!(c >= 0 && c <= 1536)) return 0;
  return RampColor(static_cast<int>(c));
}

void ExpectEveryKernelMatchesTheRules(const DistanceGrid& g, int W) {
  for (ColorKernel kernel :
       {ColorKernel::Fastest, ColorKernel::Plain, ColorKernel::Sse2, ColorKernel::Avx2}) {
    ColorGrid colors;
    if (!BuildColorGridWith(g, W, colors, kernel)) continue;  // not on this processor
    for (int j = 0; j < W; ++j)
      for (int k = 0; k < W; ++k)
        ASSERT_EQ(colors.At(j, k), ReferenceColor(g.At(j, k), g.minGm, g.maxGm))
            << "kernel " << static_cast<int>(kernel) << " cell " << j << "," << k << " d "
            << g.At(j, k);
  }
}

TEST(ColorKernels, ExactHalvesOfTheRampTakeTheDivision) {
  // Range 3072: every odd whole distance sits exactly half-way between two positions.
  const int W = 37;
  DistanceGrid g;
  g.Resize(W);
  for (int j = 0; j < W; ++j)
    for (int k = 0; k < W; ++k) g.At(j, k) = 1.0 + (j * W + k) * 2.25;
  g.minGm = 1.0;
  g.maxGm = 3073.0;
  ExpectEveryKernelMatchesTheRules(g, W);
}

TEST(ColorKernels, BandEdgesAndNearHalves) {
  const std::vector<double> edges = {0.0, 0.5, 0.49999999999999994, 4.5, 5.0, 5.5, 9.5,
                                     9.499999999999998, 10.5, 10.500000000000002, 14.5,
                                     15.0, 19.5, 20.5, 99.5, 100.5, 1009.5, 1010.5,
                                     123456.5, 123455.5, 123465.49999999999};
  const int W = static_cast<int>(edges.size());
  DistanceGrid g;
  g.Resize(W);
  for (int j = 0; j < W; ++j)
    for (int k = 0; k < W; ++k) g.At(j, k) = edges[(j + k) % W] + (j == 3 ? 1e-9 : 0.0);
  g.minGm = 0.0;
  g.maxGm = 123466.0;
  ExpectEveryKernelMatchesTheRules(g, W);
}

TEST(ColorKernels, RealOrbitGridAtSeveralWidths) {
  const ElementRecord e{0.01671123, 0, 102.93768193, 0, 1.00000261, 0, "E"};
  const ElementRecord a{0.2759, 0.0465, 143.489, 259.798, 0.8463, 0, "A"};
  const OrbitGeometry earth = PrepareEarthGeometry(e), ast = PrepareAsteroidGeometry(a);
  for (int W : {72, 433, 1080}) {
    OrbitTable et, at;
    et.Resize(W);
    at.Resize(W);
    BuildOrbitTables(earth, ast, W, et, at);
    DistanceGrid g;
    g.Resize(W);
    ScanDistanceGrid(et, at, W, g);
    ExpectEveryKernelMatchesTheRules(g, W);
  }
}

TEST(ColorKernels, AbsurdDistancesFallBackToThePlainRules) {
  DistanceGrid g;
  g.Resize(3);
  const double values[] = {1e15, 1e15 + 10, 2e15, 5e15, 7.5e15, 1e16, 3e15 + 4, 3e15 + 6, 0};
  for (int i = 0; i < 9; ++i) g.At(i / 3, i % 3) = values[i];
  g.minGm = 0;
  g.maxGm = 1e16;
  ExpectEveryKernelMatchesTheRules(g, 3);
}

}  // namespace
}  // namespace moid

#if !defined(NDEBUG)
namespace moid {
namespace {

TEST(ColorGridContractDeathTest, ACellOutsideTheGridNamesWhatWasExpected) {
  ColorGrid colors;
  colors.Resize(4);
  EXPECT_EQ(colors.At(4, 4), 0u);  // the extra row and column are part of the grid
  EXPECT_DEATH(colors.At(5, 0), "expected a cell of the grid");
  EXPECT_DEATH(colors.At(0, -1), "expected a cell of the grid");
}

}  // namespace
}  // namespace moid
#endif

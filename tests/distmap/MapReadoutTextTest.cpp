#include <gtest/gtest.h>

#include "distmap/MapReadout.h"
#include "MapTestSupport.h"

namespace moid {
namespace {

constexpr int W = 432;

DistanceGrid GridWith(int j, int k, double d) {
  DistanceGrid grid;
  grid.Resize(W);
  grid.At(j, k) = d;
  return grid;
}

TEST(MapPointerTest, OverTheMapOnlyInsideTheCells) {
  EXPECT_TRUE(IsOverMap(W, {0, 1}));        // top-left cell
  EXPECT_TRUE(IsOverMap(W, {W - 1, W}));    // bottom-right cell
  EXPECT_TRUE(IsOverMap(W, {0, W}));
  EXPECT_TRUE(IsOverMap(W, {W - 1, 1}));
  EXPECT_FALSE(IsOverMap(W, {W, 200}));     // the frame's right side
  EXPECT_FALSE(IsOverMap(W, {200, 0}));     // one pixel above the top row
  EXPECT_FALSE(IsOverMap(W, {-1, 200}));    // left of the frame
  EXPECT_FALSE(IsOverMap(W, {200, W + 1})); // the frame's bottom side
  EXPECT_FALSE(IsOverMap(W, {-34, -26}));   // the graphics area's corner
}

TEST(MapPointerTest, ReadsThePointerRelativeToTheMap) {
  headless::HeadlessPlatform hp;
  maptest::SizeScreenForMap(hp, W);
  hp.GetCanvas().SetPointer(34, 27);
  EXPECT_EQ(ReadMapPointer(hp.Graphics()), (MapPointer{0, 1}));
  hp.GetCanvas().SetPointer(34 + W, 26);
  EXPECT_EQ(ReadMapPointer(hp.Graphics()), (MapPointer{W, 0}));
}

TEST(MapReadoutText, TheWorkedExampleLine) {
  const DistanceGrid grid = GridWith(108, 216, 37.7);
  EXPECT_EQ(ReadoutLine(grid, W, 108, 216),
            "X =  90.0\xB0, Y = 180.0\xB0   Dist = 0.252009 AU,    37.7000 Gm");
  // The same cell by pointer: mx = j, my = W - k.
  EXPECT_EQ(ReadoutFor(grid, W, {108, W - 216}), ReadoutLine(grid, W, 108, 216));
}

TEST(MapReadoutText, DegreesUseTheWidthAsDivisorAndRoundHalvesToEven) {
  const DistanceGrid grid = GridWith(0, 0, 0.0);
  // 360 * 431 / 432 = 359.17
  EXPECT_EQ(ReadoutLine(grid, W, 431, 0).substr(0, 11), "X = 359.0\xB0,");
  // 360 * 3 / 432 = 2.5, halfway: to the even 2
  EXPECT_EQ(ReadoutLine(grid, W, 3, 0).substr(0, 11), "X =   2.0\xB0,");
  // 360 * 9 / 432 = 7.5, halfway: to the even 8
  EXPECT_EQ(ReadoutLine(grid, W, 9, 0).substr(0, 11), "X =   8.0\xB0,");
  EXPECT_EQ(ReadoutLine(grid, W, 0, 9).substr(11, 14), " Y =   8.0\xB0   ");
}

TEST(MapReadoutText, TopAndBottomRows) {
  DistanceGrid grid;
  grid.Resize(W);
  grid.At(5, W - 1) = 20.0;
  grid.At(5, 0) = 30.0;
  // my = 1 is the top row, k = W - 1: 360 * 431 / 432 rounds to 359
  const std::string top = ReadoutFor(grid, W, {5, 1});
  EXPECT_EQ(top.substr(11, 14), " Y = 359.0\xB0   ");
  EXPECT_NE(top.find("  20.0000 Gm"), std::string::npos) << top;
  // my = W is the bottom row, k = 0
  const std::string bottom = ReadoutFor(grid, W, {5, W});
  EXPECT_EQ(bottom.substr(11, 14), " Y =   0.0\xB0   ");
  EXPECT_NE(bottom.find("  30.0000 Gm"), std::string::npos) << bottom;
}

TEST(MapReadoutText, OffTheMapTheLineIsSixtyBlanks) {
  const DistanceGrid grid = GridWith(0, 0, 1.0);
  EXPECT_EQ(ReadoutFor(grid, W, {W, 100}), std::string(60, ' '));
  EXPECT_EQ(ReadoutFor(grid, W, {100, 0}), std::string(60, ' '));
  EXPECT_EQ(BLANK_READOUT, std::string(60, ' '));
  EXPECT_EQ(MapReadout{}.readoutText, std::string(60, ' '));
}

TEST(MapReadoutText, TenAstronomicalUnitsOrMoreWidenTheLine) {
  // 1495.9 Gm = 9.99947 AU still fits; 1870 Gm = 12.500178 AU needs one more place.
  const std::string fits = ReadoutLine(GridWith(1, 1, 1495.9), W, 1, 1);
  const std::string wide = ReadoutLine(GridWith(1, 1, 1870.0), W, 1, 1);
  EXPECT_EQ(fits.size(), 58u);
  EXPECT_EQ(fits.substr(25), "Dist = 9.999474 AU,  1495.9000 Gm");
  EXPECT_EQ(wide.size(), 59u);
  EXPECT_EQ(wide.substr(25), "Dist = 12.500178 AU,  1870.0000 Gm");
}

TEST(MapReadoutText, ZeroDistanceOnAnOrbitCrossing) {
  EXPECT_EQ(ReadoutLine(GridWith(0, 0, 0.0), W, 0, 0),
            "X =   0.0\xB0, Y =   0.0\xB0   Dist = 0.000000 AU,     0.0000 Gm");
}

}  // namespace
}  // namespace moid

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <set>
#include <utility>

#include "CanvasTestSupport.h"
#include "platform/Canvas.h"

namespace moid {
namespace {

using testing::CountOf;
using testing::Picture;
using testing::PixelsNotOf;
using PixelSet = std::set<std::pair<int, int>>;

PixelSet InkOf(const Canvas& c) {
  const auto v = PixelsNotOf(c, WHITE);
  return PixelSet(v.begin(), v.end());
}

class CanvasLine : public ::testing::Test {
 protected:
  void SetUp() override {
    canvas.Resize(40, 20);
    canvas.PenColor(BLACK);
  }
  // The pixels of one line drawn alone on a fresh white area.
  PixelSet LineAlone(int x1, int y1, int x2, int y2, int style = 0) {
    Canvas c;
    c.Resize(canvas.Width(), canvas.Height());
    c.PenStyle(style);
    c.DrawLine(x1, y1, x2, y2);
    return InkOf(c);
  }
  PixelSet SegmentAlone(double x1, double y1, double x2, double y2, int style = 0) {
    Canvas c;
    c.Resize(canvas.Width(), canvas.Height());
    c.PenStyle(style);
    c.DrawSegment(x1, y1, x2, y2);
    return InkOf(c);
  }
  Canvas canvas;
};

TEST_F(CanvasLine, AxisParallelLinesCoverExactlyTheirPixelsEndpointsIncluded) {
  EXPECT_EQ(LineAlone(2, 3, 9, 3),
            (PixelSet{{2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 3}, {8, 3}, {9, 3}}));
  EXPECT_EQ(LineAlone(5, 7, 5, 2), (PixelSet{{5, 2}, {5, 3}, {5, 4}, {5, 5}, {5, 6}, {5, 7}}));
  EXPECT_EQ(LineAlone(4, 4, 4, 4), (PixelSet{{4, 4}}));  // a point is one pixel
}

TEST_F(CanvasLine, DiagonalIsOnePixelPerStep) {
  PixelSet expected;
  for (int i = 0; i <= 7; ++i) expected.insert({i, i});
  EXPECT_EQ(LineAlone(0, 0, 7, 7), expected);
  PixelSet anti;
  for (int i = 0; i <= 5; ++i) anti.insert({10 + i, 15 - i});
  EXPECT_EQ(LineAlone(10, 15, 15, 10), anti);
}

TEST_F(CanvasLine, ShallowLineFollowsTheExactLineRoundedHalfToEven) {
  // y = x / 3 at each column, rounded: 0 0 1 1 1 2 2 2 3 3 (worked by hand).
  const int expectedY[] = {0, 0, 1, 1, 1, 2, 2, 2, 3, 3};
  PixelSet expected;
  for (int x = 0; x <= 9; ++x) expected.insert({x, expectedY[x]});
  EXPECT_EQ(LineAlone(0, 0, 9, 3), expected);
  // y = x / 4: at x = 2 the exact value 0.5 rounds to the even 0, at x = 6 1.5 goes to 2.
  EXPECT_EQ(LineAlone(0, 0, 8, 2),
            (PixelSet{{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 1}, {6, 2}, {7, 2}, {8, 2}}));
}

TEST_F(CanvasLine, SteepLineStepsInY) {
  const int expectedX[] = {0, 0, 1, 1, 1, 2, 2, 2, 3, 3};
  PixelSet expected;
  for (int y = 0; y <= 9; ++y) expected.insert({expectedX[y], y});
  EXPECT_EQ(LineAlone(0, 0, 3, 9), expected);
}

TEST_F(CanvasLine, ALineAndItsReverseCoverTheSamePixels) {
  const int lines[][4] = {{0, 0, 8, 2},   {1, 17, 38, 2}, {3, 1, 7, 19},
                          {39, 0, 0, 19}, {5, 5, 30, 6},  {0, 10, 39, 11}};
  for (const auto& l : lines) {
    EXPECT_EQ(LineAlone(l[0], l[1], l[2], l[3]), LineAlone(l[2], l[3], l[0], l[1]))
        << l[0] << "," << l[1] << " - " << l[2] << "," << l[3];
  }
}

TEST_F(CanvasLine, OnePixelPerMajorStepAndEightConnected) {
  const int lines[][4] = {{1, 17, 38, 2}, {3, 1, 7, 19}, {39, 0, 0, 19}, {5, 5, 30, 6}};
  for (const auto& l : lines) {
    const PixelSet ink = LineAlone(l[0], l[1], l[2], l[3]);
    const int steps = std::max(std::abs(l[2] - l[0]), std::abs(l[3] - l[1]));
    EXPECT_EQ(static_cast<int>(ink.size()), steps + 1);
    EXPECT_TRUE(ink.count({l[0], l[1]}) && ink.count({l[2], l[3]}));
    for (const auto& [x, y] : ink) {
      if (x == l[2] && y == l[3]) continue;
      bool hasNeighbour = false;
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
          if ((dx || dy) && ink.count({x + dx, y + dy})) hasNeighbour = true;
      EXPECT_TRUE(hasNeighbour) << x << "," << y;
    }
  }
}

TEST_F(CanvasLine, LineLeavesItsEndCurrentForDrawTo) {
  canvas.DrawLine(1, 1, 5, 1);
  canvas.DrawTo(5, 4);
  canvas.DrawFrom(10, 10);
  canvas.DrawTo(12, 10);
  EXPECT_EQ(InkOf(canvas), (PixelSet{{1, 1},
                                     {2, 1},
                                     {3, 1},
                                     {4, 1},
                                     {5, 1},
                                     {5, 2},
                                     {5, 3},
                                     {5, 4},
                                     {10, 10},
                                     {11, 10},
                                     {12, 10}}));
}

TEST_F(CanvasLine, PenColorIsWrittenExactly) {
  const Color c = RgbColor(10, 200, 37);
  canvas.PenColor(c);
  canvas.DrawLine(0, 0, 39, 0);
  EXPECT_EQ(CountOf(canvas, c), 40);
  EXPECT_EQ(canvas.ShownPixel(7, 0), c);
  EXPECT_EQ(canvas.ShownPixel(7, 1), WHITE);
}

TEST_F(CanvasLine, DashedStyleDrawsFourOnFourOffAndDiffersFromSolid) {
  const PixelSet dashed = LineAlone(0, 2, 19, 2, 2);
  PixelSet expected;
  for (int x : {0, 1, 2, 3, 8, 9, 10, 11, 16, 17, 18, 19}) expected.insert({x, 2});
  EXPECT_EQ(dashed, expected);
  EXPECT_EQ(LineAlone(0, 2, 19, 2, 0).size(), 20u);
  // Vertical, drawn upwards: the pattern starts at the start point.
  const PixelSet up = LineAlone(3, 19, 3, 0, 2);
  EXPECT_TRUE(up.count({3, 19}) && up.count({3, 16}));
  EXPECT_FALSE(up.count({3, 15}) || up.count({3, 12}));
  EXPECT_TRUE(up.count({3, 11}));
}

TEST_F(CanvasLine, PixelsOutsideTheAreaAreIgnored) {
  canvas.DrawPixel(-1, 0, RED);
  canvas.DrawPixel(40, 0, RED);
  canvas.DrawPixel(0, 20, RED);
  canvas.DrawPixel(INT_MIN, INT_MAX, RED);
  EXPECT_EQ(CountOf(canvas, RED), 0);
  canvas.DrawPixel(39, 19, RED);
  canvas.DrawPixel(0, 0, RED);
  EXPECT_EQ(canvas.ShownPixel(39, 19), RED);
  EXPECT_EQ(canvas.ShownPixel(0, 0), RED);
  EXPECT_EQ(CountOf(canvas, RED), 2);
}

TEST_F(CanvasLine, LinesPastTheCornersDrawOnlyTheirVisiblePart) {
  EXPECT_EQ(LineAlone(-5, 5, 5, -5), (PixelSet{{0, 0}}));
  EXPECT_EQ(LineAlone(35, 23, 44, 14), (PixelSet{{39, 19}}));
  EXPECT_TRUE(LineAlone(-10, -3, 50, -3).empty());
  EXPECT_TRUE(LineAlone(-10, 25, -1, 40).empty());
}

TEST_F(CanvasLine, FarIntegerEndpointsDrawWhatTheNearLineDraws) {
  EXPECT_EQ(LineAlone(INT_MIN, 5, INT_MAX, 5), LineAlone(0, 5, 39, 5));
  EXPECT_EQ(LineAlone(-1000000000, -1000000000, 1000000000, 1000000000), LineAlone(0, 0, 19, 19));
  EXPECT_EQ(LineAlone(-2000000000, -1000000000, 2000000000, 1000000000), LineAlone(0, 0, 38, 19));
  // INT_MIN is a whole number of dash periods before 0.
  EXPECT_EQ(LineAlone(INT_MIN, 5, INT_MAX, 5, 2), LineAlone(0, 5, 39, 5, 2));
}

TEST_F(CanvasLine, FarDoubleEndpointsDrawWhatTheNearLineDraws) {
  EXPECT_EQ(SegmentAlone(-1e12, -5e11, 1e12, 5e11), LineAlone(0, 0, 38, 19));
  EXPECT_EQ(SegmentAlone(1e12, 7, -1e12, 7), LineAlone(0, 7, 39, 7));
  EXPECT_EQ(SegmentAlone(12, -1e12, 12, 1e12), LineAlone(12, 0, 12, 19));
  // The dash pattern counts from the far start: 8e11 steps before x = 0 is a whole
  // number of periods, so the visible dashes are those of a line starting at 0.
  EXPECT_EQ(SegmentAlone(-8e11, 3, 1e12, 3, 2), LineAlone(0, 3, 39, 3, 2));
  // Drawn right to left from far off: the dashes are those of a line starting at x = 39.
  EXPECT_EQ(SegmentAlone(8e11 + 39, 3, -1e12, 3, 2), LineAlone(39, 3, 0, 3, 2));
  EXPECT_NE(LineAlone(39, 3, 0, 3, 2), LineAlone(0, 3, 39, 3, 2));  // 40 is not 8k + 1
}

TEST_F(CanvasLine, NonFiniteEndpointsDrawNothingAndDoNotCrash) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(SegmentAlone(inf, 5, 3, 5).empty());
  EXPECT_TRUE(SegmentAlone(-inf, 5, inf, 5).empty());
  EXPECT_TRUE(SegmentAlone(3, nan, 9, 9).empty());
  EXPECT_TRUE(SegmentAlone(nan, nan, nan, nan, 2).empty());
  EXPECT_TRUE(SegmentAlone(-1.7e308, 0, 1.7e308, 0).empty());  // length overflows
}

TEST_F(CanvasLine, SegmentLeavesTheCurrentPositionAlone) {
  canvas.DrawFrom(2, 2);
  canvas.DrawSegment(10, 10, 12, 10);
  canvas.DrawTo(2, 4);
  EXPECT_EQ(canvas.ShownPixel(2, 3), BLACK);
}

}  // namespace
}  // namespace moid

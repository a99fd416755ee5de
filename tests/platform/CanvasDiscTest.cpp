#include <gtest/gtest.h>

#include "CanvasTestSupport.h"
#include "platform/Canvas.h"

namespace moid {
namespace {

using testing::CountOf;
using testing::PixelsNotOf;

constexpr Color PEN = RgbColor(200, 0, 0);
constexpr Color BRUSH = RgbColor(0, 0, 150);

class CanvasDisc : public ::testing::Test {
 protected:
  void SetUp() override {
    canvas.Resize(30, 30);
    canvas.PenColor(PEN);
    canvas.BrushColor(BRUSH);
  }
  void DiscAt(int x, int y, int r) {
    canvas.DrawFrom(x, y);
    canvas.DrawCircle(r);
  }
  Canvas canvas;
};

// Pixel centres within half a pixel of the circle of radius 3 are those at squared distance
// 8, 9 or 10 (16 of them); those nearer the centre have squared distance 0, 1, 2, 4 or 5 (21).
TEST_F(CanvasDisc, RadiusThreeHasItsHandCountedOutlineAndFill) {
  DiscAt(10, 10, 3);
  EXPECT_EQ(CountOf(canvas, PEN), 16);
  EXPECT_EQ(CountOf(canvas, BRUSH), 21);
  EXPECT_EQ(canvas.ShownPixel(10, 10), BRUSH);
  EXPECT_EQ(canvas.ShownPixel(13, 10), PEN);
  EXPECT_EQ(canvas.ShownPixel(14, 10), WHITE);
  EXPECT_EQ(canvas.ShownPixel(12, 12), PEN);
  EXPECT_EQ(canvas.ShownPixel(11, 12), BRUSH);
  EXPECT_EQ(canvas.ShownPixel(13, 12), WHITE);
}

TEST_F(CanvasDisc, DiscIsSymmetricInBothAxesAndTheDiagonal) {
  DiscAt(15, 15, 9);
  for (int dy = -10; dy <= 10; ++dy) {
    for (int dx = -10; dx <= 10; ++dx) {
      const Color c = canvas.ShownPixel(15 + dx, 15 + dy);
      EXPECT_EQ(c, canvas.ShownPixel(15 - dx, 15 + dy));
      EXPECT_EQ(c, canvas.ShownPixel(15 + dx, 15 - dy));
      EXPECT_EQ(c, canvas.ShownPixel(15 + dy, 15 + dx));
    }
  }
  EXPECT_EQ(canvas.ShownPixel(24, 15), PEN);
  EXPECT_EQ(canvas.ShownPixel(25, 15), WHITE);
  EXPECT_EQ(canvas.ShownPixel(15, 6), PEN);
}

TEST_F(CanvasDisc, RadiusZeroIsAtMostTheCentreAndNegativeIsNothing) {
  DiscAt(4, 4, 0);
  EXPECT_EQ(PixelsNotOf(canvas, WHITE), (std::vector<std::pair<int, int>>{{4, 4}}));
  DiscAt(20, 20, -1);
  DiscAt(20, 20, -1000);
  EXPECT_EQ(PixelsNotOf(canvas, WHITE).size(), 1u);
}

TEST_F(CanvasDisc, DiscAtTheCornerKeepsItsVisibleQuarter) {
  DiscAt(0, 0, 3);
  // Of the radius-3 pixels, those with x, y >= 0: 5 outline, 8 fill.
  EXPECT_EQ(CountOf(canvas, PEN), 5);
  EXPECT_EQ(CountOf(canvas, BRUSH), 8);
  DiscAt(29, 29, 3);
  EXPECT_EQ(CountOf(canvas, PEN), 10);
}

TEST_F(CanvasDisc, DiscsWhollyOutsideDrawNothing) {
  DiscAt(-100, -100, 10);
  DiscAt(40, 5, 10);  // nearest edge pixel of the disc at x = 30, just outside
  DiscAt(5, INT_MAX, 1000);
  DiscAt(INT_MIN, INT_MIN, INT_MAX);
  EXPECT_TRUE(PixelsNotOf(canvas, WHITE).empty());
}

TEST_F(CanvasDisc, HugeDiscCoveringTheAreaFillsItWithTheBrush) {
  DiscAt(10, 10, 2000000000);
  EXPECT_EQ(CountOf(canvas, BRUSH), 30 * 30);
}

TEST_F(CanvasDisc, HugeDiscEdgeCrossingTheAreaIsAStraightOutline) {
  // Centre 2e9 left of the area, radius reaching x = 5: near the area the circle is the
  // vertical line x = 5 (it bends by under 1e-7 pixel over 30 rows).
  DiscAt(-2000000000, 10, 2000000005);
  for (int y = 0; y < 30; ++y) {
    EXPECT_EQ(canvas.ShownPixel(4, y), BRUSH) << y;
    EXPECT_EQ(canvas.ShownPixel(5, y), PEN) << y;
    EXPECT_EQ(canvas.ShownPixel(6, y), WHITE) << y;
  }
}

TEST_F(CanvasDisc, OutlineIsSolidWhateverThePenStyle) {
  canvas.PenStyle(PEN_DASHED);
  DiscAt(10, 10, 3);
  EXPECT_EQ(CountOf(canvas, PEN), 16);
}

}  // namespace
}  // namespace moid

#include <gtest/gtest.h>

#include "CanvasTestSupport.h"
#include "platform/Canvas.h"

namespace moid {
namespace {

using testing::CountOf;

class CanvasShow : public ::testing::Test {
 protected:
  void SetUp() override { canvas.Resize(16, 9); }
  Canvas canvas;
};

TEST_F(CanvasShow, ResizeGivesAWhiteAreaOfThatSize) {
  EXPECT_EQ(canvas.Width(), 16);
  EXPECT_EQ(canvas.Height(), 9);
  EXPECT_EQ(CountOf(canvas, WHITE), 16 * 9);
  canvas.DrawLine(0, 0, 15, 8);
  canvas.Resize(7, 3);
  EXPECT_EQ(canvas.Width(), 7);
  EXPECT_EQ(CountOf(canvas, WHITE), 7 * 3);
}

TEST_F(CanvasShow, ANewCanvasIsEmptyAndNegativeSizesAreEmpty) {
  Canvas fresh;
  EXPECT_EQ(fresh.Width(), 0);
  EXPECT_EQ(fresh.Height(), 0);
  fresh.DrawLine(-3, -3, 3, 3);
  fresh.DrawCircle(4);
  fresh.DrawTextRow("nothing to draw on", 0);
  fresh.GfxCLS();
  fresh.Resize(-5, 10);
  EXPECT_EQ(fresh.Width(), 0);
}

TEST_F(CanvasShow, ResizeKeepsPenAndBrush) {
  canvas.BrushColor(RED);
  canvas.PenColor(RgbColor(1, 2, 3));
  canvas.Resize(5, 5);
  canvas.GfxCLS();
  EXPECT_EQ(CountOf(canvas, RED), 25);
  canvas.DrawLine(0, 0, 4, 0);
  EXPECT_EQ(canvas.ShownPixel(2, 0), RgbColor(1, 2, 3));
}

TEST_F(CanvasShow, ClearFillsWithTheBrushColor) {
  canvas.GfxCLS();  // the brush starts white
  EXPECT_EQ(CountOf(canvas, WHITE), 16 * 9);
  canvas.BrushColor(BLACK);
  canvas.GfxCLS();
  EXPECT_EQ(CountOf(canvas, BLACK), 16 * 9);
}

TEST_F(CanvasShow, OutsideTwoToThreeEveryCallShowsAtOnce) {
  const auto before = canvas.ShownGeneration();
  canvas.DrawLine(0, 4, 15, 4);
  EXPECT_EQ(canvas.ShownPixel(8, 4), BLACK);
  EXPECT_GT(canvas.ShownGeneration(), before);
  const auto afterLine = canvas.ShownGeneration();
  canvas.DrawPixel(1, 1, RED);
  EXPECT_EQ(canvas.ShownPixel(1, 1), RED);
  EXPECT_GT(canvas.ShownGeneration(), afterLine);
}

TEST_F(CanvasShow, PictureBuiltBetweenTwoAndThreeAppearsOnlyAtThree) {
  canvas.DrawLine(0, 0, 15, 0);  // the picture on screen before
  canvas.GfxWindow(GFX_WINDOW_BEGIN_PICTURE);
  const auto frozen = canvas.ShownGeneration();
  canvas.BrushColor(RED);
  canvas.GfxCLS();
  canvas.DrawLine(0, 8, 15, 8);
  canvas.DrawPixel(3, 3, BLACK);
  canvas.DrawFrom(8, 4);
  canvas.DrawCircle(2);
  canvas.DrawTextRow("x", 0);
  EXPECT_EQ(canvas.ShownGeneration(), frozen);
  EXPECT_EQ(canvas.ShownPixel(5, 0), BLACK);
  EXPECT_EQ(canvas.ShownPixel(5, 8), WHITE);
  EXPECT_EQ(CountOf(canvas, RED), 0);
  canvas.GfxWindow(GFX_WINDOW_BEGIN_PICTURE);  // asking again keeps the old picture on screen
  EXPECT_EQ(canvas.ShownPixel(5, 8), WHITE);
  canvas.GfxWindow(GFX_WINDOW_SHOW_PICTURE);
  EXPECT_GT(canvas.ShownGeneration(), frozen);
  EXPECT_EQ(canvas.ShownPixel(5, 8), BLACK);
  EXPECT_EQ(canvas.ShownPixel(3, 3), BLACK);
  EXPECT_EQ(canvas.ShownPixel(5, 0), RED);
}

TEST_F(CanvasShow, EveryFrameShowsTheLatestCompletePicture) {
  for (int frame = 0; frame < 5; ++frame) {
    canvas.GfxWindow(GFX_WINDOW_BEGIN_PICTURE);
    EXPECT_EQ(canvas.ShownPixel(frame, 0), WHITE) << frame;  // not yet
    const bool afterResize = frame == 3;
    if (frame > 0 && !afterResize) {
      EXPECT_EQ(canvas.ShownPixel(frame - 1, 0), BLACK) << frame;
    }
    canvas.DrawPixel(frame, 0, BLACK);
    canvas.GfxWindow(GFX_WINDOW_SHOW_PICTURE);
    EXPECT_EQ(canvas.ShownPixel(frame, 0), BLACK) << frame;
    if (frame == 2) canvas.Resize(12, 3);  // a new size between frames
  }
  EXPECT_EQ(canvas.Width(), 12);
  EXPECT_EQ(CountOf(canvas, BLACK), 2);  // frames 3 and 4 after the resize
}

TEST_F(CanvasShow, OtherModesChangeNothingVisible) {
  canvas.DrawLine(0, 2, 15, 2);
  for (int mode : {1, 5, 99, 0, -1, 4}) {
    canvas.GfxWindow(mode);
    canvas.GfxOption(6, 0);
    canvas.GfxRefresh(0);
    canvas.GfxBkgdMode(0);
    EXPECT_EQ(canvas.ShownPixel(3, 2), BLACK) << mode;
  }
  canvas.DrawLine(0, 6, 15, 6);  // still shown at once
  EXPECT_EQ(canvas.ShownPixel(3, 6), BLACK);
}

TEST_F(CanvasShow, ResizeWhileBuildingKeepsBuilding) {
  canvas.GfxWindow(GFX_WINDOW_BEGIN_PICTURE);
  canvas.Resize(4, 4);
  canvas.DrawLine(0, 1, 3, 1);
  EXPECT_EQ(CountOf(canvas, WHITE), 16);
  canvas.GfxWindow(GFX_WINDOW_SHOW_PICTURE);
  EXPECT_EQ(CountOf(canvas, BLACK), 4);
}

TEST_F(CanvasShow, ThreeWithoutTwoLeavesTheShownPictureUnchanged) {
  canvas.DrawLine(0, 2, 15, 2);
  const auto drawn = canvas.ShownGeneration();
  for (int pass = 0; pass < 5; ++pass) canvas.GfxWindow(GFX_WINDOW_SHOW_PICTURE);  // an idle loop's passes
  EXPECT_EQ(canvas.ShownGeneration(), drawn);
  EXPECT_EQ(CountOf(canvas, BLACK), 16);

  canvas.GfxWindow(GFX_WINDOW_BEGIN_PICTURE);
  canvas.DrawPixel(0, 0, RED);
  canvas.GfxWindow(GFX_WINDOW_SHOW_PICTURE);  // a real picture still counts once
  const auto shown = canvas.ShownGeneration();
  EXPECT_GT(shown, drawn);
  EXPECT_EQ(canvas.ShownPixel(0, 0), RED);
  canvas.GfxWindow(GFX_WINDOW_SHOW_PICTURE);
  EXPECT_EQ(canvas.ShownGeneration(), shown);

  canvas.DrawPixel(1, 0, RED);  // drawing outside 2..3 counts at once, not at a later 3
  const auto direct = canvas.ShownGeneration();
  EXPECT_GT(direct, shown);
  canvas.GfxWindow(GFX_WINDOW_SHOW_PICTURE);
  EXPECT_EQ(canvas.ShownGeneration(), direct);
}

TEST_F(CanvasShow, ShownDataIsCairoArgbOfTheShownPixels) {
  canvas.DrawPixel(2, 1, RgbColor(0x12, 0x34, 0x56));
  const auto* row =
      reinterpret_cast<const unsigned char*>(canvas.ShownData()) + canvas.ShownStride();
  EXPECT_EQ(reinterpret_cast<const std::uint32_t*>(row)[2], 0xFF123456u);
  EXPECT_EQ(canvas.ShownPixel(2, 1), 0x563412u);
  EXPECT_GE(canvas.ShownStride(), 16 * 4);
}

TEST_F(CanvasShow, PointerIsReportedWhereTheBackendPutIt) {
  EXPECT_EQ(canvas.MouseOverX(), 0);
  canvas.SetPointer(123, -4);
  EXPECT_EQ(canvas.MouseOverX(), 123);
  EXPECT_EQ(canvas.MouseOverY(), -4);
}

}  // namespace
}  // namespace moid

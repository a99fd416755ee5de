#include <gtest/gtest.h>

#include "CanvasTestSupport.h"
#include "platform/Canvas.h"

namespace moid {
namespace {

using testing::BoxNotOf;
using testing::CountOf;
using testing::PixelBox;
using testing::PixelsNotOf;

constexpr Color GREEN = RgbColor(0, 255, 0);

class CanvasText : public ::testing::Test {
 protected:
  void SetUp() override {
    canvas.Resize(240, 60);
    canvas.GfxFont("Arial", 0, 15, 1, 0, 0, 0.0);
  }
  void TextAt(int x, int y, const std::string& text) {
    canvas.DrawFrom(x, y);
    canvas.DrawTextRow(text, 0);
  }
  // The opaque box of a text drawn alone over a green text background.
  PixelBox BoxOf(const std::string& face, const std::string& text) {
    Canvas c;
    c.Resize(240, 60);
    c.GfxFont(face, 0, 15, 1, 0, 0, 0.0);
    c.GfxBkgdColor(GREEN);
    c.DrawFrom(20, 10);
    c.DrawTextRow(text, 0);
    return BoxNotOf(c, WHITE);
  }
  std::vector<std::string> Rendering(const std::string& face, const std::string& text) {
    Canvas c;
    c.Resize(240, 60);
    c.GfxFont(face, 0, 15, 1, 0, 0, 0.0);
    c.DrawFrom(20, 10);
    c.DrawTextRow(text, 0);
    return testing::Picture(c, BLACK);
  }
  Canvas canvas;
};

TEST_F(CanvasText, TextLandsBelowAndRightOfTheCurrentPosition) {
  TextAt(30, 12, "Hello 123");
  const auto ink = PixelsNotOf(canvas, WHITE);
  ASSERT_GT(ink.size(), 40u);
  const PixelBox box = BoxNotOf(canvas, WHITE);
  EXPECT_GE(box.left, 30);
  EXPECT_GE(box.top, 12);
  EXPECT_LT(box.left, 33);         // "H" starts within a pixel or two
  EXPECT_LE(box.bottom, 12 + 20);  // one 15-pixel row of text
  EXPECT_GE(box.bottom, 12 + 10);
  EXPECT_LE(box.right, 30 + 9 * 12);  // nine glyphs
  EXPECT_GE(box.right, 30 + 9 * 5);
}

TEST_F(CanvasText, TextIsMonochromeInTheFontColor) {
  canvas.GfxFontColor(RED);
  TextAt(5, 5, "MOID = 0.0123 AU, 123.4\xB0");
  const int red = CountOf(canvas, RED);
  EXPECT_GT(red, 50);
  EXPECT_EQ(red + CountOf(canvas, WHITE), 240 * 60);
}

TEST_F(CanvasText, OpaqueBoxStartsAtTheCurrentPositionAndIsOneRowHigh) {
  const PixelBox box = BoxOf("Arial", "Hello");
  EXPECT_EQ(box.left, 20);
  EXPECT_EQ(box.top, 10);
  const int height = box.bottom - box.top + 1;
  EXPECT_GE(height, 15);
  EXPECT_LE(height, 20);
}

TEST_F(CanvasText, DrawingTheSameTextInWhiteErasesItCompletely) {
  const std::string text = "Distance 12.345 Gm at 271\xB0 jgqpy";
  TextAt(17, 21, text);
  ASSERT_FALSE(PixelsNotOf(canvas, WHITE).empty());
  canvas.GfxFontColor(WHITE);
  TextAt(17, 21, text);
  EXPECT_TRUE(PixelsNotOf(canvas, WHITE).empty());
}

TEST_F(CanvasText, OpaqueBoxHidesWhatWasUnderneath) {
  canvas.PenColor(RED);
  for (int y = 0; y < 60; ++y) canvas.DrawLine(0, y, 239, y);
  TextAt(10, 10, "W");
  const PixelBox box = BoxOf("Arial", "W");
  // Inside the box only black ink or white background remain.
  for (int y = box.top; y <= box.bottom; ++y) {
    for (int x = box.left - 20 + 10; x <= box.right - 20 + 10; ++x) {
      const Color c = canvas.ShownPixel(x, y);
      EXPECT_TRUE(c == BLACK || c == WHITE) << x << "," << y;
    }
  }
}

TEST_F(CanvasText, DegreeSignIsOneByteAndRendersAsASmallRaisedMark) {
  TextAt(20, 10, "\xB0");
  const PixelBox ink = BoxNotOf(canvas, WHITE);
  ASSERT_FALSE(ink.Empty());
  EXPECT_LE(ink.bottom - ink.top + 1, 8);  // a small ring, not a missing-glyph box
  EXPECT_LE(ink.bottom, 10 + 9);           // in the upper part of the row
  EXPECT_NE(Rendering("Arial", "\xB0"), Rendering("Arial", "o"));
}

// The column of the rightmost ink: where a closing bar lands after the text.
int RightmostInk(const std::vector<std::string>& picture) {
  int right = -1;
  for (const std::string& row : picture) {
    const auto at = row.rfind('#');
    if (at != std::string::npos) right = std::max(right, static_cast<int>(at));
  }
  return right;
}

TEST_F(CanvasText, CourierIsMonospacedAndArialIsNot) {
  EXPECT_EQ(RightmostInk(Rendering("Courier", "iiii|")),
            RightmostInk(Rendering("Courier", "MMMM|")));
  EXPECT_LT(RightmostInk(Rendering("Arial", "iiii|")) + 10,
            RightmostInk(Rendering("Arial", "MMMM|")));
  // Liberation Mono on a 15-pixel line has a 13.24-pixel em and advances 1229/2048 of it,
  // 7.95 pixels, hinted to 8 a character: nine more bars end 72 pixels further right.
  EXPECT_EQ(
      RightmostInk(Rendering("Courier", "||||||||||")) - RightmostInk(Rendering("Courier", "|")),
      9 * 8);
}

// The advance of a text as drawn: the rightmost ink of the text followed by a bar, less the
// bar's own column in a picture of the bar alone.
int AdvanceOf(const std::string& face, const std::string& text) {
  Canvas c;
  c.Resize(400, 40);
  c.GfxFont(face, 0, 15, 1, 0, 0, 0.0);
  c.DrawFrom(0, 5);
  c.DrawTextRow(text + "|", 0);
  const int withText = RightmostInk(testing::Picture(c, BLACK));
  c.GfxCLS();
  c.DrawFrom(0, 5);
  c.DrawTextRow("|", 0);
  return withText - RightmostInk(testing::Picture(c, BLACK));
}

TEST_F(CanvasText, SizeFifteenIsAFifteenPixelLine) {
  // Widths measured on a 15-pixel line (em 13.43 px, monochrome, full hinting): the caption's
  // MOID run 206 px, "Gany" 31 px, "F1=Help" 49 px. With a 15-pixel em they are 226, 34, 55.
  EXPECT_NEAR(AdvanceOf("Arial", "Moid =  97.6500 Gm,  0.652750 AU"), 206, 2);
  EXPECT_NEAR(AdvanceOf("Arial", "Gany"), 31, 1);
  EXPECT_NEAR(AdvanceOf("Arial", "F1=Help"), 49, 1);
}

TEST_F(CanvasText, FaceNamesMapToTheLiberationFamilies) {
  EXPECT_EQ(Rendering("Arial", "Orbit 42"), Rendering("Liberation Sans", "Orbit 42"));
  EXPECT_EQ(Rendering("Courier", "Orbit 42"), Rendering("Liberation Mono", "Orbit 42"));
  EXPECT_NE(Rendering("Arial", "Orbit 42"), Rendering("Courier", "Orbit 42"));
}

TEST_F(CanvasText, TextLeavesTheCurrentPositionWhereItWas) {
  TextAt(100, 40, "x");
  canvas.PenColor(RED);
  canvas.DrawTo(110, 40);
  EXPECT_EQ(canvas.ShownPixel(100, 40), RED);
}

TEST_F(CanvasText, EmptyOrFarAwayTextDrawsNothing) {
  TextAt(10, 10, "");
  TextAt(-100000000, 10, "far left");
  TextAt(10, 2000000000, "far below");
  TextAt(239, 59, "");
  EXPECT_TRUE(PixelsNotOf(canvas, WHITE).empty());
}

TEST_F(CanvasText, TextPartlyOutsideTheAreaIsClippedSafely) {
  TextAt(-5, -7, "Clipped");
  TextAt(230, 55, "Clipped");
  EXPECT_FALSE(PixelsNotOf(canvas, WHITE).empty());
}

}  // namespace
}  // namespace moid

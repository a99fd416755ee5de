// The orbit frame as the headless backend shows it: pixels of the picture and the call log.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "OrbitPictureColors.h"
#include "ViewTestSupport.h"
#include "platform/headless/HeadlessPlatform.h"
#include "view/OrbitScene.h"

namespace moid {
namespace {

using headless::HeadlessPlatform;

// A headless console of 60 x 32 cells of 8 x 16 pixels: the area for W = 432.
struct Screen {
  HeadlessPlatform hp;
  Screen() {
    hp.SetConsoleSize(60, 32);
    hp.ConsoleGfx(0, 0, 0, 0);
    hp.ClearLog();
  }
  void Draw(Session& s, bool full = true) {
    Platform p = hp.AsPlatform();
    RedrawOrbitView(p, s, full);
  }
  Color At(int x, int y) { return hp.GetCanvas().ShownPixel(x, y); }
  bool Near(Color c, int x0, int y0, int reach) {
    for (int y = y0 - reach; y <= y0 + reach; ++y)
      for (int x = x0 - reach; x <= x0 + reach; ++x)
        if (At(x, y) == c) return true;
    return false;
  }
  int Count(Color c, int x0 = 0, int y0 = 0, int x1 = 479, int y1 = 511) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) n += At(x, y) == c;
    return n;
  }
  bool LogHasRun(const std::vector<std::string>& calls) {
    const auto& log = hp.CallLog();
    return std::search(log.begin(), log.end(), calls.begin(), calls.end()) != log.end();
  }
};

TEST(OrbitPicture, SunAtTheCentreInItsFillColor) {
  Screen screen;
  auto s = viewtest::CircleSession(432);
  screen.Draw(*s);
  EXPECT_EQ(screen.At(216, 216), SUN_FILL);
  EXPECT_EQ(screen.At(216 - 6, 216 + 6), SUN_FILL);  // inside radius 10
  EXPECT_EQ(screen.At(216, 216 - 10), RgbColor(255, 209, 0));  // its outline
  EXPECT_EQ(screen.At(216 + 14, 216 - 14), WHITE);    // outside it, off the grid and orbits
}

TEST(OrbitPicture, StillViewShowsTheFourEarthMarkers) {
  Screen screen;
  auto s = viewtest::CircleSession(432);
  s->moid.gridMinEarthIndex = 54;  // keep the red segment away from the markers
  s->moid.gridMinAsteroidIndex = 54;
  screen.Draw(*s);
  EXPECT_TRUE(screen.Near(AT_0, 216, 288, 3));
  EXPECT_TRUE(screen.Near(AT_90, 360, 216, 3));
  EXPECT_TRUE(screen.Near(AT_180, 216, 178, 3));
  EXPECT_TRUE(screen.Near(AT_270, 72, 216, 3));
  // Sample 0 of the Earth: radius 13 / 2.09 = 6 around (216, 288).
  EXPECT_EQ(screen.At(216 + 4, 288), AT_0);
  EXPECT_EQ(screen.At(216, 288 - 4), AT_0);
}

TEST(OrbitPicture, AnimationShowsNoMarkersButTheDateUnderTheCaption) {
  Screen screen;
  auto s = viewtest::CircleSession(432);
  const int inkBefore = [&] {
    screen.Draw(*s);
    return screen.Count(BLACK, 1, 22, 100, 37);
  }();
  EXPECT_EQ(inkBefore, 0);  // nothing under the caption on the still view
  s->view.animating = true;
  s->view.animTime = s->epoch - 1;
  screen.hp.ClearLog();
  screen.Draw(*s);
  for (Color c : {AT_0, AT_90, AT_180, AT_270}) EXPECT_EQ(screen.Count(c), 0);
  EXPECT_GT(screen.Count(BLACK, 1, 22, 100, 37), 20);
  EXPECT_TRUE(screen.LogHasRun({"GfxFont(\"Courier\",0,15,1,0,0,0)", "DrawFrom(1,22)",
                                "DrawTextRow(\"2023/ 2/25\",0)", "GfxWindow(3)"}));
}

TEST(OrbitPicture, AsteroidDarkNorthAndPaleSouth) {
  Screen flat;
  auto s = viewtest::CircleSession(432);
  flat.Draw(*s);
  EXPECT_GT(flat.Count(DARK_BLUE), 100);
  EXPECT_EQ(flat.Count(PALE_BLUE), 0);
  Screen steep;
  auto t = viewtest::CircleSession(432, 45);
  steep.Draw(*t);
  EXPECT_GT(steep.Count(DARK_BLUE), 100);
  EXPECT_GT(steep.Count(PALE_BLUE), 100);
  // Sample 0 at the ascending node, (2, 0, 0): dark; its ball at (216, 480), radius 10.
  EXPECT_EQ(steep.At(216 + 5, 480), DARK_BLUE);
}

TEST(OrbitPicture, RedSegmentJoinsTheClosestGridSamples) {
  Screen screen;
  auto s = viewtest::CircleSession(432);
  s->moid.gridMinEarthIndex = 0;     // (216, 288)
  s->moid.gridMinAsteroidIndex = 0;  // (216, 480)
  screen.Draw(*s);
  for (int y : {330, 380, 430}) EXPECT_TRUE(screen.Near(RED, 216, y, 1)) << y;
  EXPECT_FALSE(screen.Near(RED, 240, 380, 5));
  EXPECT_EQ(screen.At(216, 288), RED);  // the end dot over the Earth's ball
}

TEST(OrbitPicture, LabelsStandAtTheirPlacesForW432) {
  Screen screen;
  auto s = viewtest::CircleSession(432);
  screen.Draw(*s);
  EXPECT_TRUE(screen.LogHasRun({"DrawFrom(215,456)", "DrawTextRow(\"0\xB0\",0)",
                                "DrawFrom(451,209)", "DrawTextRow(\"90\xB0\",0)",
                                "DrawFrom(10,209)", "DrawTextRow(\"270\xB0\",0)",
                                "DrawFrom(431,3)", "DrawTextRow(\"F1=Help\",0)"}));
  // Ink right of and below each origin.
  EXPECT_GT(screen.Count(BLACK, 215, 456, 235, 475), 5);
  EXPECT_GT(screen.Count(BLACK, 451, 209, 479, 228), 5);
  EXPECT_GT(screen.Count(BLACK, 10, 209, 45, 228), 5);
  EXPECT_GT(screen.Count(BLACK, 431, 3, 479, 20), 5);
}

TEST(OrbitPicture, FrameLeavesMouseReportingOn) {
  Screen screen;
  auto s = viewtest::CircleSession(432);
  screen.Draw(*s);
  EXPECT_TRUE(screen.hp.MouseInputOn());
  EXPECT_EQ(screen.hp.CallLog().back(), "SetMouseInput(1)");
}

}  // namespace
}  // namespace moid

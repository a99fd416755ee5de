// One frame of the orbit view, through the calls it makes.
#include "view/OrbitScene.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "ViewTestSupport.h"
#include "view/SceneColors.h"

namespace moid {
namespace {

using viewtest::Ball;
using viewtest::BallsDrawn;
using viewtest::Call;
using viewtest::CircleSession;
using viewtest::Rig;

constexpr Color GRID_BLUE = RgbColor(0, 155, 255);
constexpr Color DARK_BLUE = RgbColor(0, 0, 150);
constexpr Color PALE_BLUE = RgbColor(180, 180, 255);

bool IsEarthColor(long long c) {
  return c == 0 || c == RgbColor(190, 130, 0) || c == RgbColor(170, 0, 255) ||
         c == RgbColor(0, 220, 0) || c == RgbColor(255, 200, 0);
}

std::vector<Ball> BallsOfColor(const std::vector<Ball>& balls, long long color) {
  std::vector<Ball> out;
  for (const Ball& b : balls)
    if (b.color == color) out.push_back(b);
  return out;
}

void Draw(Rig& rig, Session& s, bool full = true) {
  Platform p = rig.Get();
  RedrawOrbitView(p, s, full);
}

TEST(OrbitScene, FrameOpensWithTheClearAndTheGridPen) {
  Rig rig;
  auto s = CircleSession(432);
  Draw(rig, *s);
  const auto& c = rig.graphics.calls;
  ASSERT_GT(c.size(), 9u);
  EXPECT_TRUE(c[0].Is("GfxWindow", {2}));
  EXPECT_TRUE(c[1].Is("BrushColor", {WHITE}));
  EXPECT_TRUE(c[2].Is("GfxCLS", {}));
  EXPECT_TRUE(c[3].Is("PenColor", {BLACK}));
  EXPECT_TRUE(c[4].Is("BrushColor", {BLACK}));
  EXPECT_TRUE(c[5].Is("GfxBkgdMode", {0}));
  EXPECT_TRUE(c[6].Is("GfxBkgdColor", {WHITE}));
  EXPECT_TRUE(c[7].Is("PenStyle", {2}));
  EXPECT_TRUE(c[8].Is("PenColor", {GRID_BLUE}));
  EXPECT_EQ(rig.graphics.Count("GfxWindow"), 2);
  EXPECT_TRUE(c.back().Is("GfxWindow", {3}));
  EXPECT_TRUE(c[c.size() - 2].Is("BrushColor", {BLACK}));
  EXPECT_TRUE(c[c.size() - 3].Is("PenColor", {BLACK}));
  EXPECT_EQ(rig.console.mouseOnCalls, 1);  // mouse presses reported after the frame
}

TEST(OrbitScene, GridLinesAcrossThenAlongTheLineOfSight) {
  Rig rig;
  auto s = CircleSession(432);
  Draw(rig, *s);
  const auto lines = rig.graphics.Named("DrawLine");
  ASSERT_EQ(lines.size(), 31u * 2 + 1);  // and the closest-approach segment
  // Far corners (-15, -15) at (-7, 140) and, by symmetry, (-15, 15) at (439, 140).
  EXPECT_TRUE(lines[0].Is("DrawLine", {-7, 140, 439, 140}));
  const Call& along = lines[31];
  EXPECT_EQ(along.args[0], -7);
  EXPECT_EQ(along.args[1], 140);
  EXPECT_GT(along.args[3], 432);  // the near end lies far below the picture
  // The middle line across runs through the Sun's row.
  EXPECT_EQ(lines[15].args[1], 216);
  EXPECT_EQ(lines[15].args[3], 216);
}

TEST(OrbitScene, GridExtentSetsTheNumberOfLines) {
  for (int extent : {10, 15, 20}) {
    Rig rig;
    auto s = CircleSession(432);
    s->view.gridExtent = extent;
    Draw(rig, *s);
    EXPECT_EQ(rig.graphics.Count("DrawLine"), (2 * extent + 1) * 2 + 1) << extent;
  }
}

TEST(OrbitScene, SunIsADiscOfRadiusTenAtTheCentreDrawnWithTheGridsPenStyle) {
  Rig rig;
  auto s = CircleSession(432);
  Draw(rig, *s);
  const auto& c = rig.graphics.calls;
  const std::vector<Call> want = {
      {"PenColor", {RgbColor(255, 209, 0)}, ""}, {"BrushColor", {RgbColor(255, 210, 0)}, ""},
      {"DrawFrom", {216, 216}, ""},               {"DrawCircle", {10}, ""},
      {"PenStyle", {0}, ""}};
  auto it = std::search(c.begin(), c.end(), want.begin(), want.end(), [](const Call& a, const Call& b) {
    return a.name == b.name && a.args == b.args;
  });
  ASSERT_NE(it, c.end());
  // Nothing changed the pen style between the grid and the Sun.
  EXPECT_EQ(std::count_if(c.begin(), it, [](const Call& x) { return x.name == "PenStyle"; }), 1);
}

TEST(OrbitScene, StillViewHasThirtySixBallsPerOrbitAndColoredEarthMarkers) {
  Rig rig;
  auto s = CircleSession(432);
  Draw(rig, *s);
  const auto balls = BallsDrawn(rig.graphics);
  ASSERT_EQ(balls.size(), 36u * 2 + 3);  // and the Sun and the two end dots
  EXPECT_EQ(BallsOfColor(balls, BLACK).size(), 32u);
  EXPECT_EQ(BallsOfColor(balls, DARK_BLUE).size(), 36u);  // an orbit in the ecliptic
  // Sample 0 lies at (1, 0, 0): pixel (216, 288), 2.09 AU from the eye.
  const auto at0 = BallsOfColor(balls, RgbColor(190, 130, 0));
  ASSERT_EQ(at0.size(), 1u);
  EXPECT_EQ(at0[0].x, 216);
  EXPECT_EQ(at0[0].y, 288);
  EXPECT_EQ(at0[0].radius, 6);
  // The others lie close to longitudes 90, 180 and 270 (the samples are 360/431 apart).
  struct Marker {
    Color color;
    int x, y;
  };
  for (const Marker m : {Marker{RgbColor(170, 0, 255), 360, 216},
                         Marker{RgbColor(0, 220, 0), 216, 178},
                         Marker{RgbColor(255, 200, 0), 72, 216}}) {
    const auto found = BallsOfColor(balls, m.color);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_LE(std::abs(found[0].x - m.x), 2);
    EXPECT_LE(std::abs(found[0].y - m.y), 2);
  }
}

TEST(OrbitScene, EarthPointsAreBlackPixels) {
  Rig rig;
  auto s = CircleSession(432);
  Draw(rig, *s);
  int black = 0, blue = 0;
  for (const Call& c : rig.graphics.Named("DrawPixel")) {
    black += c.args[2] == BLACK;
    blue += c.args[2] == DARK_BLUE;
  }
  EXPECT_EQ(black, 432 - 36);  // samples 0..431 without the balls
  EXPECT_EQ(blue, 432 - 36);
  EXPECT_EQ(rig.graphics.Count("DrawPixel"), 2 * (432 - 36));
}

TEST(OrbitScene, MarkerColorsGoByIndex) {
  const int W = 432;
  EXPECT_EQ(EarthSampleColor(0, W), RgbColor(190, 130, 0));
  EXPECT_EQ(EarthSampleColor(108, W), RgbColor(170, 0, 255));
  EXPECT_EQ(EarthSampleColor(216, W), RgbColor(0, 220, 0));
  EXPECT_EQ(EarthSampleColor(324, W), RgbColor(255, 200, 0));
  for (int k : {1, 12, 107, 109, 215, 323, 431, 432}) EXPECT_EQ(EarthSampleColor(k, W), BLACK);
}

TEST(OrbitScene, AsteroidIsPaleExactlyWhereItsZIsNegative) {
  EXPECT_EQ(AsteroidSampleColor(0.0), DARK_BLUE);
  EXPECT_EQ(AsteroidSampleColor(-0.0), DARK_BLUE);
  EXPECT_EQ(AsteroidSampleColor(1e-300), DARK_BLUE);
  EXPECT_EQ(AsteroidSampleColor(-1e-300), PALE_BLUE);
  // Inclined circle with node and perihelion at longitude 0: Z = 2 sin i sin(nu) with
  // nu = 360 k / 431 degrees, north for k <= 215, south from k = 216 on.
  Rig rig;
  auto s = CircleSession(432, 10);
  Draw(rig, *s);
  std::vector<long long> pixels;  // asteroid points, in sample order
  for (const Call& c : rig.graphics.Named("DrawPixel"))
    if (c.args[2] != BLACK) pixels.push_back(c.args[2]);
  std::vector<int> samples;
  for (int k = 0; k < 432; ++k)
    if (k % 12 != 0) samples.push_back(k);
  ASSERT_EQ(pixels.size(), samples.size());
  for (std::size_t n = 0; n < samples.size(); ++n) {
    const int k = samples[n];
    if (k == 431) continue;  // 360 degrees: sin is a rounding error either way
    EXPECT_EQ(pixels[n], k <= 215 ? DARK_BLUE : PALE_BLUE) << k;
  }
  // Balls: sample 0 lies in the ecliptic (Z = 0) and is dark; 18 of 36 are south.
  const auto balls = BallsDrawn(rig.graphics);
  EXPECT_EQ(BallsOfColor(balls, PALE_BLUE).size(), 18u);
  EXPECT_EQ(BallsOfColor(balls, DARK_BLUE).size(), 18u);
}

TEST(OrbitScene, NearerSampleOfEachPairIsDrawnSecond) {
  Rig rig;
  auto s = CircleSession(432);
  Draw(rig, *s);
  const auto balls = BallsDrawn(rig.graphics);
  // Sample 0: the asteroid at (2, 0, 0) is nearer the eye than the Earth at (1, 0, 0).
  auto first0 = std::find_if(balls.begin(), balls.end(), [](const Ball& b) { return b.x == 216 && b.y == 288; });
  ASSERT_NE(first0, balls.end());
  EXPECT_EQ(first0->color, RgbColor(190, 130, 0));
  EXPECT_EQ((first0 + 1)->color, DARK_BLUE);
  EXPECT_EQ((first0 + 1)->y, 480);
  // Sample 216 (about 180 degrees): the asteroid lies beyond the Sun, the Earth in front.
  auto green = std::find_if(balls.begin(), balls.end(), [](const Ball& b) { return b.color == RgbColor(0, 220, 0); });
  ASSERT_NE(green, balls.begin());
  EXPECT_EQ((green - 1)->color, DARK_BLUE);
}

TEST(OrbitScene, OnATieTheAsteroidGoesOnTop) {
  Rig rig;
  auto s = CircleSession(72);
  s->asteroidTable = s->earthTable;  // the same points: equal distances from the eye
  Draw(rig, *s);
  const auto balls = BallsDrawn(rig.graphics);
  std::vector<long long> sampleBalls;
  for (const Ball& b : balls)
    if (b.radius != 10 && b.radius != 2) sampleBalls.push_back(b.color);
  ASSERT_EQ(sampleBalls.size(), 72u);  // 36 pairs at W = 72, spacing 2
  for (std::size_t n = 0; n < sampleBalls.size(); n += 2) {
    EXPECT_TRUE(IsEarthColor(sampleBalls[n])) << n;
    EXPECT_EQ(sampleBalls[n + 1], DARK_BLUE) << n;
  }
}

TEST(OrbitScene, FarEyeAndSmallBallsGiveRadiusZero) {
  Rig rig;
  auto s = CircleSession(432);
  s->view.ballSize = 1;
  s->view.eyeDistance = 20;
  Draw(rig, *s);
  for (const Ball& b : BallsDrawn(rig.graphics)) {
    if (b.radius != 10 && b.radius != 2) {
      EXPECT_EQ(b.radius, 0);
    }
  }
  EXPECT_EQ(BallsDrawn(rig.graphics).size(), 75u);
}

TEST(OrbitScene, ClosestApproachJoinsTheGridsClosestSamples) {
  Rig rig;
  auto s = CircleSession(432);
  s->moid.gridMinEarthIndex = 0;   // (1, 0, 0): (216, 288)
  s->moid.gridMinAsteroidIndex = 0;  // (2, 0, 0): (216, 480)
  Draw(rig, *s);
  const auto& c = rig.graphics.calls;
  const std::vector<Call> want = {{"PenColor", {RED}, ""},        {"BrushColor", {RED}, ""},
                                  {"DrawLine", {216, 288, 216, 480}, ""},
                                  {"DrawCircle", {2}, ""},        {"DrawFrom", {216, 288}, ""},
                                  {"DrawCircle", {2}, ""}};
  auto it = std::search(c.begin(), c.end(), want.begin(), want.end(),
                        [](const Call& a, const Call& b) { return a.name == b.name && a.args == b.args; });
  EXPECT_NE(it, c.end());
}

TEST(OrbitScene, ClosestApproachEndsWhereThoseSamplesWereDrawn) {
  Rig rig;
  auto s = CircleSession(432, 25);
  s->moid.gridMinEarthIndex = 108;   // the purple marker
  s->moid.gridMinAsteroidIndex = 240;  // a south ball
  Draw(rig, *s);
  const auto balls = BallsDrawn(rig.graphics);
  const auto purple = BallsOfColor(balls, RgbColor(170, 0, 255));
  ASSERT_EQ(purple.size(), 1u);
  const auto red = rig.graphics.Named("DrawLine").back();
  EXPECT_EQ(red.args[0], purple[0].x);
  EXPECT_EQ(red.args[1], purple[0].y);
  const auto south = BallsOfColor(balls, PALE_BLUE);
  // Asteroid balls south of the ecliptic: samples 216, 228, 240, ...
  ASSERT_GE(south.size(), 3u);
  EXPECT_EQ(red.args[2], south[2].x);
  EXPECT_EQ(red.args[3], south[2].y);
}

TEST(OrbitScene, LabelsAndHelpHintAfterTheCaption) {
  for (int W : {432, 1080}) {
    Rig rig;
    auto s = CircleSession(W);
    Draw(rig, *s);
    const auto& c = rig.graphics.calls;
    const int w1 = W - 1;
    const std::vector<Call> want = {
        {"DrawFrom", {w1 / 2, w1 + 25}, ""},  {"DrawTextRow", {0}, "0\xB0"},
        {"DrawFrom", {w1 + 20, w1 / 2 - 6}, ""}, {"DrawTextRow", {0}, "90\xB0"},
        {"DrawFrom", {10, w1 / 2 - 6}, ""},   {"DrawTextRow", {0}, "270\xB0"},
        {"DrawFrom", {w1, 3}, ""},            {"DrawTextRow", {0}, "F1=Help"}};
    auto it = std::search(c.begin(), c.end(), want.begin(), want.end(), [](const Call& a, const Call& b) {
      return a.name == b.name && a.args == b.args && a.text == b.text;
    });
    ASSERT_NE(it, c.end()) << W;
    // Right after the caption's last run, in its Arial.
    EXPECT_EQ((it - 1)->text.rfind("Long = ", 0), 0u);
    if (W == 432) {
      EXPECT_TRUE(it->Is("DrawFrom", {215, 456}));
      EXPECT_TRUE((it + 2)->Is("DrawFrom", {451, 209}));
      EXPECT_TRUE((it + 4)->Is("DrawFrom", {10, 209}));
      EXPECT_TRUE((it + 6)->Is("DrawFrom", {431, 3}));
    }
  }
}

TEST(OrbitScene, StillFrameShowsNoDateAndLeavesArial) {
  Rig rig;
  auto s = CircleSession(432);
  Draw(rig, *s);
  const auto fonts = rig.graphics.Named("GfxFont");
  ASSERT_EQ(fonts.size(), 1u);
  EXPECT_EQ(fonts[0].text, "Arial");
  EXPECT_EQ(rig.graphics.Count("DrawTextRow"), 3 + 4);
}

TEST(OrbitScene, AnimatedFrameHasPlainCurvesTwoCurrentBallsAndTheDate) {
  Rig rig;
  auto s = CircleSession(432);
  s->view.animating = true;
  s->view.animTime = s->epoch - 1;
  Draw(rig, *s);
  EXPECT_EQ(s->view.animTime, s->epoch);
  const auto balls = BallsDrawn(rig.graphics);
  ASSERT_EQ(balls.size(), 5u);  // Sun, Earth and asteroid now, two end dots
  for (const Ball& b : balls) {
    EXPECT_NE(b.color, RgbColor(190, 130, 0));
    EXPECT_NE(b.color, RgbColor(0, 220, 0));
  }
  // Both bodies stand at longitude 0 at the epoch: the Earth's black ball at (216, 288).
  EXPECT_EQ(BallsOfColor(balls, BLACK).size(), 1u);
  EXPECT_EQ(BallsOfColor(balls, BLACK)[0].x, 216);
  EXPECT_EQ(BallsOfColor(balls, BLACK)[0].y, 288);
  EXPECT_EQ(rig.graphics.Count("DrawPixel"), 2 * 432);
  // The date under the caption, in Courier, after the labels and the black pen.
  const auto& c = rig.graphics.calls;
  ASSERT_GE(c.size(), 7u);
  EXPECT_TRUE(c[c.size() - 7].Is("DrawTextRow", {0}));
  EXPECT_EQ(c[c.size() - 7].text, "F1=Help");
  EXPECT_TRUE(c[c.size() - 6].Is("PenColor", {BLACK}));
  EXPECT_TRUE(c[c.size() - 5].Is("BrushColor", {BLACK}));
  EXPECT_EQ(c[c.size() - 4].name, "GfxFont");
  EXPECT_EQ(c[c.size() - 4].text, "Courier");
  EXPECT_TRUE(c[c.size() - 3].Is("DrawFrom", {1, 22}));
  EXPECT_EQ(c[c.size() - 2].text, "2023/ 2/25");
  EXPECT_TRUE(c[c.size() - 1].Is("GfxWindow", {3}));
}

TEST(OrbitScene, AnimationFrameWithoutAKeyKeepsTheViewAngles) {
  Rig first, second;
  auto s = CircleSession(432);
  s->view.animating = true;
  Draw(first, *s, true);
  s->view.elevationDeg = 60;  // no command: the held angles stay in force
  Draw(second, *s, false);
  EXPECT_EQ(first.graphics.Named("DrawLine")[0].args, second.graphics.Named("DrawLine")[0].args);
  Rig third;
  Draw(third, *s, true);
  EXPECT_NE(first.graphics.Named("DrawLine")[0].args, third.graphics.Named("DrawLine")[0].args);
}

TEST(OrbitScene, SamplesAtTheEyesDepthAreLeftOut) {
  Rig rig;
  auto s = CircleSession(72);
  s->view.elevationDeg = 0;
  for (int k = 0; k <= 72; ++k) {  // every Earth sample 3 AU out towards the eye
    s->earthTable.x[k] = 3;
    s->earthTable.y[k] = 0;
  }
  Draw(rig, *s);
  for (const Ball& b : BallsDrawn(rig.graphics)) EXPECT_FALSE(IsEarthColor(b.color) && b.radius != 2);
  for (const Call& c : rig.graphics.Named("DrawPixel")) EXPECT_NE(c.args[2], BLACK);
  // The closest-approach segment has no Earth end: only the asteroid's dot is drawn.
  EXPECT_EQ(rig.graphics.Count("DrawLine"), 62);
}

TEST(OrbitScene, EyeInsideTheSunStillDrawsAFrame) {
  Rig rig;
  auto s = CircleSession(432);
  s->view.eyeDistance = 0;
  Draw(rig, *s);
  EXPECT_TRUE(rig.graphics.calls.back().Is("GfxWindow", {3}));
  // The Sun's row of the grid lies at the eye: its line and the Sun are left out.
  for (const Ball& b : BallsDrawn(rig.graphics)) EXPECT_NE(b.radius, 10);
  EXPECT_LE(rig.graphics.Count("DrawLine"), 62);
  for (const Call& c : rig.graphics.Named("DrawLine"))
    for (long long v : c.args) EXPECT_LE(std::llabs(v), 1000000000LL);
}

TEST(OrbitScene, NothingIsDrawnBeforeTheTablesAreSized) {
  Rig rig;
  Session empty;
  Draw(rig, empty);
  EXPECT_TRUE(rig.graphics.calls.empty());
}

}  // namespace
}  // namespace moid

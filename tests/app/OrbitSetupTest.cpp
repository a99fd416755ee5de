#include "app/OrbitSetup.h"

#include <cmath>
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "orbit/OrbitModel.h"

namespace moid {
namespace {

using apptest::NewState;
using headless::HeadlessPlatform;

ElementRecord Circle(double a, const std::string& name) {
  ElementRecord r;
  r.semiMajorAxis = a;
  r.name = name;
  return r;
}

// Two circles in the ecliptic, radii 1 and 1.5 AU: the orbits are 0.5 AU apart everywhere.
std::unique_ptr<AppState> CoplanarCircles(int W) {
  auto state = NewState();
  state->windowWidth = W;
  state->ballSpacing = static_cast<int>(std::nearbyint(W / 36.0));
  state->catalog.epoch = 2451545.0;
  state->catalog.reference = Circle(1.0, "EMB");
  state->catalog.bodies[0] = Circle(1.5, "Wide circle");
  state->catalog.lastIndex = 0;
  state->session.Resize(W);
  state->colorGrid.Resize(W);
  state->session.earth = PrepareEarthGeometry(state->catalog.reference);
  state->currentBody = state->catalog.bodies[0];
  state->bodyLabel = "Wide circle";
  return state;
}

TEST(OrbitSetup, FindsTheGapBetweenTwoCoplanarCircles) {
  auto state = CoplanarCircles(72);
  HeadlessPlatform platform;
  Platform p = platform.AsPlatform();
  RunOrbitSetup(p, *state);
  const Session& s = state->session;
  EXPECT_NEAR(s.moid.moidAu, 0.5, 1e-9);
  EXPECT_NEAR(s.grid.minGm, 0.5 * GM_PER_AU, 1e-6);
  // The samples are 360/71 degrees apart: the farthest pair is 35 steps apart, not 180 degrees.
  const double widest = 2 * Pi() * 35 / 71;
  EXPECT_NEAR(s.grid.maxGm, std::sqrt(1 + 2.25 - 2 * 1.5 * std::cos(widest)) * GM_PER_AU, 1e-6);
  EXPECT_LT(s.grid.maxGm, 2.5 * GM_PER_AU);
  // Both tables sampled: the Earth's points lie on the unit circle, the asteroid's on 1.5.
  for (int k = 0; k < 72; ++k) {
    EXPECT_NEAR(std::hypot(s.earthTable.x[k], s.earthTable.y[k]), 1.0, 1e-12) << k;
    EXPECT_NEAR(std::hypot(s.asteroidTable.x[k], s.asteroidTable.y[k]), 1.5, 1e-12) << k;
  }
}

TEST(OrbitSetup, ColorsTheGridItScanned) {
  auto state = CoplanarCircles(72);
  HeadlessPlatform platform;
  Platform p = platform.AsPlatform();
  RunOrbitSetup(p, *state);
  ColorGrid expected;
  expected.Resize(72);
  BuildColorGrid(state->session.grid, 72, expected);
  EXPECT_EQ(state->colorGrid.cells, expected.cells);
}

TEST(OrbitSetup, HidesTheCursorAndStartsFromTheDefaultView) {
  auto state = CoplanarCircles(72);
  ViewState& v = state->session.view;
  v.elevationDeg = 45;
  v.azimuthDeg = -30;
  v.eyeDistance = 0.5;
  v.ballSize = 2;
  v.gridExtent = 20;
  v.animating = true;
  v.paused = true;
  v.timeDirection = -1;
  HeadlessPlatform platform;
  platform.SetTextCursorVisible(true);
  Platform p = platform.AsPlatform();
  RunOrbitSetup(p, *state);
  EXPECT_FALSE(platform.TextCursorVisible());
  EXPECT_EQ(v.elevationDeg, 20.0);
  EXPECT_EQ(v.azimuthDeg, 0.0);
  EXPECT_EQ(v.eyeDistance, 3.0);
  EXPECT_EQ(v.ballSize, 13);
  EXPECT_EQ(v.gridExtent, 15);
  EXPECT_FALSE(v.animating);
  EXPECT_FALSE(v.paused);
  EXPECT_EQ(v.timeDirection, 1);
}

TEST(OrbitSetup, HandsTheCaptionFactsToTheScreens) {
  auto state = CoplanarCircles(144);
  state->ballSpacing = 4;
  HeadlessPlatform platform;
  Platform p = platform.AsPlatform();
  RunOrbitSetup(p, *state);
  const Session& s = state->session;
  EXPECT_EQ(s.W, 144);
  EXPECT_EQ(s.ballSpacing, 4);
  EXPECT_EQ(s.epoch, 2451545.0);
  EXPECT_EQ(s.referenceName, "EMB");
  EXPECT_EQ(s.bodyLabel, "Wide circle");
  EXPECT_EQ(s.asteroid.a, 1.5);
  EXPECT_FALSE(s.asteroid.isEarth);
}

TEST(OrbitSetup, AnEmptySlotNeitherCrashesNorHangs) {
  // A catalogue without bodies offers slot 0, all zeros: the program must carry on.
  auto state = CoplanarCircles(72);
  state->currentBody = ElementRecord{};
  HeadlessPlatform platform;
  Platform p = platform.AsPlatform();
  RunOrbitSetup(p, *state);
  // The empty slot is a point at the Sun: one astronomical unit from the Earth's circle.
  EXPECT_NEAR(state->session.grid.minGm, GM_PER_AU, 1e-6);
  EXPECT_TRUE(std::isfinite(state->session.moid.moidAu));
}

}  // namespace
}  // namespace moid

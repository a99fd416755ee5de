// What each key does to the view, one command at a time.
#include "view/OrbitCommands.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ViewTestSupport.h"
#include "platform/Keys.h"

namespace moid {
namespace {

constexpr double EPOCH = viewtest::TEST_EPOCH;

CommandOutcome Press(ViewState& v, const std::string& key) {
  return ApplyCommand(v, UpperCaseKey(key), EPOCH);
}

bool SameView(const ViewState& a, const ViewState& b) {
  return a.eyeDistance == b.eyeDistance && a.elevationDeg == b.elevationDeg &&
         a.azimuthDeg == b.azimuthDeg && a.ballSize == b.ballSize &&
         a.gridExtent == b.gridExtent && a.animating == b.animating && a.paused == b.paused &&
         a.timeDirection == b.timeDirection && a.animTime == b.animTime;
}

TEST(OrbitCommands, ZoomHasNoBoundsInEitherDirection) {
  ViewState v;
  for (int n = 0; n < 10; ++n) EXPECT_EQ(Press(v, "+"), CommandOutcome::Redraw);
  EXPECT_EQ(v.eyeDistance, 0.5);
  Press(v, "+");
  Press(v, "+");
  EXPECT_EQ(v.eyeDistance, 0.0);
  Press(v, "+");
  EXPECT_EQ(v.eyeDistance, -0.25);
  for (int n = 0; n < 5; ++n) Press(v, "-");
  EXPECT_EQ(v.eyeDistance, 1.0);
}

TEST(OrbitCommands, BallSizeStaysBetweenOneAndTwentyFive) {
  ViewState v;
  for (int n = 0; n < 12; ++n) Press(v, ">");
  EXPECT_EQ(v.ballSize, 25);
  EXPECT_EQ(Press(v, ">"), CommandOutcome::Redraw);
  EXPECT_EQ(v.ballSize, 25);
  for (int n = 0; n < 24; ++n) Press(v, "<");
  EXPECT_EQ(v.ballSize, 1);
  Press(v, "<");
  EXPECT_EQ(v.ballSize, 1);
}

TEST(OrbitCommands, GridExtentCycles) {
  ViewState v;
  EXPECT_EQ(v.gridExtent, 15);
  Press(v, "#");
  EXPECT_EQ(v.gridExtent, 20);
  Press(v, "#");
  EXPECT_EQ(v.gridExtent, 10);
  Press(v, "#");
  EXPECT_EQ(v.gridExtent, 15);
}

TEST(OrbitCommands, ArrowsTurnAndTiltByFiveDegreesWithoutWrapping) {
  ViewState v;
  EXPECT_EQ(Press(v, keys::Extended(keys::SCAN_DOWN)), CommandOutcome::Redraw);
  EXPECT_EQ(v.elevationDeg, 25);
  Press(v, keys::Extended(keys::SCAN_UP));
  Press(v, keys::Extended(keys::SCAN_UP));
  EXPECT_EQ(v.elevationDeg, 15);
  for (int n = 0; n < 73; ++n) Press(v, keys::Extended(keys::SCAN_RIGHT));
  EXPECT_EQ(v.azimuthDeg, 365);
  for (int n = 0; n < 74; ++n) Press(v, keys::Extended(keys::SCAN_LEFT));
  EXPECT_EQ(v.azimuthDeg, -5);
  for (int n = 0; n < 40; ++n) Press(v, keys::Extended(keys::SCAN_UP));
  EXPECT_EQ(v.elevationDeg, -185);
}

TEST(OrbitCommands, MStartsTheAnimationOneDayBeforeTheEpochAndStopsIt) {
  ViewState v;
  v.timeDirection = -1;
  v.paused = true;
  EXPECT_EQ(Press(v, "M"), CommandOutcome::Redraw);
  EXPECT_TRUE(v.animating);
  EXPECT_FALSE(v.paused);
  EXPECT_EQ(v.timeDirection, +1);
  EXPECT_EQ(v.animTime, EPOCH - 1);
  v.animTime = EPOCH + 40;
  v.paused = true;
  Press(v, "M");
  EXPECT_FALSE(v.animating);
  EXPECT_FALSE(v.paused);
  EXPECT_EQ(v.animTime, EPOCH + 40);  // stopping keeps the clock
}

TEST(OrbitCommands, LowerCaseLettersActLikeUpperCase) {
  ViewState v;
  Press(v, "m");
  EXPECT_TRUE(v.animating);
  Press(v, "p");
  EXPECT_TRUE(v.paused);
  Press(v, "b");
  EXPECT_EQ(v.timeDirection, -1);
}

TEST(OrbitCommands, PauseOnlyWhileAnimating) {
  ViewState v;
  EXPECT_EQ(Press(v, "P"), CommandOutcome::Redraw);
  EXPECT_FALSE(v.paused);
  v.paused = true;  // a stale pause is cleared, with no other effect
  Press(v, "P");
  EXPECT_FALSE(v.paused);
  Press(v, "M");
  Press(v, "P");
  EXPECT_TRUE(v.paused);
  Press(v, "P");
  EXPECT_FALSE(v.paused);
}

TEST(OrbitCommands, BackReversesTimeOnlyWhileAnimating) {
  ViewState v;
  const ViewState before = v;
  EXPECT_EQ(Press(v, "B"), CommandOutcome::Redraw);  // still: only a redraw
  EXPECT_TRUE(SameView(v, before));
  Press(v, "M");
  Press(v, "B");
  EXPECT_EQ(v.timeDirection, -1);
  Press(v, "B");
  EXPECT_EQ(v.timeDirection, +1);
}

TEST(OrbitCommands, HomeRestoresTheEyeAndRestartsTheClockButKeepsGridAndAnimation) {
  ViewState v;
  Press(v, "#");
  Press(v, "M");
  Press(v, "P");
  Press(v, "B");
  Press(v, "+");
  Press(v, ">");
  Press(v, keys::Extended(keys::SCAN_LEFT));
  Press(v, keys::Extended(keys::SCAN_DOWN));
  v.animTime = EPOCH + 123;
  EXPECT_EQ(Press(v, keys::Extended(keys::SCAN_HOME)), CommandOutcome::Redraw);
  EXPECT_EQ(v.eyeDistance, 3.0);
  EXPECT_EQ(v.elevationDeg, 20);
  EXPECT_EQ(v.azimuthDeg, 0);
  EXPECT_EQ(v.ballSize, 13);
  EXPECT_EQ(v.timeDirection, +1);
  EXPECT_EQ(v.animTime, EPOCH - 1);
  EXPECT_EQ(v.gridExtent, 20);
  EXPECT_TRUE(v.animating);
  EXPECT_TRUE(v.paused);
}

TEST(OrbitCommands, WaysOutOfTheView) {
  ViewState v;
  EXPECT_EQ(Press(v, " "), CommandOutcome::ToDistanceMap);
  EXPECT_EQ(Press(v, "\r"), CommandOutcome::ToDistanceMap);
  EXPECT_EQ(Press(v, "\x1b"), CommandOutcome::ToExit);
  EXPECT_EQ(Press(v, keys::Extended(keys::SCAN_F1)), CommandOutcome::HelpThenRedraw);
}

TEST(OrbitCommands, OtherKeysChangeNothing) {
  ViewState v;
  const ViewState before = v;
  for (const std::string k : {"", ".", ",", "x", "Q", "=", "\t", "\b"}) {
    EXPECT_EQ(Press(v, k), CommandOutcome::NoCommand) << k;
  }
  for (unsigned char scan : {keys::SCAN_END, keys::SCAN_PGUP, keys::SCAN_PGDN, keys::SCAN_INSERT,
                             keys::SCAN_DELETE, keys::SCAN_F12, static_cast<unsigned char>(0x3C)}) {
    EXPECT_EQ(Press(v, keys::Extended(scan)), CommandOutcome::NoCommand) << int(scan);
  }
  EXPECT_EQ(Press(v, "MP"), CommandOutcome::NoCommand);  // a key is one character
  EXPECT_TRUE(SameView(v, before));
}

TEST(OrbitCommands, ExtendedKeysAreNotTheLettersOfTheirScanCodes) {
  // The Down arrow's scan code is the byte of "P": a NUL before it makes it an arrow.
  ViewState v;
  Press(v, "M");
  Press(v, keys::Extended(keys::SCAN_DOWN));
  EXPECT_FALSE(v.paused);
  EXPECT_EQ(v.elevationDeg, 25);
}

TEST(OrbitCommands, UpperCasingTouchesAsciiLettersOnly) {
  EXPECT_EQ(UpperCaseKey("m"), "M");
  EXPECT_EQ(UpperCaseKey("z"), "Z");
  EXPECT_EQ(UpperCaseKey("#"), "#");
  EXPECT_EQ(UpperCaseKey(std::string("\xff", 1)), std::string("\xff", 1));
  EXPECT_EQ(UpperCaseKey(keys::MousePress(1)), keys::MousePress(1));
  EXPECT_EQ(UpperCaseKey(std::string("\0k", 2)), std::string("\0K", 2));
}

TEST(OrbitCommands, HelpTextIsStoredWithTwoCharacterEscapes) {
  const std::string text = HELP_TEXT;
  EXPECT_EQ(text,
            "Arrows\\t= Image rotations\\n+\\t= Zoom in\\n-\\t= Zoom out\\n<\\t= Smaller balls"
            "\\n>\\t= Larger balls\\n#\\t= Grid extension\\nM\\t= Animate motion\\n"
            "P\\t= Pause motion\\nB\\t= Back\\nHome\\t= Reset Defaults\\nEsc\\t= Exit");
  EXPECT_EQ(text.find('\t'), std::string::npos);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  viewtest::KeyScriptConsole console;
  ShowHelp(console);
  ASSERT_EQ(console.messageBoxes.size(), 1u);
  EXPECT_EQ(console.messageBoxes[0], "Available Commands|" + text);
}

TEST(OrbitCommands, AnimationStepMovesBothBodiesOneDayOnTheirCircles) {
  auto s = viewtest::CircleSession(72);
  const int W = 72;
  s->view.animating = true;
  s->view.animTime = EPOCH - 1;
  AnimationStep(*s);
  EXPECT_EQ(s->view.animTime, EPOCH);
  // At the epoch both bodies sit at mean anomaly 0: longitude 0.
  EXPECT_NEAR(s->earthTable.x[W], 1.0, 1e-15);
  EXPECT_NEAR(s->earthTable.y[W], 0.0, 1e-15);
  EXPECT_NEAR(s->asteroidTable.x[W], 2.0, 1e-15);
  // Ten days on: angle n t, n = k sqrt(m / a^3).
  s->view.animTime = EPOCH + 9;
  AnimationStep(*s);
  const double earthAngle = 10 * 0.01720209895 * std::sqrt(1.0000030404);
  EXPECT_NEAR(s->earthTable.x[W], std::cos(earthAngle), 1e-13);
  EXPECT_NEAR(s->earthTable.y[W], std::sin(earthAngle), 1e-13);
  EXPECT_EQ(s->earthTable.z[W], 0.0);
  const double asteroidAngle = 10 * 0.01720209895 / std::sqrt(8.0);
  EXPECT_NEAR(s->asteroidTable.x[W], 2 * std::cos(asteroidAngle), 1e-13);
  EXPECT_NEAR(s->asteroidTable.y[W], 2 * std::sin(asteroidAngle), 1e-13);
  // Backwards: one day earlier.
  s->view.timeDirection = -1;
  AnimationStep(*s);
  EXPECT_EQ(s->view.animTime, EPOCH + 9);
}

TEST(OrbitCommands, AnimationStepLeavesTheOrbitSamplesAlone) {
  auto s = viewtest::CircleSession(72, 30);
  const OrbitTable earth = s->earthTable, asteroid = s->asteroidTable;
  s->view.animTime = EPOCH + 100;
  AnimationStep(*s);
  for (int k = 0; k < 72; ++k) {
    EXPECT_EQ(s->earthTable.x[k], earth.x[k]);
    EXPECT_EQ(s->asteroidTable.z[k], asteroid.z[k]);
  }
  EXPECT_EQ(s->asteroidTable.nu[72], asteroid.nu[72]);  // the anomaly column is not written
}

TEST(OrbitCommands, AnimationStepWaitsForSizedTables) {
  Session s;  // no width chosen yet
  s.view.animTime = EPOCH;
  AnimationStep(s);
  EXPECT_EQ(s.view.animTime, EPOCH);
}

}  // namespace
}  // namespace moid

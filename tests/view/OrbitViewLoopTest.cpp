// The orbit view's key loop: commands, animation frames, the pause, the ways out.
#include <gtest/gtest.h>

#include "ViewTestSupport.h"
#include "platform/Keys.h"
#include "view/OrbitView.h"

namespace moid {
namespace {

using viewtest::Call;
using viewtest::CircleSession;
using viewtest::Rig;

const std::string ESC = "\x1b";
const std::string NONE = "";

struct LoopRun {
  OrbitViewExit exit;
  std::vector<std::string> dates;  // the date of every animated frame, in order
  int frames = 0;
  int refreshes = 0;
};

LoopRun RunWith(Rig& rig, Session& s, std::vector<std::string> keys) {
  rig.console.keys.assign(keys.begin(), keys.end());
  Platform p = rig.Get();
  LoopRun run;
  run.exit = RunOrbitView(p, s);
  const auto& c = rig.graphics.calls;
  for (std::size_t i = 0; i < c.size(); ++i) {
    if (c[i].Is("DrawFrom", {1, 22}) && i + 1 < c.size() && c[i + 1].name == "DrawTextRow") {
      run.dates.push_back(c[i + 1].text);
    }
    if (c[i].Is("GfxWindow", {2})) ++run.frames;
    if (c[i].Is("GfxRefresh", {0})) ++run.refreshes;
  }
  return run;
}

TEST(OrbitViewLoop, EscLeavesForTheExitAfterTheFirstFrame) {
  Rig rig;
  auto s = CircleSession(432);
  const LoopRun run = RunWith(rig, *s, {ESC});
  EXPECT_EQ(run.exit, OrbitViewExit::ToExit);
  EXPECT_EQ(run.frames, 1);
  EXPECT_TRUE(run.dates.empty());
}

TEST(OrbitViewLoop, SpaceEnterAndMouseButtonsLeaveForTheMap) {
  for (const std::string& key : {std::string(" "), std::string("\r"), keys::MousePress(1), keys::MousePress(2)}) {
    Rig rig;
    auto s = CircleSession(432);
    const LoopRun run = RunWith(rig, *s, {key});
    EXPECT_EQ(run.exit, OrbitViewExit::ToDistanceMap);
    EXPECT_EQ(run.frames, 1);
  }
}

TEST(OrbitViewLoop, ClosedWindowLeavesForTheExit) {
  Rig rig;
  auto s = CircleSession(432);
  s->view.animating = true;  // even while frames follow each other without keys
  const LoopRun run = RunWith(rig, *s, {NONE, NONE});
  EXPECT_EQ(run.exit, OrbitViewExit::ToExit);
}

TEST(OrbitViewLoop, IdleStillViewPollsAndRefreshesWithoutDrawing) {
  Rig rig;
  auto s = CircleSession(432);
  const LoopRun run = RunWith(rig, *s, {NONE, NONE, NONE, ".", ",", ESC});
  EXPECT_EQ(run.frames, 1);
  EXPECT_EQ(run.refreshes, 5);
  EXPECT_EQ(rig.console.sleeps, 6);  // 10 ms before every key is acted on
  EXPECT_EQ(s->view.ballSize, 13);
}

TEST(OrbitViewLoop, EveryCommandRedrawsInFull) {
  Rig rig;
  auto s = CircleSession(432);
  const LoopRun run = RunWith(rig, *s, {"+", "-", ">", "<", "#", "P", "B", keys::Extended(keys::SCAN_LEFT), ESC});
  EXPECT_EQ(run.frames, 1 + 8);
  EXPECT_EQ(rig.console.mouseOnCalls, 9);  // mouse reporting set up after every frame
  EXPECT_EQ(s->view.gridExtent, 20);
  EXPECT_EQ(s->view.azimuthDeg, -5);
  EXPECT_FALSE(s->view.paused);  // "P" while still
  EXPECT_TRUE(run.dates.empty());
}

TEST(OrbitViewLoop, AnimationShowsTheEpochThenOneDayMorePerFrame) {
  Rig rig;
  auto s = CircleSession(432);
  const LoopRun run = RunWith(rig, *s, {"M", NONE, NONE, NONE, ESC});
  EXPECT_EQ(run.dates, (std::vector<std::string>{"2023/ 2/25", "2023/ 2/26", "2023/ 2/27", "2023/ 2/28"}));
  EXPECT_EQ(rig.console.sleeps, 2);  // animation frames follow each other without a pause
}

TEST(OrbitViewLoop, BackRunsTheDateBackwardsAndForwardsAgain) {
  Rig rig;
  auto s = CircleSession(432);
  const LoopRun run = RunWith(rig, *s, {"M", "B", NONE, "b", NONE, ESC});
  EXPECT_EQ(run.dates,
            (std::vector<std::string>{"2023/ 2/25", "2023/ 2/24", "2023/ 2/23", "2023/ 2/24", "2023/ 2/25"}));
}

TEST(OrbitViewLoop, HomeRestartsAtTheEpochGoingForwards) {
  Rig rig;
  auto s = CircleSession(432);
  const LoopRun run = RunWith(rig, *s, {"m", "B", NONE, NONE, keys::Extended(keys::SCAN_HOME), NONE, ESC});
  EXPECT_EQ(run.dates, (std::vector<std::string>{"2023/ 2/25", "2023/ 2/24", "2023/ 2/23", "2023/ 2/22",
                                                 "2023/ 2/25", "2023/ 2/26"}));
  EXPECT_TRUE(s->view.animating);
}

TEST(OrbitViewLoop, UnknownKeyWhileAnimatingDrawsTheNextFrame) {
  Rig rig;
  auto s = CircleSession(432);
  const LoopRun run = RunWith(rig, *s, {"M", ".", ESC});
  EXPECT_EQ(run.dates, (std::vector<std::string>{"2023/ 2/25", "2023/ 2/26"}));
  EXPECT_EQ(run.refreshes, 1);
}

TEST(OrbitViewLoop, SpaceWhilePausedStepsExactlyOneDay) {
  Rig rig;
  auto s = CircleSession(432);
  // After "P" every frame waits for a key; the loop's own read while paused is dropped.
  const LoopRun run = RunWith(rig, *s, {"M", "P", NONE, NONE, " ", "dropped", " ", "dropped", "P", NONE, NONE, ESC});
  // 26 is the frame drawn by "P"; each space one more; "P" resumes the running frames.
  EXPECT_EQ(run.dates, (std::vector<std::string>{"2023/ 2/25", "2023/ 2/26", "2023/ 2/27", "2023/ 2/28",
                                                 "2023/ 3/ 1", "2023/ 3/ 2"}));
  EXPECT_FALSE(s->view.paused);
  EXPECT_TRUE(s->view.animating);
}

TEST(OrbitViewLoop, PauseWaitKeepsTheFrameOnScreenWhileItWaits) {
  Rig rig;
  auto s = CircleSession(432);
  RunWith(rig, *s, {"M", "P", NONE, NONE, NONE, ESC});
  // Three empty reads inside the wait: each sleeps, refreshes and shows the picture.
  const auto& c = rig.graphics.calls;
  int shown = 0;
  for (std::size_t i = 0; i + 1 < c.size(); ++i)
    if (c[i].Is("GfxRefresh", {0}) && c[i + 1].Is("GfxWindow", {3})) ++shown;
  EXPECT_EQ(shown, 3);
}

TEST(OrbitViewLoop, ZoomWhilePausedZoomsAndStepsOneDay) {
  Rig rig;
  auto s = CircleSession(432);
  const LoopRun run = RunWith(rig, *s, {"M", "P", "+", "dropped", ESC, "dropped"});
  EXPECT_EQ(run.dates, (std::vector<std::string>{"2023/ 2/25", "2023/ 2/26", "2023/ 2/27"}));
  EXPECT_EQ(s->view.eyeDistance, 2.75);
  EXPECT_EQ(run.exit, OrbitViewExit::ToExit);
}

TEST(OrbitViewLoop, MWhilePausedStopsTheAnimation) {
  Rig rig;
  auto s = CircleSession(432);
  const LoopRun run = RunWith(rig, *s, {"M", "P", "m", "dropped", NONE, ESC});
  EXPECT_FALSE(s->view.animating);
  EXPECT_FALSE(s->view.paused);
  EXPECT_EQ(run.dates.size(), 2u);
}

TEST(OrbitViewLoop, MouseButtonWhilePausedLeavesForTheMapAndReleasesThePause) {
  Rig rig;
  auto s = CircleSession(432);
  const LoopRun run = RunWith(rig, *s, {"M", "P", keys::MousePress(1), "dropped"});
  EXPECT_EQ(run.exit, OrbitViewExit::ToDistanceMap);
  EXPECT_FALSE(s->view.paused);
  EXPECT_TRUE(s->view.animating);  // the map comes back to a running animation
}

TEST(OrbitViewLoop, ClosedWindowWhilePausedLeavesForTheExit) {
  Rig rig;
  auto s = CircleSession(432);
  const LoopRun run = RunWith(rig, *s, {"M", "P", NONE});
  EXPECT_EQ(run.exit, OrbitViewExit::ToExit);
}

TEST(OrbitViewLoop, ZoomingThroughTheSunAndBeyondDoesNotFail) {
  Rig rig;
  auto s = CircleSession(432);
  std::vector<std::string> keys(16, "+");
  keys.push_back("M");
  keys.push_back(NONE);
  keys.push_back(ESC);
  const LoopRun run = RunWith(rig, *s, keys);
  EXPECT_EQ(s->view.eyeDistance, -1.0);
  EXPECT_EQ(run.frames, 1 + 16 + 2);
}

TEST(OrbitViewLoop, F1ShowsTheHelpBoxThenRedraws) {
  Rig rig;
  auto s = CircleSession(432);
  const LoopRun run = RunWith(rig, *s, {keys::Extended(keys::SCAN_F1), ESC});
  ASSERT_EQ(rig.console.messageBoxes.size(), 1u);
  EXPECT_EQ(rig.console.messageBoxes[0].rfind("Available Commands|Arrows\\t= Image rotations\\n", 0), 0u);
  EXPECT_EQ(run.frames, 2);
}

TEST(OrbitViewLoop, ComingBackFromTheMapKeepsTheView) {
  Rig rig;
  auto s = CircleSession(432);
  RunWith(rig, *s, {"M", "#", ">", " "});
  Rig again;
  const LoopRun run = RunWith(again, *s, {ESC});
  EXPECT_EQ(s->view.gridExtent, 20);
  EXPECT_EQ(s->view.ballSize, 14);
  EXPECT_EQ(run.dates, std::vector<std::string>{"2023/ 2/28"});  // the full redraw steps on
}

}  // namespace
}  // namespace moid

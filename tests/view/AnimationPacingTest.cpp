// The animation's pace through the headless backend: its virtual clock stands for the
// wall clock, its configured refresh rate for the display's.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ViewTestSupport.h"
#include "platform/Keys.h"
#include "platform/headless/HeadlessPlatform.h"
#include "view/OrbitView.h"

namespace moid {
namespace {

using headless::HeadlessConfig;
using headless::HeadlessPlatform;
using headless::ScriptEvent;

struct PacedRun {
  double seconds = 0;               // virtual time from the first animated frame to the end
  double days = 0;                  // how far the date moved in that time
  int animatedFrames = 0;           // pictures shown while the date moved
  std::vector<double> frameTimesMs; // when each of them was shown
  OrbitViewExit exit{};
};

// Runs the orbit view: "M", then the given keys, then `polls` empty polls.
PacedRun Animate(int refreshRate, const std::vector<std::string>& keysAfterM, int polls,
                 int W = 72) {
  HeadlessConfig config;
  config.refreshRate = refreshRate;
  HeadlessPlatform hp(config);
  auto s = viewtest::CircleSession(W);
  hp.PushKeys({"M"});
  hp.PushKeys(keysAfterM);
  hp.Push(ScriptEvent::Idle(polls));
  Platform p = hp.AsPlatform();
  PacedRun run;
  run.exit = RunOrbitView(p, *s);
  // Replay the log's sleeps as the clock; frames after "M" turned the animation on.
  double clockMs = 0;
  bool animating = false;
  for (const std::string& call : hp.CallLog()) {
    if (call.rfind("Sleep(", 0) == 0) clockMs += std::stoi(call.substr(6));
    if (call.rfind("SetWindowTitle(", 0) == 0) animating = call.find("days/s") != std::string::npos;
    if (call == "GfxWindow(3)" && animating) run.frameTimesMs.push_back(clockMs);
  }
  EXPECT_EQ(clockMs, static_cast<double>(hp.ClockMs()));
  run.animatedFrames = static_cast<int>(run.frameTimesMs.size());
  if (!run.frameTimesMs.empty()) run.seconds = (clockMs - run.frameTimesMs.front()) / 1000;
  run.days = s->view.animTime - (viewtest::TEST_EPOCH - 1);
  return run;
}

TEST(AnimationPacing, SecondsOfAnimationAdvanceThatManyTimesTheRefreshRateInDays) {
  for (int rate : {50, 60, 75}) {
    const PacedRun run = Animate(rate, {}, 1500);
    ASSERT_GT(run.seconds, 2.0) << rate;
    // The epoch's frame at time 0, then one every 1/rate s: never ahead, at most a frame behind.
    const double expected = 1 + std::floor(run.seconds * rate + 1e-9);
    EXPECT_LE(run.days, expected) << rate;
    EXPECT_GE(run.days, expected - 1) << rate;
    EXPECT_EQ(run.days, run.animatedFrames) << "one day per presented frame, " << rate;
  }
}

TEST(AnimationPacing, NoTwoFramesComeCloserThanTheDisplayShowsThem) {
  for (int rate : {50, 60}) {
    const PacedRun run = Animate(rate, {}, 600);
    const double periodMs = 1000.0 / rate;
    for (std::size_t i = 1; i < run.frameTimesMs.size(); ++i) {
      // Sleeps are whole milliseconds: a frame due at 16.67 ms is shown at 17.
      EXPECT_GE(run.frameTimesMs[i] - run.frameTimesMs[i - 1], std::floor(periodMs)) << rate << " " << i;
    }
  }
}

TEST(AnimationPacing, KeysPressedWhileAnimatingStillStepOneDayPerPresentedFrame) {
  // Zooming, turning and the ball size each redraw at once, as every command does.
  const PacedRun run = Animate(60, {"+", "-", ">", keys::Extended(keys::SCAN_LEFT), "<"}, 300);
  EXPECT_EQ(run.days, run.animatedFrames);
  for (std::size_t i = 1; i < run.frameTimesMs.size(); ++i) {
    EXPECT_GE(run.frameTimesMs[i] - run.frameTimesMs[i - 1], 16.0) << i;
  }
}

TEST(AnimationPacing, SpeedKeysHalveAndDoubleTheDaysPerSecond) {
  const PacedRun halved = Animate(60, {"["}, 1500);
  ASSERT_GT(halved.seconds, 2.0);
  EXPECT_NEAR(halved.days / halved.seconds, 30, 1.0);
  const PacedRun quarter = Animate(60, {"[", "["}, 1500);
  EXPECT_NEAR(quarter.days / quarter.seconds, 15, 1.0);
  // Doubling never goes beyond the display's rate.
  const PacedRun capped = Animate(60, {"[", "]", "]", "]"}, 1500);
  EXPECT_NEAR(capped.days / capped.seconds, 60, 1.0);
  const PacedRun slowest = Animate(60, {"[", "[", "[", "[", "[", "[", "["}, 1500);
  EXPECT_NEAR(slowest.days / slowest.seconds, 1, 0.5);
}

TEST(AnimationPacing, PauseSpaceAndHomeKeepTheirMeaning) {
  HeadlessPlatform hp;
  auto s = viewtest::CircleSession(72);
  // While paused, the loop's own read is dropped ("d"); the frame's wait takes the space.
  hp.PushKeys({"M", "P", " ", "d", " ", "d"});
  Platform p = hp.AsPlatform();
  RunOrbitView(p, *s);
  // The epoch's frame, the one drawn by "P", then one day per space.
  EXPECT_EQ(s->view.animTime, viewtest::TEST_EPOCH + 3);
  HeadlessPlatform again;
  auto t = viewtest::CircleSession(72);
  again.PushKeys({"M"});
  again.Push(ScriptEvent::Idle(100));
  again.PushKeys({keys::Extended(keys::SCAN_HOME)});
  Platform q = again.AsPlatform();
  RunOrbitView(q, *t);
  EXPECT_EQ(t->view.animTime, viewtest::TEST_EPOCH);  // Home's own frame shows the epoch
  EXPECT_TRUE(t->view.animating);
}

}  // namespace
}  // namespace moid

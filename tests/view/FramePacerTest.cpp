// The animation's pace: when frames are due, and the speed keys' bounds.
#include <gtest/gtest.h>

#include <vector>

#include "view/FramePacer.h"

namespace moid {
namespace {

// Drives a pacer with a clock that jumps straight to each due time, and returns the
// times of the frames drawn within `seconds`.
std::vector<std::int64_t> FramesWithin(FramePacer& pacer, double seconds) {
  std::vector<std::int64_t> times;
  std::int64_t now = 0;
  pacer.FrameDrawn(now, false);
  times.push_back(now);
  const auto end = static_cast<std::int64_t>(seconds * 1e6);
  for (;;) {
    now += pacer.UntilNextFrame(now);
    if (now >= end) break;
    pacer.FrameDrawn(now, true);
    times.push_back(now);
  }
  return times;
}

TEST(FramePacer, StartsAtTheRefreshRateAndKeepsAPaceWithinIt) {
  EXPECT_EQ(FramePacer(60, 0).Pace(), 60);
  EXPECT_EQ(FramePacer(60, 15).Pace(), 15);
  EXPECT_EQ(FramePacer(60, 240).Pace(), 60);
  EXPECT_EQ(FramePacer(0, 0).Pace(), 1);  // a display that says 0 still gets pictures
}

TEST(FramePacer, FramesAtTheRefreshRateNeverDrift) {
  for (int rate : {50, 60, 75, 144}) {
    FramePacer pacer(rate, 0);
    const auto times = FramesWithin(pacer, 10);
    EXPECT_EQ(times.size(), static_cast<std::size_t>(10 * rate)) << rate;
    // 1/60 s is no whole number of microseconds: no frame may come early by a rounding.
    const std::int64_t period = 1000000 / rate;
    for (std::size_t i = 1; i < times.size(); ++i) {
      EXPECT_GE(times[i] - times[i - 1], period) << rate << " frame " << i;
      EXPECT_LE(times[i] - times[i - 1], period + 1) << rate << " frame " << i;
    }
  }
}

TEST(FramePacer, SpeedKeysHalveAndDoubleBetweenOneAndTheRefreshRate) {
  FramePacer pacer(60, 0);
  std::vector<int> paces;
  for (int i = 0; i < 7; ++i) {
    pacer.Slower();
    paces.push_back(pacer.Pace());
  }
  EXPECT_EQ(paces, (std::vector<int>{30, 15, 7, 3, 1, 1, 1}));
  paces.clear();
  for (int i = 0; i < 7; ++i) {
    pacer.Faster();
    paces.push_back(pacer.Pace());
  }
  EXPECT_EQ(paces, (std::vector<int>{2, 4, 8, 16, 32, 60, 60}));
}

TEST(FramePacer, AHalvedPaceDrawsHalfTheFrames) {
  FramePacer pacer(60, 0);
  pacer.Slower();
  EXPECT_EQ(FramesWithin(pacer, 4).size(), 4u * 30);
  FramePacer slowest(60, 1);
  EXPECT_EQ(FramesWithin(slowest, 5).size(), 5u);
}

TEST(FramePacer, ALateFrameIsNotMadeUpByARush) {
  FramePacer pacer(50, 0);  // 20 ms a frame
  pacer.FrameDrawn(0, false);
  EXPECT_EQ(pacer.UntilNextFrame(0), 20000);
  EXPECT_EQ(pacer.UntilNextFrame(5000), 15000);
  pacer.FrameDrawn(95000, true);  // drawing took far too long
  EXPECT_EQ(pacer.UntilNextFrame(95000), 20000);
}

TEST(FramePacer, ARedrawAfterAKeyWaitsOneRefreshPeriodAndRestartsTheSchedule) {
  FramePacer pacer(50, 5);  // a frame every 200 ms, the display every 20 ms
  pacer.FrameDrawn(0, false);
  EXPECT_EQ(pacer.UntilAnyFrame(4000), 16000);
  EXPECT_EQ(pacer.UntilAnyFrame(30000), 0);
  pacer.FrameDrawn(30000, false);  // the key's frame
  EXPECT_EQ(pacer.UntilNextFrame(30000), 200000);
}

TEST(FramePacer, NothingIsWaitedForBeforeTheFirstFrame) {
  FramePacer pacer(60, 0);
  EXPECT_EQ(pacer.UntilNextFrame(123456), 0);
  EXPECT_EQ(pacer.UntilAnyFrame(123456), 0);
}

}  // namespace
}  // namespace moid

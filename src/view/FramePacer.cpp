#include "view/FramePacer.h"

#include <algorithm>

namespace moid {

namespace {

constexpr std::int64_t MICROS_PER_SECOND = 1000000;
constexpr int MIN_PACE = 1;

}  // namespace

FramePacer::FramePacer(int refreshRate, int pace)
    : refreshRate_(std::max(MIN_PACE, refreshRate)),
      pace_(pace <= 0 ? refreshRate_ : std::clamp(pace, MIN_PACE, refreshRate_)) {}

void FramePacer::Slower() {
  pace_ = std::max(MIN_PACE, pace_ / 2);
  Restart(lastFrame_);
}

void FramePacer::Faster() {
  pace_ = std::min(refreshRate_, pace_ * 2);
  Restart(lastFrame_);
}

// Rounded up, so that a frame is never due early.
std::int64_t FramePacer::DueAfter(std::int64_t frames) const {
  return anchor_ + (frames * MICROS_PER_SECOND + pace_ - 1) / pace_;
}

void FramePacer::Restart(std::int64_t at) {
  anchor_ = at;
  framesSince_ = 0;
}

std::int64_t FramePacer::UntilNextFrame(std::int64_t now) const {
  if (!started_) return 0;
  return std::max<std::int64_t>(0, DueAfter(framesSince_ + 1) - now);
}

std::int64_t FramePacer::UntilAnyFrame(std::int64_t now) const {
  if (!started_) return 0;
  const std::int64_t period = (MICROS_PER_SECOND + refreshRate_ - 1) / refreshRate_;
  return std::max<std::int64_t>(0, lastFrame_ + period - now);
}

void FramePacer::FrameDrawn(std::int64_t now, bool onSchedule) {
  lastFrame_ = now;
  if (!started_ || !onSchedule) {
    started_ = true;
    Restart(now);
    return;
  }
  ++framesSince_;
  // A whole period late already: start afresh rather than rush to catch up.
  if (now >= DueAfter(framesSince_ + 1)) Restart(now);
}

}  // namespace moid

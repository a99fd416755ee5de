#pragma once
#include <cstdint>

namespace moid {

// When the next animation frame may be drawn. The animation moves one day per frame at
// `Pace()` frames a second, between 1 and the display's refresh rate, so that every day
// drawn is a day the display shows. Times are microseconds of one steady clock.
class FramePacer {
 public:
  // `pace` 0 (or above the refresh rate) starts at the refresh rate.
  FramePacer(int refreshRate, int pace);

  int RefreshRate() const { return refreshRate_; }
  int Pace() const { return pace_; }
  // Halves the pace, down to one frame a second; doubles it, up to the refresh rate.
  void Slower();
  void Faster();

  // How long from `now` until the running animation's next frame is due (0: due now).
  std::int64_t UntilNextFrame(std::int64_t now) const;
  // How long from `now` until any frame may follow the last one (a redraw after a key):
  // one refresh period, so that no frame is drawn that the display cannot show.
  std::int64_t UntilAnyFrame(std::int64_t now) const;
  // An animation frame was drawn at `now`; `onSchedule` when it was the next paced frame
  // (its successor is then due one period after it was due, so the pace does not drift),
  // false after a key (the schedule starts again from `now`).
  void FrameDrawn(std::int64_t now, bool onSchedule);

 private:
  std::int64_t DueAfter(std::int64_t frames) const;
  void Restart(std::int64_t at);

  int refreshRate_;
  int pace_;
  bool started_ = false;
  std::int64_t lastFrame_ = 0;
  std::int64_t anchor_ = 0;       // a frame's time; the following frames are due after it
  std::int64_t framesSince_ = 0;  // frames drawn on schedule since the anchor
};

}  // namespace moid

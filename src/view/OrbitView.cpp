#include "view/OrbitView.h"

#include <algorithm>
#include <cstdint>

#include "view/FramePacer.h"
#include "view/OrbitCommands.h"
#include "view/OrbitScene.h"

namespace moid {

namespace {

constexpr int POLL_MS = 10;
constexpr std::int64_t MICROS_PER_MS = 1000;

// A mouse button press in the view acts as Enter.
bool IsButtonPress(const std::string& key) { return key.size() == 4 && key[2] == 4; }

// Whole milliseconds covering `micros`.
int CeilMs(std::int64_t micros) {
  return static_cast<int>((micros + MICROS_PER_MS - 1) / MICROS_PER_MS);
}

// The control loop of one visit to the orbit view: keys, commands and the paced frames
// of the animation.
class OrbitLoop {
 public:
  OrbitLoop(Platform& platform, Session& session)
      : platform_(platform),
        session_(session),
        view_(session.view),
        pacer_(platform.console.RefreshRate(), session.view.framePace) {
    view_.framePace = pacer_.Pace();
  }

  OrbitViewExit Run() {
    ConsoleToolkit& console = platform_.console;
    Frame(true, false);
    for (;;) {
      if (console.QuitRequested()) return OrbitViewExit::ToExit;
      input_.keyBuffer = console.ReadKey();
      if (view_.paused) input_.keyBuffer = input_.pauseKey;
      if (view_.animating && input_.keyBuffer.empty()) {
        NextFrameOrWait();
        continue;
      }
      console.Sleep(POLL_MS);
      if (IsButtonPress(input_.keyBuffer)) input_.keyBuffer = std::string(1, '\r');
      const CommandOutcome outcome =
          ApplyCommand(view_, UpperCaseKey(input_.keyBuffer), session_.epoch);
      if (outcome == CommandOutcome::ToDistanceMap) {
        view_.paused = false;
        return OrbitViewExit::ToDistanceMap;
      }
      if (outcome == CommandOutcome::ToExit) return OrbitViewExit::ToExit;
      Act(outcome);
    }
  }

 private:
  void Act(CommandOutcome outcome) {
    switch (outcome) {
      case CommandOutcome::Redraw:
        CommandFrame();
        break;
      case CommandOutcome::HelpThenRedraw:
        ShowHelp(platform_.console);
        CommandFrame();
        break;
      case CommandOutcome::Slower:
        pacer_.Slower();
        view_.framePace = pacer_.Pace();
        Idle();
        break;
      case CommandOutcome::Faster:
        pacer_.Faster();
        view_.framePace = pacer_.Pace();
        Idle();
        break;
      default:
        Idle();
        break;
    }
  }

  void Frame(bool full, bool onSchedule) {
    RedrawOrbitView(platform_, session_, full, input_);
    if (view_.animating) pacer_.FrameDrawn(platform_.console.ClockMicros(), onSchedule);
  }

  // A redraw after a key: while animating, not before the display can show another picture.
  void CommandFrame(bool full = true) {
    if (view_.animating) {
      const std::int64_t wait = pacer_.UntilAnyFrame(platform_.console.ClockMicros());
      if (wait > 0) platform_.console.Sleep(CeilMs(wait));
    }
    Frame(full, false);
  }

  // The running animation's next frame when it is due; otherwise a short wait, after
  // which the keys are read again. A paused animation steps at the user's space bar: that
  // frame is drawn like one after a key, since every read while paused drops its key.
  void NextFrameOrWait() {
    if (view_.paused) {
      CommandFrame(false);
      return;
    }
    const std::int64_t wait = pacer_.UntilNextFrame(platform_.console.ClockMicros());
    if (wait <= 0) {
      Frame(false, true);
      return;
    }
    platform_.console.Sleep(std::min(POLL_MS, CeilMs(wait)));
  }

  // No command: the picture is refreshed, and the animation goes on when its frame is due.
  void Idle() {
    platform_.graphics.GfxRefresh(0);
    input_.keyBuffer.clear();
    if (view_.animating && pacer_.UntilNextFrame(platform_.console.ClockMicros()) <= 0) {
      Frame(false, true);
    }
  }

  Platform& platform_;
  Session& session_;
  ViewState& view_;
  FramePacer pacer_;
  OrbitViewInput input_;
};

}  // namespace

void ResetView(ViewState& view) { view = ViewState{}; }

OrbitViewExit RunOrbitView(Platform& platform, Session& session) {
  return OrbitLoop(platform, session).Run();
}

}  // namespace moid

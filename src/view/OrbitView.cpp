#include "view/OrbitView.h"

#include "view/OrbitCommands.h"
#include "view/OrbitScene.h"

namespace moid {

namespace {

constexpr int POLL_MS = 10;

// A mouse button press in the view acts as Enter.
bool IsButtonPress(const std::string& key) { return key.size() == 4 && key[2] == 4; }

}  // namespace

void ResetView(ViewState& view) { view = ViewState{}; }

OrbitViewExit RunOrbitView(Platform& platform, Session& session) {
  ConsoleToolkit& console = platform.console;
  ViewState& view = session.view;
  OrbitViewInput input;
  RedrawOrbitView(platform, session, true, input);
  for (;;) {
    if (console.QuitRequested()) return OrbitViewExit::ToExit;
    input.keyBuffer = console.ReadKey();
    if (view.paused) input.keyBuffer = input.pauseKey;
    if (view.animating && input.keyBuffer.empty()) {
      RedrawOrbitView(platform, session, false, input);
      continue;
    }
    console.Sleep(POLL_MS);
    if (IsButtonPress(input.keyBuffer)) input.keyBuffer = std::string(1, '\r');
    switch (ApplyCommand(view, UpperCaseKey(input.keyBuffer), session.epoch)) {
      case CommandOutcome::Redraw:
        RedrawOrbitView(platform, session, true, input);
        break;
      case CommandOutcome::HelpThenRedraw:
        ShowHelp(console);
        RedrawOrbitView(platform, session, true, input);
        break;
      case CommandOutcome::ToDistanceMap:
        view.paused = false;
        return OrbitViewExit::ToDistanceMap;
      case CommandOutcome::ToExit:
        return OrbitViewExit::ToExit;
      case CommandOutcome::NoCommand:
        platform.graphics.GfxRefresh(0);
        input.keyBuffer.clear();
        if (view.animating) RedrawOrbitView(platform, session, false, input);
        break;
    }
  }
}

}  // namespace moid

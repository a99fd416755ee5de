#include "view/OrbitCommands.h"

#include <cstddef>

#include "orbit/OrbitModel.h"
#include "platform/Keys.h"

namespace moid {

const char* const HELP_TEXT =
    "Arrows\\t= Image rotations\\n+\\t= Zoom in\\n-\\t= Zoom out\\n<\\t= Smaller balls\\n"
    ">\\t= Larger balls\\n#\\t= Grid extension\\nM\\t= Animate motion\\nP\\t= Pause motion\\n"
    "B\\t= Back\\nHome\\t= Reset Defaults\\nEsc\\t= Exit";
const char* const HELP_TITLE = "Available Commands";

namespace {

constexpr double EYE_STEP_AU = 0.25;
constexpr double ANGLE_STEP_DEG = 5;
constexpr int BALL_SIZE_MIN = 1;
constexpr int BALL_SIZE_MAX = 25;
constexpr int GRID_STEP = 5;
constexpr int GRID_EXTENT_MAX = 20;
constexpr int GRID_EXTENT_WRAP = 10;
constexpr double TIME_STEP_DAYS = 1.0;
constexpr int POLL_MS = 10;

void StartAnimationClock(ViewState& view, double epoch) {
  view.timeDirection = +1;
  view.animTime = epoch - TIME_STEP_DAYS;  // the first frame steps onto the epoch
}

void ResetEye(ViewState& view, double epoch) {
  const ViewState defaults;
  view.elevationDeg = defaults.elevationDeg;
  view.azimuthDeg = defaults.azimuthDeg;
  view.eyeDistance = defaults.eyeDistance;
  view.ballSize = defaults.ballSize;
  StartAnimationClock(view, epoch);
}

CommandOutcome ApplyExtendedKey(ViewState& view, unsigned char scan, double epoch) {
  switch (scan) {
    case keys::SCAN_DOWN: view.elevationDeg += ANGLE_STEP_DEG; return CommandOutcome::Redraw;
    case keys::SCAN_UP: view.elevationDeg -= ANGLE_STEP_DEG; return CommandOutcome::Redraw;
    case keys::SCAN_RIGHT: view.azimuthDeg += ANGLE_STEP_DEG; return CommandOutcome::Redraw;
    case keys::SCAN_LEFT: view.azimuthDeg -= ANGLE_STEP_DEG; return CommandOutcome::Redraw;
    case keys::SCAN_F1: return CommandOutcome::HelpThenRedraw;
    case keys::SCAN_HOME: ResetEye(view, epoch); return CommandOutcome::Redraw;
    default: return CommandOutcome::NoCommand;
  }
}

CommandOutcome ApplyOrdinaryKey(ViewState& view, char key, double epoch) {
  switch (key) {
    case '-': view.eyeDistance += EYE_STEP_AU; return CommandOutcome::Redraw;
    case '+': view.eyeDistance -= EYE_STEP_AU; return CommandOutcome::Redraw;
    case '>':
      if (view.ballSize < BALL_SIZE_MAX) ++view.ballSize;
      return CommandOutcome::Redraw;
    case '<':
      if (view.ballSize > BALL_SIZE_MIN) --view.ballSize;
      return CommandOutcome::Redraw;
    case '#':
      view.gridExtent += GRID_STEP;
      if (view.gridExtent > GRID_EXTENT_MAX) view.gridExtent = GRID_EXTENT_WRAP;
      return CommandOutcome::Redraw;
    case 'M':
      view.animating = !view.animating;
      view.paused = false;
      if (view.animating) StartAnimationClock(view, epoch);
      return CommandOutcome::Redraw;
    case 'P':
      view.paused = view.animating ? !view.paused : false;
      return CommandOutcome::Redraw;
    case 'B':
      if (view.animating) view.timeDirection = -view.timeDirection;
      return CommandOutcome::Redraw;
    case '[': return CommandOutcome::Slower;
    case ']': return CommandOutcome::Faster;
    case ' ':
    case keys::ENTER: return CommandOutcome::ToDistanceMap;
    case keys::ESC: return CommandOutcome::ToExit;
    default: return CommandOutcome::NoCommand;
  }
}

}  // namespace

std::string UpperCaseKey(const std::string& key) {
  std::string upper = key;
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

CommandOutcome ApplyCommand(ViewState& view, const std::string& key, double epoch) {
  if (keys::IsExtended(key)) {
    return ApplyExtendedKey(view, static_cast<unsigned char>(key[1]), epoch);
  }
  if (key.size() == 1) return ApplyOrdinaryKey(view, key[0], epoch);
  return CommandOutcome::NoCommand;
}

void AnimationStep(Session& s) {
  const int W = s.W;
  const std::size_t slot = static_cast<std::size_t>(W);
  if (W <= 0 || s.earthTable.x.size() <= slot || s.asteroidTable.x.size() <= slot) return;
  ViewState& view = s.view;
  view.animTime += TIME_STEP_DAYS * view.timeDirection;
  const Vec3 e = PositionAtTime(s.earth, view.animTime, s.epoch);
  s.earthTable.x[W] = e.x;
  s.earthTable.y[W] = e.y;
  s.earthTable.z[W] = e.z;
  const Vec3 a = PositionAtTime(s.asteroid, view.animTime, s.epoch);
  s.asteroidTable.x[W] = a.x;
  s.asteroidTable.y[W] = a.y;
  s.asteroidTable.z[W] = a.z;
}

void PauseWait(Platform& platform, ViewState& view, OrbitViewInput& input) {
  ConsoleToolkit& console = platform.console;
  std::string key = UpperCaseKey(console.ReadKey());
  while (key.empty()) {
    if (console.QuitRequested()) {
      key = keys::Ordinary(keys::ESC);  // a closed window leaves like Esc
      break;
    }
    console.Sleep(POLL_MS);
    platform.graphics.GfxRefresh(0);
    platform.graphics.GfxWindow(GFX_WINDOW_SHOW_PICTURE);
    key = UpperCaseKey(console.ReadKey());
  }
  if (key == "P") {
    view.paused = false;
  } else if (key == " ") {
    key.clear();  // the next pass draws exactly one more frame and waits again
  }
  input.pauseKey = key;
}

void ShowHelp(ConsoleToolkit& console) { console.ConsoleMessageBox(HELP_TEXT, 0, HELP_TITLE, 0, 0); }

}  // namespace moid

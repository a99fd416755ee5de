#pragma once
#include <string>

#include "platform/Platform.h"
#include "view/Session.h"

namespace moid {

// The orbit view's key loop state: the key being acted on, and the key that ended the
// last pause wait (upper-cased), which the loop acts on while paused.
struct OrbitViewInput {
  std::string keyBuffer;
  std::string pauseKey;
};

// What the loop does after a command changed the view.
enum class CommandOutcome {
  Redraw,          // a full frame
  HelpThenRedraw,  // the help box, then a full frame
  NoCommand,       // an unknown key or none: refresh, and the next frame while animating
  Slower,          // "[": half the frames a second; otherwise as NoCommand
  Faster,          // "]": twice the frames a second; otherwise as NoCommand
  ToDistanceMap,
  ToExit,
};

// The help box text, its tabs and line breaks written as the two-character sequences
// the message box turns into them.
extern const char* const HELP_TEXT;
extern const char* const HELP_TITLE;

// Upper-cases ASCII letters only, so extended keys and mouse codes keep their bytes.
std::string UpperCaseKey(const std::string& key);

// Changes the view for one upper-cased key; draws nothing.
CommandOutcome ApplyCommand(ViewState& view, const std::string& key, double epoch);

// Advances the animation by one time step and puts both bodies there (slot W of the tables).
void AnimationStep(Session& session);

// Waits for a key with the finished frame on screen; sets input.pauseKey.
// "P" resumes the motion, space steps one frame; a closed window gives Esc.
void PauseWait(Platform& platform, ViewState& view, OrbitViewInput& input);

void ShowHelp(ConsoleToolkit& console);

}  // namespace moid

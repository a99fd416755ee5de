#include "app/ExitSequence.h"

namespace moid {

int RunExitSequence(Platform& platform) {
  platform.graphics.GfxWindow(GFX_WINDOW_CONSOLE);
  // No file is held open between screens: the reader closes the catalogue itself.
  platform.console.ConsoleWindow(3);
  platform.console.SetConsoleSize(80, 25);
  platform.console.SetTextCursorVisible(true);
  return 0;
}

}  // namespace moid

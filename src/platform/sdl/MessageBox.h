#pragma once
#include <string>

#include "platform/sdl/ModalHost.h"

namespace moid::sdl {

// Shows a message box over the window's picture until a key is pressed, a mouse button
// is clicked or the window is closed. "\t" and "\n" in the text are a tab and a line break.
void RunMessageBox(ModalHost& host, const std::string& text, const std::string& title);

}  // namespace moid::sdl

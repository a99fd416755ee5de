#pragma once
#include <string>
#include <vector>

#include "platform/sdl/ModalHost.h"

namespace moid::sdl {

// Shows a message box with these lines over the window's picture until a key is pressed,
// a mouse button is clicked or the window is closed.
void RunMessageBox(ModalHost& host, const std::vector<std::string>& lines,
                   const std::string& title);

}  // namespace moid::sdl

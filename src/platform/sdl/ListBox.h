#pragma once
#include <string>
#include <vector>

#include "platform/sdl/ModalHost.h"

namespace moid::sdl {

// Shows a list box filling the window, item `startIndex` selected and in view, until the
// user chooses an item (Enter, or a double click) or leaves it (Esc, or closing the
// window). The scroll bar's thumb can be dragged; a press on its track turns a page.
// Returns the chosen item's index in `items`, -1 when nothing was chosen.
int RunListBox(ModalHost& host, const std::string& prompt, const std::string& title,
               const std::vector<std::string>& items, int startIndex = 0);

}  // namespace moid::sdl

#pragma once
#include <string>
#include <vector>

#include "platform/sdl/ModalHost.h"

namespace moid::sdl {

// Shows a list box filling the window until the user chooses an item (Enter, or a double
// click) or leaves it (Esc, or closing the window). Returns the chosen item's index in
// `items`, -1 when nothing was chosen.
int RunListBox(ModalHost& host, const std::string& prompt, const std::string& title,
                       const std::vector<std::string>& items);

}  // namespace moid::sdl

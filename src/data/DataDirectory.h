#pragma once
#include <string>

namespace moid {

// The prefix put in front of "ELEMENTS.DAT": "./", "../" or the value of KORIX12DIR followed
// by "/" ("/" alone when the variable is unset). Moves the process into a "USERDATA"
// subdirectory when there is one, so that the pictures are written there.
std::string FindDataDirectory();

// True when a file or directory of that name exists; the last component is found regardless of
// letter case. False on any failure; never reports anything.
bool PathExists(const std::string& path);

}  // namespace moid

#pragma once
#include <string>
#include <vector>

namespace moid {

// The folders, each ending in "/", where an installed catalogue may lie, in the order they
// are tried (the XDG data directories of freedesktop.org's base-directory rules, each with "moidview/"
// added):
//  1. $XDG_DATA_HOME, or ~/.local/share when it is unset, empty or relative;
//  2. the share folder of the prefix this program is installed under (found from the
//     executable's own folder), so that an installed moidview prefers its own catalogue;
//  3. each folder of $XDG_DATA_DIRS, or /usr/local/share and /usr/share when it is unset or
//     empty.
// Relative paths in the variables are ignored, as those rules ask; a folder named
// twice is tried once.
std::vector<std::string> SharedDataFolders();

}  // namespace moid

#pragma once
#include "platform/Platform.h"

namespace moid {

// The one way out: leaves the graphics area and restores an 80 x 25 console with a visible
// cursor. Returns the process exit code, 0.
int RunExitSequence(Platform& platform);

}  // namespace moid

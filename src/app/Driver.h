#pragma once
#include "platform/Platform.h"

namespace moid {
// The program: start-up, the screen state machine, the exit sequence. Returns the exit code.
int RunDriver(Platform& platform);
}  // namespace moid

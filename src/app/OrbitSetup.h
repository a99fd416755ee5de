#pragma once
#include "app/AppState.h"
#include "platform/Platform.h"

namespace moid {

// The computations for the body just chosen: both orbit tables, the distance grid and its
// colors, the MOID; then the text cursor is hidden and the view starts from its defaults.
void RunOrbitSetup(Platform& platform, AppState& state);

}  // namespace moid

#pragma once
#include "app/AppState.h"

namespace moid {

// Reads the catalogue at state.elementsPath afresh, keeps the positions of the records the
// reader skipped and why the catalogue cannot be used (if so), and prepares the Earth's orbit
// from the reference record.
void LoadCatalog(AppState& state);

}  // namespace moid

#pragma once
#include "platform/Platform.h"
#include "view/Session.h"

namespace moid {

enum class OrbitViewExit { ToDistanceMap, ToExit };

// The defaults of a newly chosen body (animation off).
void ResetView(ViewState& view);
// One complete frame; full after a key command (recomputes the view angles).
void RedrawOrbitView(Platform& platform, Session& session, bool full);
// Draws a full frame, then polls keys until the user leaves for the map or the exit
// (QuitRequested also leaves for the exit).
OrbitViewExit RunOrbitView(Platform& platform, Session& session);

}  // namespace moid

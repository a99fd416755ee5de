#pragma once
#include "distmap/ColorRamp.h"
#include "distmap/MapReadout.h"
#include "platform/Platform.h"
#include "view/Session.h"

namespace moid {

enum class MapExit { ToOrbitView, ToBodyChoice, ToWidthChoice, ToExit };

// The distance map: saves "Orbits.bmp", draws and saves "Orbdis.bmp", follows the pointer
// (QuitRequested leaves for the exit). A picture that could not be saved is told once, on
// standard error and in the window's title, and the map runs on.
MapExit RunDistanceMap(Platform& platform, Session& session, const ColorGrid& colors,
                       MapReadout& readout);
// Draws the map and saves it as "Orbdis.bmp"; false when it could not be saved.
bool DrawDistanceMap(Platform& platform, const Session& session, const ColorGrid& colors);

}  // namespace moid

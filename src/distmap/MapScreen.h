#pragma once
#include "distmap/ColorRamp.h"
#include "distmap/MapReadout.h"
#include "platform/Platform.h"
#include "view/Session.h"

namespace moid {

enum class MapExit { ToOrbitView, ToBodyChoice, ToWidthChoice, ToExit };

// The distance map: saves "Orbits.bmp", draws and saves "Orbdis.bmp", follows the pointer
// (QuitRequested leaves for the exit).
MapExit RunDistanceMap(Platform& platform, Session& session, const ColorGrid& colors,
                       MapReadout& readout);
void DrawDistanceMap(Platform& platform, const Session& session, const ColorGrid& colors);

}  // namespace moid

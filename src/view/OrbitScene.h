#pragma once
#include "platform/GraphicsToolkit.h"
#include "platform/Platform.h"
#include "view/OrbitCommands.h"
#include "view/Session.h"

namespace moid {

// One frame of the orbit view for the loop that holds `input` (a pause wait inside the
// frame leaves its key there; the frame empties the key buffer).
void RedrawOrbitView(Platform& platform, Session& session, bool full, OrbitViewInput& input);

// Color of Earth sample k: the four marked longitudes, else black.
Color EarthSampleColor(int k, int W);
// Color of an asteroid sample: pale south of the ecliptic (Z < 0), dark otherwise.
Color AsteroidSampleColor(double z);

// The drawing steps of a frame, each from the tables already projected.
void DrawEclipticGrid(GraphicsToolkit& graphics, const GridNodeTable& nodes, int gridExtent);
void DrawSun(GraphicsToolkit& graphics, const GridNodeTable& nodes);
void DrawOrbitSamples(GraphicsToolkit& graphics, const Session& session, int last);
void DrawClosestApproach(GraphicsToolkit& graphics, const Session& session);
void DrawDirectionLabels(GraphicsToolkit& graphics, int W);
void DrawAnimationDate(GraphicsToolkit& graphics, double julianDay);

}  // namespace moid

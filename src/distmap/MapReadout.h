#pragma once
#include <string>

#include "orbit/MoidSearch.h"
#include "platform/GraphicsToolkit.h"

namespace moid {

// The line shown when the pointer is not over the map.
inline const std::string BLANK_READOUT(60, ' ');

// The map's pointer readout: the line on screen and the pointer it was made for.
struct MapReadout {
  std::string readoutText = std::string(60, ' ');
  int lastX = 0, lastY = 0;
};

// The pointer relative to the map: mx = 0 is the left column, my = 1 the top row.
struct MapPointer {
  int mx = 0, my = 0;
  bool operator==(const MapPointer&) const = default;
};

MapPointer ReadMapPointer(GraphicsToolkit& graphics);
// Over a cell when 0 <= mx <= W - 1 and 1 <= my <= W; that cell is (mx, W - my).
bool IsOverMap(int W, MapPointer p);
// "X = ...°, Y = ...°   Dist = ... AU,  ... Gm" for cell (j, k) of the grid.
std::string ReadoutLine(const DistanceGrid& grid, int W, int j, int k);
// The line for a pointer: ReadoutLine over the map, BLANK_READOUT elsewhere.
std::string ReadoutFor(const DistanceGrid& grid, int W, MapPointer p);

// On entry to the map: draws the line for the pointer in the current font color if it
// is over the map (and remembers the pointer); otherwise only blanks the text.
void ShowFirstReadout(GraphicsToolkit& graphics, const DistanceGrid& grid, int W,
                      MapReadout& readout);
// Redraws the line when the pointer moved since the last one; true when it did.
bool FollowPointer(GraphicsToolkit& graphics, const DistanceGrid& grid, int W,
                   MapReadout& readout);

}  // namespace moid

#include "distmap/MapReadout.h"

#include <cmath>

#include "distmap/MapLayout.h"
#include "orbit/OrbitModel.h"
#include "platform/Color.h"
#include "text/NumericMask.h"

namespace moid {

namespace {

// Whole degrees with W as divisor, halves to even.
double WholeDegrees(int index, int W) { return std::nearbyint(360.0 * index / W); }

void DrawReadoutText(GraphicsToolkit& graphics, int W, const std::string& text) {
  graphics.DrawFrom(READOUT_X, MakeMapLayout(W).readoutY);
  graphics.DrawTextRow(text, 0);
}

}  // namespace

MapPointer ReadMapPointer(GraphicsToolkit& graphics) {
  const int mx = graphics.MouseOverX() - MAP_LEFT;
  const int my = graphics.MouseOverY() - (MAP_TOP - 1);
  return {mx, my};
}

bool IsOverMap(int W, MapPointer p) {
  return p.mx >= 0 && p.mx <= W - 1 && p.my >= 1 && p.my <= W;
}

std::string ReadoutLine(const DistanceGrid& grid, int W, int j, int k) {
  const double d = grid.At(j, k);
  return FormatWithMask("X = ###.#\xB0,", WholeDegrees(j, W)) +
         FormatWithMask(" Y = ###.#\xB0   ", WholeDegrees(k, W)) +
         FormatWithMask("Dist = #.######", d / GM_PER_AU) + " AU" + ",  " +
         FormatWithMask("####.####", d) + " Gm";
}

std::string ReadoutFor(const DistanceGrid& grid, int W, MapPointer p) {
  if (!IsOverMap(W, p)) return BLANK_READOUT;
  return ReadoutLine(grid, W, p.mx, W - p.my);
}

void ShowFirstReadout(GraphicsToolkit& graphics, const DistanceGrid& grid, int W,
                      MapReadout& readout) {
  const MapPointer p = ReadMapPointer(graphics);
  if (!IsOverMap(W, p)) {
    readout.readoutText = BLANK_READOUT;
    return;
  }
  readout.readoutText = ReadoutFor(grid, W, p);
  DrawReadoutText(graphics, W, readout.readoutText);
  readout.lastX = p.mx;
  readout.lastY = p.my;
}

bool FollowPointer(GraphicsToolkit& graphics, const DistanceGrid& grid, int W,
                   MapReadout& readout) {
  const MapPointer p = ReadMapPointer(graphics);
  if (p == MapPointer{readout.lastX, readout.lastY}) return false;
  readout.lastX = p.mx;
  readout.lastY = p.my;
  // Drawing the old line again in white erases it without touching the map.
  graphics.GfxFontColor(WHITE);
  DrawReadoutText(graphics, W, readout.readoutText);
  readout.readoutText = ReadoutFor(grid, W, p);
  graphics.GfxFontColor(BLACK);
  DrawReadoutText(graphics, W, readout.readoutText);
  return true;
}

}  // namespace moid

#pragma once

namespace moid {

// Pixel places of the map screen for a window width W. Cell (j, k) sits at
// (MAP_LEFT + j, W + 26 - k); the frame runs from (MAP_LEFT, MAP_TOP) to
// (MAP_LEFT + W, MAP_TOP + W).
constexpr int MAP_LEFT = 34;
constexpr int MAP_TOP = 27;
constexpr int READOUT_X = 40;

struct MapLayout {
  int W = 0;
  int step30 = 0;      // 30 degrees of a scale, W / 12
  int step5 = 0;       // 5 degrees, W / 72
  int step90 = 0;      // 90 degrees, W / 4
  int earthLabelX = 0; // "Earth" under the bottom scale
  int bodyLabelY = 0;  // the body's label left of the map
  int readoutY = 0;    // baseline row of the pointer readout

  int CellX(int j) const { return MAP_LEFT + j; }
  int CellY(int k) const { return W + 26 - k; }
};

// Every step and label place rounded to the nearest pixel, halves to even.
MapLayout MakeMapLayout(int W);

}  // namespace moid

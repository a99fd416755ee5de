#pragma once
#include <array>
#include <vector>

namespace moid {

// The eye and the animation of the orbit view.
struct ViewState {
  double eyeDistance = 3.0;   // AU
  double elevationDeg = 20;
  double azimuthDeg = 0;
  int ballSize = 13;          // 1..25
  int gridExtent = 15;        // 15 -> 20 -> 10 -> 15
  bool animating = false;
  bool paused = false;
  int timeDirection = +1;
  double animTime = 0;        // Julian day of the animated frame
  int framePace = 0;          // animation frames (days) a second; 0: the display's rate
};

struct ProjectedSample {
  double u = 0, v = 0, r = 0;
};

constexpr int GRID_NODE_BOUND = 20;

// Pixel x and y of the ecliptic grid nodes (i, j), i and j in -20..20. A node at the eye's
// depth has no finite projection: it is marked not drawable, and lines to it are left out.
struct GridNodeTable {
  std::array<int, 41 * 41> x{}, y{};
  std::array<bool, 41 * 41> drawable{};
  static constexpr int Index(int i, int j) { return (i + GRID_NODE_BOUND) * 41 + (j + GRID_NODE_BOUND); }
};

// The projected samples of both bodies (0..W) and the grid nodes, filled at every frame,
// with the view angles' cosines and sines held for the frame.
struct ProjectionTables {
  std::vector<ProjectedSample> earth, asteroid;
  GridNodeTable nodes;
  double c1 = 1, s1 = 0, c2 = 1, s2 = 0;
  void Resize(int W) { earth.assign(W + 1, {}); asteroid.assign(W + 1, {}); nodes = {}; }
};

}  // namespace moid

#pragma once
// The MOID search: the smallest distance between the Earth's orbit and the asteroid's,
// whatever the bodies' places on them. A grid of W x W sample pairs (DistanceScan.h), then
// Newton runs in both true anomalies from its closest pair and from every valley low
// enough to hold the global minimum (MoidRefinement.h); BatchMoid.h gives the MOID alone.
//
// Accuracy, and how it is known:
// - Against an independent search (tests/orbit/IndependentMoid.h: rotation matrices, a
//   1440 x 1440 grid, nested golden-section searches from every local minimum) the MOID
//   agrees to 1e-10 AU at every width from 72 to 1440, on orbits that are hard for a grid
//   (two or three minima within a cell, near-equal valleys, steep crossers), and its Earth
//   longitude to 1e-3 degree.
// - It does not depend on W: the widths agree to 1e-12 AU on those orbits.
// - Against JPL's listed MOIDs, with the Earth's osculating orbit of each body's epoch, the
//   eleven current solutions agree to 1.4e-7 AU, within JPL's printed rounding
//   (docs/moid-comparison.md).
#include <vector>

#include "orbit/OrbitModel.h"

namespace moid {

// Distances in Gm between Earth sample j and asteroid sample k, j, k in 0..W
// (cells with j = W or k = W stay 0).
struct DistanceGrid {
  int W = 0;
  std::vector<double> cells;  // (W + 1) * (W + 1), index j * (W + 1) + k
  double minGm = 0, maxGm = 0;
  int gridMaxEarthIndex = 0, gridMaxAsteroidIndex = 0;
  void Resize(int w) { W = w; cells.assign(static_cast<size_t>(w + 1) * (w + 1), 0.0); }
  double At(int j, int k) const { return cells[static_cast<size_t>(j) * (W + 1) + k]; }
  double& At(int j, int k) { return cells[static_cast<size_t>(j) * (W + 1) + k]; }
};

struct MoidResult {
  double moidAu = 0;
  double longitudeDeg = 0;  // in [0, 360)
  int gridMinEarthIndex = 0, gridMinAsteroidIndex = 0;
};

// A point of the grid from which the refinement starts a further Newton run.
struct GridStart {
  double earthAnomaly = 0, asteroidAnomaly = 0;
  int earthIndex = 0, asteroidIndex = 0;
  double distanceGm = 0;
};

// Where the grid scan found its closest pair: the start of the refinement. The scan also
// lists further starts: the best cell of every other valley low enough to hold the global
// minimum, and points along each valley's floor (the closest pair's too) towards its lowest
// neighbours on either side, since one valley of the grid may hide two or three minima.
struct GridMinimum {
  double earthAnomaly = 0, asteroidAnomaly = 0;
  int earthIndex = 0, asteroidIndex = 0;
  std::vector<GridStart> valleyStarts;
};

// The viewer's MOID search: the grid scan (DistanceScan.h), then the Newton refinement
// (MoidRefinement.h).
MoidResult FindMoid(const OrbitTable& earthTable, const OrbitTable& asteroidTable,
                    const OrbitGeometry& earth, const OrbitGeometry& asteroid, int W,
                    DistanceGrid& grid);

}  // namespace moid

#pragma once
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

#include "tools/SquaredGridExtremes.h"

#include <cmath>

namespace moid::tools {

ViewerMoid WithGridExtremes(const MoidResult& moid, const SquaredDistanceGrid& grid) {
  const int W = grid.W;
  double smallest = INFINITY, largest = -1;
  int largestJ = 0, largestK = 0;
  for (int j = 0; j + 1 < W; ++j) {
    const double rowMax = grid.rowMax[static_cast<std::size_t>(j)];
    smallest = grid.rowMin[static_cast<std::size_t>(j)] < smallest ? grid.rowMin[static_cast<std::size_t>(j)] : smallest;
    if (rowMax > largest) {
      largest = rowMax;
      largestJ = j;
    }
  }
  if (largest >= 0) {
    const double* row = &grid.cells.cells[static_cast<std::size_t>(largestJ) * (W + 1)];
    while (row[largestK] != largest) ++largestK;
  }
  ViewerMoid v;
  v.moid = moid;
  v.minGm = std::sqrt(smallest) * GM_PER_AU;
  v.maxGm = std::sqrt(largest) * GM_PER_AU;
  v.gridMaxEarthIndex = largestJ;
  v.gridMaxAsteroidIndex = largestK;
  return v;
}

}  // namespace moid::tools

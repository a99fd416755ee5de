#include "tools/SquaredGridExtremes.h"

#include <cmath>

namespace moid::tools {
namespace {

double Larger(double a, double b) { return a > b ? a : b; }

// The largest of `count` values (at least 4), in four independent lanes so that the
// comparisons need not wait for one another.
double RowMaximum(const double* row, int count) {
  double m0 = row[0], m1 = row[1], m2 = row[2], m3 = row[3];
  int k = 4;
  for (; k + 3 < count; k += 4) {
    m0 = Larger(row[k], m0);
    m1 = Larger(row[k + 1], m1);
    m2 = Larger(row[k + 2], m2);
    m3 = Larger(row[k + 3], m3);
  }
  for (; k < count; ++k) m0 = Larger(row[k], m0);
  return Larger(Larger(m0, m1), Larger(m2, m3));
}

}  // namespace

ViewerMoid WithGridExtremes(const MoidResult& moid, const SquaredDistanceGrid& grid) {
  const int W = grid.W;
  double smallest = INFINITY, largest = -1;
  int largestJ = 0, largestK = 0;
  for (int j = 0; j + 1 < W; ++j) {
    const double* row = &grid.cells.cells[static_cast<std::size_t>(j) * (W + 1)];
    const double rowMax = RowMaximum(row, W);
    smallest = grid.rowMin[static_cast<std::size_t>(j)] < smallest ? grid.rowMin[static_cast<std::size_t>(j)] : smallest;
    if (rowMax > largest) {
      largest = rowMax;
      largestJ = j;
      int k = 0;
      while (row[k] != rowMax) ++k;
      largestK = k;
    }
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

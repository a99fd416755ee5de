#pragma once
#include <vector>

#include "Contract.h"
#include "orbit/MoidSearch.h"
#include "platform/Color.h"

namespace moid {

// Color of every distance-grid cell, same shape as the DistanceGrid.
struct ColorGrid {
  int W = 0;
  std::vector<Color> cells;  // (W + 1) * (W + 1), index j * (W + 1) + k
  void Resize(int w) { W = w; cells.assign(static_cast<size_t>(w + 1) * (w + 1), 0u); }
  Color At(int j, int k) const {
    MOID_EXPECT(j >= 0 && j <= W && k >= 0 && k <= W, "a cell of the grid, 0..W each way");
    return cells[static_cast<size_t>(j) * (W + 1) + k];
  }
};

Color RampColor(int c);
void BuildColorGrid(const DistanceGrid& grid, int W, ColorGrid& colors);

// Which row kernel BuildColorGrid uses: the fastest the processor has, or a chosen one
// (every kernel gives the same colors; tests and benchmarks compare them).
enum class ColorKernel { Fastest, Plain, Sse2, Avx2 };
// Builds with the chosen kernel; false (and nothing built) when this processor or build
// lacks it.
bool BuildColorGridWith(const DistanceGrid& grid, int W, ColorGrid& colors, ColorKernel kernel);

}  // namespace moid

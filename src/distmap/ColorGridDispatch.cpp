// Which row kernel colours the grid: the fastest this build and processor have, or the one
// asked for.
#include <cmath>

#include "distmap/ColorRamp.h"
#include "distmap/RampKernels.h"

namespace moid {
namespace {

bool KernelAvailable(ColourKernel kernel) {
  switch (kernel) {
    case ColourKernel::Fastest:
    case ColourKernel::Plain:
      return true;
    case ColourKernel::Sse2:
#if defined(MOID_HAVE_SSE2_KERNEL)
      return true;
#else
      return false;
#endif
    case ColourKernel::Avx2:
#if defined(MOID_HAVE_AVX2_KERNEL)
      return CpuHasAvx2();
#else
      return false;
#endif
  }
  return false;
}

// The kernel that runs: the SIMD kernels' iso-line test holds for distances of sane
// size only, so absurd grids take the plain one.
ColourKernel KernelToRun(ColourKernel asked, double minGm, double maxGm) {
  const bool sane = std::fabs(minGm) < SANE_DISTANCE_GM && std::fabs(maxGm) < SANE_DISTANCE_GM;
  if (!sane) return ColourKernel::Plain;
  if (asked != ColourKernel::Fastest) return asked;
  if (KernelAvailable(ColourKernel::Avx2)) return ColourKernel::Avx2;
  if (KernelAvailable(ColourKernel::Sse2)) return ColourKernel::Sse2;
  return ColourKernel::Plain;
}

using RowKernel = void (*)(const double*, int, double, double, Colour*);

RowKernel RowKernelFor(ColourKernel kernel) {
  switch (kernel) {
#if defined(MOID_HAVE_AVX2_KERNEL)
    case ColourKernel::Avx2:
      return ColourRowAvx2;
#endif
#if defined(MOID_HAVE_SSE2_KERNEL)
    case ColourKernel::Sse2:
      return ColourRowSse2;
#endif
    default:
      return ColourRowPlain;
  }
}

}  // namespace

bool BuildColorGridWith(const DistanceGrid& grid, int W, ColorGrid& colors,
                        ColourKernel kernel) {
  if (!KernelAvailable(kernel)) return false;
  if (colors.W != W || colors.cells.size() != static_cast<size_t>(W + 1) * (W + 1))
    colors.Resize(W);
  const double minGm = grid.minGm, maxGm = grid.maxGm;
  const RowKernel colourRow = RowKernelFor(KernelToRun(kernel, minGm, maxGm));
  for (int j = 0; j < W; ++j) {
    const size_t row = static_cast<size_t>(j) * (W + 1);
    colourRow(&grid.cells[row], W, minGm, maxGm, &colors.cells[row]);
  }
  return true;
}

void BuildColorGrid(const DistanceGrid& grid, int W, ColorGrid& colors) {
  BuildColorGridWith(grid, W, colors, ColourKernel::Fastest);
}

}  // namespace moid

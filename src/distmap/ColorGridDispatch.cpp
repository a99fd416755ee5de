// Which row kernel colors the grid: the fastest this build and processor have, or the one
// asked for.
#include <cmath>

#include "distmap/ColorRamp.h"
#include "distmap/RampKernels.h"

namespace moid {
namespace {

bool KernelAvailable(ColorKernel kernel) {
  switch (kernel) {
    case ColorKernel::Fastest:
    case ColorKernel::Plain:
      return true;
    case ColorKernel::Sse2:
#if defined(MOID_HAVE_SSE2_KERNEL)
      return true;
#else
      return false;
#endif
    case ColorKernel::Avx2:
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
ColorKernel KernelToRun(ColorKernel asked, double minGm, double maxGm) {
  const bool sane = std::fabs(minGm) < SANE_DISTANCE_GM && std::fabs(maxGm) < SANE_DISTANCE_GM;
  if (!sane) return ColorKernel::Plain;
  if (asked != ColorKernel::Fastest) return asked;
  if (KernelAvailable(ColorKernel::Avx2)) return ColorKernel::Avx2;
  if (KernelAvailable(ColorKernel::Sse2)) return ColorKernel::Sse2;
  return ColorKernel::Plain;
}

using RowKernel = void (*)(const double*, int, double, double, Color*);

RowKernel RowKernelFor(ColorKernel kernel) {
  switch (kernel) {
#if defined(MOID_HAVE_AVX2_KERNEL)
    case ColorKernel::Avx2:
      return ColorRowAvx2;
#endif
#if defined(MOID_HAVE_SSE2_KERNEL)
    case ColorKernel::Sse2:
      return ColorRowSse2;
#endif
    default:
      return ColorRowPlain;
  }
}

}  // namespace

bool BuildColorGridWith(const DistanceGrid& grid, int W, ColorGrid& colors,
                        ColorKernel kernel) {
  if (!KernelAvailable(kernel)) return false;
  if (colors.W != W || colors.cells.size() != static_cast<size_t>(W + 1) * (W + 1))
    colors.Resize(W);
  const double minGm = grid.minGm, maxGm = grid.maxGm;
  const RowKernel colorRow = RowKernelFor(KernelToRun(kernel, minGm, maxGm));
  for (int j = 0; j < W; ++j) {
    const size_t row = static_cast<size_t>(j) * (W + 1);
    colorRow(&grid.cells[row], W, minGm, maxGm, &colors.cells[row]);
  }
  return true;
}

void BuildColorGrid(const DistanceGrid& grid, int W, ColorGrid& colors) {
  BuildColorGridWith(grid, W, colors, ColorKernel::Fastest);
}

}  // namespace moid

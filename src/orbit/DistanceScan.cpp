#include "orbit/DistanceScan.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "orbit/GridValleys.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace moid {
namespace {

// Distance in Gm between an Earth point and one asteroid point.
inline double PlainDistance(double x, double y, double z, double ax, double ay, double az) {
  const double dx = ax - x;
  const double dy = ay - y;
  const double dz = az - z;
  return std::sqrt(dx * dx + dy * dy + dz * dz) * GM_PER_AU;
}

// Smallest and largest distance of one row; NaN never counts.
struct RowExtremes {
  double min = INFINITY, max = -INFINITY;
  void TakeMin(double d) { min = d < min ? d : min; }
  void TakeMax(double d) { max = d > max ? d : max; }
  void Take(double d) {
    TakeMin(d);
    TakeMax(d);
  }
};

// Distances in Gm from one Earth point to every asteroid point of the table, two at a
// time. Each lane does the operations of PlainDistance in the same order, and the SIMD
// square root is correctly rounded like the scalar one, so the values are identical.
RowExtremes FillDistanceRow(double x, double y, double z, const double* ax, const double* ay,
                            const double* az, int count, double* row) {
  RowExtremes ext;
  int k = 0;
#if defined(__SSE2__)
  const __m128d vx = _mm_set1_pd(x), vy = _mm_set1_pd(y), vz = _mm_set1_pd(z);
  const __m128d scale = _mm_set1_pd(GM_PER_AU);
  __m128d vmin = _mm_set1_pd(INFINITY), vmax = _mm_set1_pd(-INFINITY);
  for (; k + 2 <= count; k += 2) {
    const __m128d dx = _mm_sub_pd(_mm_loadu_pd(ax + k), vx);
    const __m128d dy = _mm_sub_pd(_mm_loadu_pd(ay + k), vy);
    const __m128d dz = _mm_sub_pd(_mm_loadu_pd(az + k), vz);
    const __m128d sum =
        _mm_add_pd(_mm_add_pd(_mm_mul_pd(dx, dx), _mm_mul_pd(dy, dy)), _mm_mul_pd(dz, dz));
    const __m128d d = _mm_mul_pd(_mm_sqrt_pd(sum), scale);
    _mm_storeu_pd(row + k, d);
    // min/max return their second operand when the first is NaN.
    vmin = _mm_min_pd(d, vmin);
    vmax = _mm_max_pd(d, vmax);
  }
  double lanes[2];
  _mm_storeu_pd(lanes, vmin);
  ext.TakeMin(lanes[0]);
  ext.TakeMin(lanes[1]);
  _mm_storeu_pd(lanes, vmax);
  ext.TakeMax(lanes[0]);
  ext.TakeMax(lanes[1]);
#endif
  for (; k < count; ++k) {
    row[k] = PlainDistance(x, y, z, ax[k], ay[k], az[k]);
    ext.Take(row[k]);
  }
  return ext;
}

int FirstIndexOf(const double* row, int count, double value) {
  int k = 0;
  while (k < count - 1 && row[k] != value) ++k;
  return k;
}

// Running extremes of the scan with strict comparisons, as if every cell were compared
// in scan order: among equal distances the first cell (lowest j, then k) wins.
struct ScanExtremes {
  double minGm = 1e10, maxGm = 0;
  int minJ = 0, minK = 0, maxJ = 0, maxK = 0;

  void TakeRow(const double* row, int count, int j, const RowExtremes& r) {
    if (r.min < minGm) {
      minGm = r.min;
      minJ = j;
      minK = FirstIndexOf(row, count, r.min);
    }
    if (r.max > maxGm) {
      maxGm = r.max;
      maxJ = j;
      maxK = FirstIndexOf(row, count, r.max);
    }
  }
};

}  // namespace

GridMinimum ScanDistanceGrid(const OrbitTable& earthTable, const OrbitTable& asteroidTable,
                             int W, DistanceGrid& grid) {
  if (grid.W != W || grid.cells.size() != static_cast<size_t>(W + 1) * (W + 1)) grid.Resize(W);
  ScanExtremes ext;
  std::vector<double> rowMinGm(static_cast<size_t>(W));
  for (int j = 0; j < W; ++j) {
    double* row = &grid.cells[static_cast<size_t>(j) * (W + 1)];
    const RowExtremes r =
        FillDistanceRow(earthTable.x[j], earthTable.y[j], earthTable.z[j],
                        asteroidTable.x.data(), asteroidTable.y.data(), asteroidTable.z.data(),
                        W, row);
    ext.TakeRow(row, W, j, r);
    rowMinGm[static_cast<size_t>(j)] = r.min;
  }
  grid.minGm = ext.minGm;
  grid.maxGm = ext.maxGm;
  grid.gridMaxEarthIndex = ext.maxJ;
  grid.gridMaxAsteroidIndex = ext.maxK;
  GridMinimum start;
  start.earthIndex = ext.minJ;
  start.asteroidIndex = ext.minK;
  start.earthAnomaly = earthTable.nu[ext.minJ];
  start.asteroidAnomaly = asteroidTable.nu[ext.minK];
  // The cell nearest the global minimum lies less than a sample step (on each orbit)
  // above it, and the global minimum is at most minGm: a valley above this ceiling
  // cannot hold it.
  const double ceiling = ext.minGm + LargestSampleStepGm(earthTable, W) +
                         LargestSampleStepGm(asteroidTable, W);
  start.valleyStarts = FindValleyStarts(grid, rowMinGm, ceiling, ext.minJ, ext.minK,
                                        earthTable, asteroidTable);
  return start;
}

}  // namespace moid

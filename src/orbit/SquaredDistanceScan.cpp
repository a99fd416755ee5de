#include "orbit/SquaredDistanceScan.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "orbit/GridValleys.h"

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace moid {

void SquaredDistanceGrid::Resize(int w) {
  W = w;
  cells.Resize(w);
  rowMin.assign(static_cast<size_t>(w), INFINITY);
  rowMax.assign(static_cast<size_t>(w), -INFINITY);
}

namespace {

// The smallest and largest value of one filled row.
struct RowExtremes {
  double smallest = INFINITY, largest = -INFINITY;
};

// Squared distances from one Earth point to `count` asteroid points, in plain code from
// index k on; their extremes joined with `e`. A NaN never counts.
RowExtremes FillSquaredTail(double x, double y, double z, const double* ax, const double* ay,
                            const double* az, int k, int count, double* row, RowExtremes e) {
  for (; k < count; ++k) {
    const double dx = ax[k] - x, dy = ay[k] - y, dz = az[k] - z;
    row[k] = dx * dx + dy * dy + dz * dz;
    e.smallest = row[k] < e.smallest ? row[k] : e.smallest;
    e.largest = row[k] > e.largest ? row[k] : e.largest;
  }
  return e;
}

#if defined(__SSE2__)
RowExtremes JoinLanes(const double* lowest, const double* highest, int n) {
  RowExtremes e;
  for (int i = 0; i < n; ++i) {
    e.smallest = lowest[i] < e.smallest ? lowest[i] : e.smallest;
    e.largest = highest[i] > e.largest ? highest[i] : e.largest;
  }
  return e;
}

// The same, two cells at a time; each lane does the plain code's operations in order.
RowExtremes FillSquaredRowSse2(double x, double y, double z, const double* ax, const double* ay,
                          const double* az, int count, double* row) {
  const __m128d vx = _mm_set1_pd(x), vy = _mm_set1_pd(y), vz = _mm_set1_pd(z);
  __m128d vmin = _mm_set1_pd(INFINITY), vmax = _mm_set1_pd(-INFINITY);
  int k = 0;
  for (; k + 2 <= count; k += 2) {
    const __m128d dx = _mm_sub_pd(_mm_loadu_pd(ax + k), vx);
    const __m128d dy = _mm_sub_pd(_mm_loadu_pd(ay + k), vy);
    const __m128d dz = _mm_sub_pd(_mm_loadu_pd(az + k), vz);
    const __m128d sum =
        _mm_add_pd(_mm_add_pd(_mm_mul_pd(dx, dx), _mm_mul_pd(dy, dy)), _mm_mul_pd(dz, dz));
    _mm_storeu_pd(row + k, sum);
    vmin = _mm_min_pd(sum, vmin);  // a NaN lane keeps the running extremes
    vmax = _mm_max_pd(sum, vmax);
  }
  double lowest[2], highest[2];
  _mm_storeu_pd(lowest, vmin);
  _mm_storeu_pd(highest, vmax);
  return FillSquaredTail(x, y, z, ax, ay, az, k, count, row, JoinLanes(lowest, highest, 2));
}

// Four cells at a time where the processor has AVX.
__attribute__((target("avx"))) RowExtremes FillSquaredRowAvx(double x, double y, double z,
                                                             const double* ax, const double* ay,
                                                             const double* az, int count,
                                                             double* row) {
  const __m256d vx = _mm256_set1_pd(x), vy = _mm256_set1_pd(y), vz = _mm256_set1_pd(z);
  __m256d vmin = _mm256_set1_pd(INFINITY), vmax = _mm256_set1_pd(-INFINITY);
  int k = 0;
  for (; k + 4 <= count; k += 4) {
    const __m256d dx = _mm256_sub_pd(_mm256_loadu_pd(ax + k), vx);
    const __m256d dy = _mm256_sub_pd(_mm256_loadu_pd(ay + k), vy);
    const __m256d dz = _mm256_sub_pd(_mm256_loadu_pd(az + k), vz);
    const __m256d sum = _mm256_add_pd(
        _mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)), _mm256_mul_pd(dz, dz));
    _mm256_storeu_pd(row + k, sum);
    vmin = _mm256_min_pd(sum, vmin);
    vmax = _mm256_max_pd(sum, vmax);
  }
  double lowest[4], highest[4];
  _mm256_storeu_pd(lowest, vmin);
  _mm256_storeu_pd(highest, vmax);
  return FillSquaredTail(x, y, z, ax, ay, az, k, count, row, JoinLanes(lowest, highest, 4));
}

// Two rows, those of Earth points 0 and 1, four cells at a time: each asteroid point is
// loaded once for both.
__attribute__((target("avx"))) void FillSquaredRowPairAvx(const double* x, const double* y,
                                                          const double* z, const double* ax,
                                                          const double* ay, const double* az,
                                                          int count, double* row0, double* row1,
                                                          RowExtremes e[2]) {
  const __m256d x0 = _mm256_set1_pd(x[0]), y0 = _mm256_set1_pd(y[0]), z0 = _mm256_set1_pd(z[0]);
  const __m256d x1 = _mm256_set1_pd(x[1]), y1 = _mm256_set1_pd(y[1]), z1 = _mm256_set1_pd(z[1]);
  __m256d min0 = _mm256_set1_pd(INFINITY), max0 = _mm256_set1_pd(-INFINITY);
  __m256d min1 = min0, max1 = max0;
  int k = 0;
  for (; k + 4 <= count; k += 4) {
    const __m256d px = _mm256_loadu_pd(ax + k), py = _mm256_loadu_pd(ay + k),
                  pz = _mm256_loadu_pd(az + k);
    const __m256d dx0 = _mm256_sub_pd(px, x0), dy0 = _mm256_sub_pd(py, y0),
                  dz0 = _mm256_sub_pd(pz, z0);
    const __m256d dx1 = _mm256_sub_pd(px, x1), dy1 = _mm256_sub_pd(py, y1),
                  dz1 = _mm256_sub_pd(pz, z1);
    const __m256d sum0 = _mm256_add_pd(
        _mm256_add_pd(_mm256_mul_pd(dx0, dx0), _mm256_mul_pd(dy0, dy0)), _mm256_mul_pd(dz0, dz0));
    const __m256d sum1 = _mm256_add_pd(
        _mm256_add_pd(_mm256_mul_pd(dx1, dx1), _mm256_mul_pd(dy1, dy1)), _mm256_mul_pd(dz1, dz1));
    _mm256_storeu_pd(row0 + k, sum0);
    _mm256_storeu_pd(row1 + k, sum1);
    min0 = _mm256_min_pd(sum0, min0);
    max0 = _mm256_max_pd(sum0, max0);
    min1 = _mm256_min_pd(sum1, min1);
    max1 = _mm256_max_pd(sum1, max1);
  }
  double lowest[4], highest[4];
  _mm256_storeu_pd(lowest, min0);
  _mm256_storeu_pd(highest, max0);
  e[0] = FillSquaredTail(x[0], y[0], z[0], ax, ay, az, k, count, row0, JoinLanes(lowest, highest, 4));
  _mm256_storeu_pd(lowest, min1);
  _mm256_storeu_pd(highest, max1);
  e[1] = FillSquaredTail(x[1], y[1], z[1], ax, ay, az, k, count, row1, JoinLanes(lowest, highest, 4));
}
#endif

struct RowFiller {
  bool avx = false;
  RowExtremes operator()(double x, double y, double z, const double* ax, const double* ay,
                    const double* az, int count, double* row) const {
#if defined(__SSE2__)
    if (avx) return FillSquaredRowAvx(x, y, z, ax, ay, az, count, row);
    return FillSquaredRowSse2(x, y, z, ax, ay, az, count, row);
#else
    return FillSquaredTail(x, y, z, ax, ay, az, 0, count, row, RowExtremes{});
#endif
  }
};

RowFiller ChooseRowFiller() {
#if defined(__SSE2__)
  return {__builtin_cpu_supports("avx") != 0};
#else
  return {};
#endif
}

int FirstIndexOf(const double* row, int count, double value) {
  int k = 0;
  while (k < count - 1 && row[k] != value) ++k;
  return k;
}

}  // namespace

void SampleTurns::Resize(int W) {
  const double pi = Pi();
  c.resize(static_cast<size_t>(W));
  s.resize(static_cast<size_t>(W));
  for (int k = 0; k < W; ++k) {
    c[static_cast<size_t>(k)] = std::cos(k * 2 * pi / (W - 1));
    s[static_cast<size_t>(k)] = std::sin(k * 2 * pi / (W - 1));
  }
}

void FillAsteroidSamples(const OrbitGeometry& g, const SampleTurns& turns, int W,
                         OrbitTable& table) {
  const double pi = Pi();
  const double nu0 = -(g.node + g.omega);
  const double p = g.a * (1.0 - g.e * g.e);
  const double c0 = std::cos(nu0), s0 = std::sin(nu0);
  for (int k = 0; k < W; ++k) {
    // nu0 turned by k samples' angle, each from the exact cosine and sine of that angle.
    const double c = turns.c[static_cast<size_t>(k)] * c0 - turns.s[static_cast<size_t>(k)] * s0;
    const double s = turns.s[static_cast<size_t>(k)] * c0 + turns.c[static_cast<size_t>(k)] * s0;
    const double r = p / (1.0 + g.e * c);
    const double xi = r * c, eta = r * s;
    table.nu[k] = k * 2 * pi / (W - 1) + nu0;  // the viewer's table anomaly
    table.x[k] = xi * g.P1 + eta * g.Q1;
    table.y[k] = xi * g.P2 + eta * g.Q2;
    table.z[k] = xi * g.P3 + eta * g.Q3;
  }
}

void FillAsteroidSamples(const OrbitGeometry& g, int W, OrbitTable& table) {
  SampleTurns turns;
  turns.Resize(W);
  FillAsteroidSamples(g, turns, W, table);
}

GridMinimum ScanSquaredDistances(const OrbitTable& earthTable, double earthLargestStepAu,
                                 const OrbitTable& asteroidTable, SquaredDistanceGrid& grid) {
  const int W = grid.W, M = W - 1;
  double smallest = INFINITY;
  int minJ = 0, minK = 0;
  const RowFiller fillRow = ChooseRowFiller();
  const auto rowAt = [&](int j) { return &grid.cells.cells[static_cast<size_t>(j) * (W + 1)]; };
  const auto takeRow = [&](int j, const RowExtremes& e) {
    grid.rowMin[static_cast<size_t>(j)] = e.smallest;
    grid.rowMax[static_cast<size_t>(j)] = e.largest;
    if (e.smallest < smallest) {
      smallest = e.smallest;
      minJ = j;
    }
  };
  // Each row also gets column W-1 (the repeat of column 0): W, a multiple of 72, fills whole
  // vectors, and the scan of the row finds its closest pair as the viewer's does.
  int j = 0;
#if defined(__SSE2__)
  if (fillRow.avx) {
    for (; j + 2 <= M; j += 2) {
      RowExtremes pair[2];
      FillSquaredRowPairAvx(&earthTable.x[j], &earthTable.y[j], &earthTable.z[j],
                            asteroidTable.x.data(), asteroidTable.y.data(),
                            asteroidTable.z.data(), W, rowAt(j), rowAt(j + 1), pair);
      takeRow(j, pair[0]);
      takeRow(j + 1, pair[1]);
    }
  }
#endif
  for (; j < M; ++j)
    takeRow(j, fillRow(earthTable.x[j], earthTable.y[j], earthTable.z[j], asteroidTable.x.data(),
                       asteroidTable.y.data(), asteroidTable.z.data(), W, rowAt(j)));
  // The first row with the smallest value, and its first column with it.
  if (smallest < INFINITY) minK = FirstIndexOf(rowAt(minJ), W, smallest);
  GridMinimum start;
  start.earthIndex = minJ;
  start.asteroidIndex = minK;
  start.earthAnomaly = earthTable.nu[minJ];
  start.asteroidAnomaly = asteroidTable.nu[minK];
  // The viewer's ceiling, squared: no valley above it can hold the global minimum.
  const double ceiling =
      std::sqrt(smallest) + earthLargestStepAu + LargestSampleStepAu(asteroidTable, W);
  start.valleyStarts = FindValleyStarts(grid.cells, grid.rowMin, ceiling * ceiling, minJ, minK,
                                        earthTable, asteroidTable);
  return start;
}

GridMinimum ScanSquaredDistances(const OrbitTable& earthTable, const OrbitTable& asteroidTable,
                                 SquaredDistanceGrid& grid) {
  return ScanSquaredDistances(earthTable, LargestSampleStepAu(earthTable, grid.W), asteroidTable,
                              grid);
}

}  // namespace moid

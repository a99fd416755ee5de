#include "orbit/GridValleys.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace moid {

double LargestSampleStepGm(const OrbitTable& table, int W) {
  double largest = 0;
  for (int j = 1; j < W; ++j) {
    const double dx = table.x[j] - table.x[j - 1], dy = table.y[j] - table.y[j - 1],
                 dz = table.z[j] - table.z[j - 1];
    largest = std::max(largest, std::sqrt(dx * dx + dy * dy + dz * dz));
  }
  return largest * GM_PER_AU;
}

namespace {

// Where along the floor, in cell steps from the best cell, further runs start.
constexpr double FLOOR_FRACTIONS[] = {0.5, 1.0, 1.5, 2.0};

struct Cell {
  int j = 0, k = 0;
};

// The grid as a torus of M x M cells.
struct Torus {
  const DistanceGrid& grid;
  int M;
  Cell Wrap(int j, int k) const { return {(j % M + M) % M, (k % M + M) % M}; }
  double At(const Cell& c) const { return grid.At(c.j, c.k); }
};

// The lowest neighbour among the offsets that `accept` lets through; false when none.
template <class Accept>
bool LowestNeighbour(const Torus& t, const Cell& c, Accept accept, Cell& best, int& bestDj,
                     int& bestDk) {
  bool found = false;
  for (int dj = -1; dj <= 1; ++dj) {
    for (int dk = -1; dk <= 1; ++dk) {
      if ((!dj && !dk) || !accept(dj, dk)) continue;
      const Cell n = t.Wrap(c.j + dj, c.k + dk);
      if (!found || t.At(n) < t.At(best)) {
        best = n;
        bestDj = dj;
        bestDk = dk;
        found = true;
      }
    }
  }
  return found;
}

GridStart StartAt(const Torus& t, const Cell& c, const OrbitTable& earthTable,
                  const OrbitTable& asteroidTable) {
  GridStart s;
  s.earthIndex = c.j;
  s.asteroidIndex = c.k;
  s.earthAnomaly = earthTable.nu[c.j];
  s.asteroidAnomaly = asteroidTable.nu[c.k];
  s.distanceGm = t.At(c);
  return s;
}

// Starts along the valley floor from the best cell towards one flank, at fractions of
// the cell step and one cell past the flank: near-tangent orbits can hold two or three
// minima closer together than the samples.
void AddFloorStarts(const GridStart& best, int dj, int dk, double stepE, double stepA,
                    std::vector<GridStart>& starts) {
  for (double t : FLOOR_FRACTIONS) {
    GridStart s = best;
    s.earthAnomaly = best.earthAnomaly + t * dj * stepE;
    s.asteroidAnomaly = best.asteroidAnomaly + t * dk * stepA;
    starts.push_back(s);
  }
}

// The two flanks of a valley's best cell, along the valley floor both ways.
void AddFlanks(const Torus& t, const Cell& c, const OrbitTable& earthTable,
               const OrbitTable& asteroidTable, std::vector<GridStart>& starts) {
  const GridStart best = StartAt(t, c, earthTable, asteroidTable);
  const double stepE = earthTable.nu[1] - earthTable.nu[0];
  const double stepA = asteroidTable.nu[1] - asteroidTable.nu[0];
  Cell first, second;
  int dj1 = 0, dk1 = 0, dj2 = 0, dk2 = 0;
  if (!LowestNeighbour(t, c, [](int, int) { return true; }, first, dj1, dk1)) return;
  AddFloorStarts(best, dj1, dk1, stepE, stepA, starts);
  // Two cells apart from the first flank, so on the other side of the best cell.
  const auto farSide = [&](int dj, int dk) {
    return std::abs(dj - dj1) >= 2 || std::abs(dk - dk1) >= 2;
  };
  if (LowestNeighbour(t, c, farSide, second, dj2, dk2))
    AddFloorStarts(best, dj2, dk2, stepE, stepA, starts);
}

// Appends cell k of row j when no neighbour on the torus is closer; `up` and `down` are
// the rows either side. Neighbours in the row come first: they rule out nearly every cell.
void TakeIfLocalMinimum(const double* up, const double* row, const double* down, int M, int j,
                        int k, std::vector<Cell>& minima) {
  const double d = row[k];
  const int left = k > 0 ? k - 1 : M - 1;
  const int right = k + 1 < M ? k + 1 : 0;
  if (row[left] < d || row[right] < d) return;
  if (up[left] < d || up[k] < d || up[right] < d) return;
  if (down[left] < d || down[k] < d || down[right] < d) return;
  minima.push_back({j, k});
}

// Local minima of row j at most `ceilingGm` away. Cells above the ceiling or above a
// neighbour in the row, nearly all of them, are passed over two at a time.
void RowLocalMinima(const double* up, const double* row, const double* down, int M, int j,
                    double ceilingGm, std::vector<Cell>& minima) {
  const auto take = [&](int k) {
    if (row[k] <= ceilingGm) TakeIfLocalMinimum(up, row, down, M, j, k, minima);
  };
  take(0);  // its left neighbour is across the wrap
  int k = 1;
#if defined(__SSE2__)
  const __m128d ceiling = _mm_set1_pd(ceilingGm);
  for (; k + 2 <= M - 1; k += 2) {
    const __m128d d = _mm_loadu_pd(row + k);
    // cmpnlt is "not less than": true for NaN, as TakeIfLocalMinimum's tests let it pass.
    const __m128d candidate =
        _mm_and_pd(_mm_cmple_pd(d, ceiling),
                   _mm_and_pd(_mm_cmpnlt_pd(_mm_loadu_pd(row + k - 1), d),
                              _mm_cmpnlt_pd(_mm_loadu_pd(row + k + 1), d)));
    const int bits = _mm_movemask_pd(candidate);
    if (bits & 1) TakeIfLocalMinimum(up, row, down, M, j, k, minima);
    if (bits & 2) TakeIfLocalMinimum(up, row, down, M, j, k + 1, minima);
  }
#endif
  for (; k < M - 1; ++k) take(k);
  take(M - 1);  // its right neighbour is across the wrap
}

std::vector<Cell> LowLocalMinima(const Torus& t, const std::vector<double>& rowMinGm,
                                 double ceilingGm, const Cell& closest) {
  std::vector<Cell> minima;
  const auto rowAt = [&](int j) { return &t.grid.cells[static_cast<size_t>(j) * (t.grid.W + 1)]; };
  for (int j = 0; j < t.M; ++j) {
    if (!(rowMinGm[static_cast<size_t>(j)] <= ceilingGm)) continue;
    RowLocalMinima(rowAt(j > 0 ? j - 1 : t.M - 1), rowAt(j), rowAt(j + 1 < t.M ? j + 1 : 0), t.M,
                   j, ceilingGm, minima);
  }
  minima.erase(std::remove_if(minima.begin(), minima.end(),
                              [&](const Cell& c) { return c.j == closest.j && c.k == closest.k; }),
               minima.end());
  const auto lower = [&](const Cell& a, const Cell& b) { return t.At(a) < t.At(b); };
  const size_t kept = std::min(minima.size(), static_cast<size_t>(MAX_VALLEYS));
  std::partial_sort(minima.begin(), minima.begin() + static_cast<std::ptrdiff_t>(kept),
                    minima.end(), lower);
  minima.resize(kept);
  return minima;
}

}  // namespace

std::vector<GridStart> FindValleyStarts(const DistanceGrid& grid,
                                        const std::vector<double>& rowMinGm, double ceilingGm,
                                        int closestJ, int closestK,
                                        const OrbitTable& earthTable,
                                        const OrbitTable& asteroidTable) {
  std::vector<GridStart> starts;
  const Torus t{grid, grid.W - 1};  // index W-1 repeats index 0
  if (t.M < 3) return starts;
  const Cell closest = t.Wrap(closestJ, closestK);
  AddFlanks(t, closest, earthTable, asteroidTable, starts);
  for (const Cell& c : LowLocalMinima(t, rowMinGm, ceilingGm, closest)) {
    starts.push_back(StartAt(t, c, earthTable, asteroidTable));
    AddFlanks(t, c, earthTable, asteroidTable, starts);
  }
  return starts;
}

}  // namespace moid

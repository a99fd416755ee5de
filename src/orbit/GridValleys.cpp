#include "orbit/GridValleys.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace moid {

double LargestSampleStepAu(const OrbitTable& table, int W) {
  // The square root of the largest square is the largest root: one root instead of W.
  double largest = 0;
  for (int j = 1; j < W; ++j) {
    const double dx = table.x[j] - table.x[j - 1], dy = table.y[j] - table.y[j - 1],
                 dz = table.z[j] - table.z[j - 1];
    largest = std::max(largest, dx * dx + dy * dy + dz * dz);
  }
  return std::sqrt(largest);
}

double LargestSampleStepGm(const OrbitTable& table, int W) {
  return LargestSampleStepAu(table, W) * GM_PER_AU;
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

// Indices in [from, to) of cells at most `ceilingGm` away and not above a row neighbour
// (the candidates for local minima), written to `out`; their number. Plain code.
int RowCandidatesPlain(const double* row, int from, int to, double ceilingGm, int* out) {
  int n = 0;
  for (int k = from; k < to; ++k)
    if (row[k] <= ceilingGm && !(row[k - 1] < row[k]) && !(row[k + 1] < row[k])) out[n++] = k;
  return n;
}

#if defined(__SSE2__)
int AppendBits(int k, int bits, int* out, int n) {
  for (; bits; bits >>= 1, ++k)
    if (bits & 1) out[n++] = k;
  return n;
}

// The same, two cells at a time, without a branch on each pair's values (which would be
// mispredicted wherever cells come under the ceiling). cmpnlt is "not less than": true for
// NaN, as the plain tests let it pass.
int RowCandidatesSse2(const double* row, int from, int to, double ceilingGm, int* out) {
  const __m128d ceiling = _mm_set1_pd(ceilingGm);
  int n = 0, k = from;
  for (; k + 2 <= to; k += 2) {
    const __m128d d = _mm_loadu_pd(row + k);
    const __m128d below = _mm_cmple_pd(d, ceiling);
    const __m128d keep = _mm_and_pd(
        below, _mm_and_pd(_mm_cmpnlt_pd(_mm_loadu_pd(row + k - 1), d),
                          _mm_cmpnlt_pd(_mm_loadu_pd(row + k + 1), d)));
    n = AppendBits(k, _mm_movemask_pd(keep), out, n);
  }
  return n + RowCandidatesPlain(row, k, to, ceilingGm, out + n);
}

// Four cells at a time, where the processor has AVX.
__attribute__((target("avx"))) int RowCandidatesAvx(const double* row, int from, int to,
                                                    double ceilingGm, int* out) {
  const __m256d ceiling = _mm256_set1_pd(ceilingGm);
  int n = 0, k = from;
  for (; k + 4 <= to; k += 4) {
    const __m256d d = _mm256_loadu_pd(row + k);
    const __m256d below = _mm256_cmp_pd(d, ceiling, _CMP_LE_OS);
    const __m256d notAboveLeft = _mm256_cmp_pd(_mm256_loadu_pd(row + k - 1), d, _CMP_NLT_US);
    const __m256d notAboveRight = _mm256_cmp_pd(_mm256_loadu_pd(row + k + 1), d, _CMP_NLT_US);
    n = AppendBits(k, _mm256_movemask_pd(_mm256_and_pd(below, _mm256_and_pd(notAboveLeft, notAboveRight))), out, n);
  }
  // The compiler does not always clear the upper halves of the vector registers here; left
  // set, they slow every later instruction on two-lane registers (the rest of the program).
  _mm256_zeroupper();
  return n + RowCandidatesPlain(row, k, to, ceilingGm, out + n);
}
#endif

// Local minima of row j at most `ceilingGm` away. Cells above the ceiling or above a
// neighbour in the row, nearly all of them, are passed over several at a time.
void RowLocalMinima(const double* up, const double* row, const double* down, int M, int j,
                    double ceilingGm, bool avx, std::vector<int>& candidates,
                    std::vector<Cell>& minima) {
  const auto take = [&](int k) {
    if (row[k] <= ceilingGm) TakeIfLocalMinimum(up, row, down, M, j, k, minima);
  };
  take(0);  // its left neighbour is across the wrap
  candidates.resize(static_cast<size_t>(M));
  int n = 0;
#if defined(__SSE2__)
  n = avx ? RowCandidatesAvx(row, 1, M - 1, ceilingGm, candidates.data())
          : RowCandidatesSse2(row, 1, M - 1, ceilingGm, candidates.data());
#else
  (void)avx;
  n = RowCandidatesPlain(row, 1, M - 1, ceilingGm, candidates.data());
#endif
  for (int i = 0; i < n; ++i)
    TakeIfLocalMinimum(up, row, down, M, j, candidates[static_cast<size_t>(i)], minima);
  take(M - 1);  // its right neighbour is across the wrap
}

bool CpuHasAvx() {
#if defined(__SSE2__)
  return __builtin_cpu_supports("avx") != 0;
#else
  return false;
#endif
}

std::vector<Cell> LowLocalMinima(const Torus& t, const std::vector<double>& rowMinGm,
                                 double ceilingGm, const Cell& closest) {
  std::vector<Cell> minima;
  const bool avx = CpuHasAvx();
  std::vector<int> candidates;
  const auto rowAt = [&](int j) { return &t.grid.cells[static_cast<size_t>(j) * (t.grid.W + 1)]; };
  for (int j = 0; j < t.M; ++j) {
    if (!(rowMinGm[static_cast<size_t>(j)] <= ceilingGm)) continue;
    RowLocalMinima(rowAt(j > 0 ? j - 1 : t.M - 1), rowAt(j), rowAt(j + 1 < t.M ? j + 1 : 0), t.M,
                   j, ceilingGm, avx, candidates, minima);
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
  const std::vector<Cell> valleys = LowLocalMinima(t, rowMinGm, ceilingGm, closest);
  // Eight floor starts for each valley, and each other valley's best cell.
  starts.reserve(8 + 9 * valleys.size());
  AddFlanks(t, closest, earthTable, asteroidTable, starts);
  for (const Cell& c : valleys) {
    starts.push_back(StartAt(t, c, earthTable, asteroidTable));
    AddFlanks(t, c, earthTable, asteroidTable, starts);
  }
  return starts;
}

}  // namespace moid

#include "orbit/GridValleys.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

// True when no neighbour of the cell is closer.
bool IsLocalMinimum(const Torus& t, const Cell& c) {
  const double d = t.At(c);
  for (int dj = -1; dj <= 1; ++dj)
    for (int dk = -1; dk <= 1; ++dk)
      if ((dj || dk) && t.At(t.Wrap(c.j + dj, c.k + dk)) < d) return false;
  return true;
}

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

std::vector<Cell> LowLocalMinima(const Torus& t, const std::vector<double>& rowMinGm,
                                 double ceilingGm, const Cell& closest) {
  std::vector<Cell> minima;
  for (int j = 0; j < t.M; ++j) {
    if (!(rowMinGm[static_cast<size_t>(j)] <= ceilingGm)) continue;
    for (int k = 0; k < t.M; ++k) {
      const Cell c{j, k};
      if (!(t.At(c) <= ceilingGm) || (j == closest.j && k == closest.k)) continue;
      if (IsLocalMinimum(t, c)) minima.push_back(c);
    }
  }
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

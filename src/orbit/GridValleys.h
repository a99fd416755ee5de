#pragma once
#include <vector>

#include "orbit/MoidSearch.h"

namespace moid {

// Most valleys refined besides the closest pair's; the lowest are taken.
constexpr int MAX_VALLEYS = 24;

// The largest distance in Gm between neighbouring samples of a table (slots 0..W-1).
double LargestSampleStepGm(const OrbitTable& table, int W);
// The same in AU.
double LargestSampleStepAu(const OrbitTable& table, int W);

// Further refinement starts from the filled grid, taking both indices as turning round
// (index W-1 is the same longitude as index 0, so the grid is (W-1) x (W-1) cells on a
// torus). The valleys are the local minima at most `ceilingGm` away, other than the
// closest pair (closestJ, closestK); at most MAX_VALLEYS, lowest first. Each valley gives
// its best cell and its two flanks: its lowest neighbour, and the lowest neighbour on the
// far side from that one. The closest pair gives its flanks only. rowMinGm[j] is the
// smallest distance of row j, so that rows with nothing under the ceiling are skipped.
std::vector<GridStart> FindValleyStarts(const DistanceGrid& grid,
                                        const std::vector<double>& rowMinGm, double ceilingGm,
                                        int closestJ, int closestK,
                                        const OrbitTable& earthTable,
                                        const OrbitTable& asteroidTable);

}  // namespace moid

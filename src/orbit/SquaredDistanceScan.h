#pragma once
#include <vector>

#include "orbit/MoidSearch.h"

namespace moid {

// The grid scan for callers that want the MOID alone: the same samples as the viewer's
// grid, but only the W-1 rows of the torus (Earth index W-1 repeats index 0) and squared
// distances in AU^2, with no square root; each row's largest value comes with its smallest
// from the same pass. Squaring
// keeps the order of the cells, so the closest pair and the valleys are those of the
// viewer's grid up to ties that rounding makes or breaks.
struct SquaredDistanceGrid {
  int W = 0;
  DistanceGrid cells;           // squared AU, cells (j, k) with j < W - 1, k < W
  std::vector<double> rowMin;   // smallest value of each row
  std::vector<double> rowMax;   // largest value of each row (a NaN never counts)
  void Resize(int w);
};

// The cosines and sines of the angles of 0..W-1 sample steps (a turn is W - 1 steps).
struct SampleTurns {
  std::vector<double> c, s;
  void Resize(int W);
};

// Asteroid samples at the viewer's anomalies, slots 0..W-1: the cosine and sine of each
// anomaly by turning the first one's by `turns` (an ulp or two off the library's).
void FillAsteroidSamples(const OrbitGeometry& asteroid, const SampleTurns& turns, int W,
                         OrbitTable& table);
// The same, computing the turns first.
void FillAsteroidSamples(const OrbitGeometry& asteroid, int W, OrbitTable& table);

// Fills the grid from both sample tables and gives the closest pair with every valley
// start, as ScanDistanceGrid does for the viewer's grid (the starts' distanceGm holds
// squared AU here), with the viewer's ceiling: the closest pair's distance plus both
// orbits' largest sample steps.
GridMinimum ScanSquaredDistances(const OrbitTable& earthTable, double earthLargestStepAu,
                                 const OrbitTable& asteroidTable, SquaredDistanceGrid& grid);
// The same, measuring the Earth's steps first.
GridMinimum ScanSquaredDistances(const OrbitTable& earthTable, const OrbitTable& asteroidTable,
                                 SquaredDistanceGrid& grid);

}  // namespace moid

#pragma once
#include "orbit/MoidSearch.h"

namespace moid {

// Stage 1 of the MOID search: all W x W pairs of table points; fills the grid with its
// extremes and gives the closest pair with the further valley starts.
GridMinimum ScanDistanceGrid(const OrbitTable& earthTable, const OrbitTable& asteroidTable,
                             int W, DistanceGrid& grid);

}  // namespace moid

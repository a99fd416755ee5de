#include "orbit/MoidSearch.h"

#include "orbit/DistanceScan.h"
#include "orbit/MoidRefinement.h"

namespace moid {

MoidResult FindMoid(const OrbitTable& earthTable, const OrbitTable& asteroidTable,
                    const OrbitGeometry& earth, const OrbitGeometry& asteroid, int W,
                    DistanceGrid& grid) {
  const GridMinimum start = ScanDistanceGrid(earthTable, asteroidTable, W, grid);
  return RefineMoid(earth, asteroid, start);
}

}  // namespace moid

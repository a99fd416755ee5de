#pragma once
#include "orbit/SquaredDistanceScan.h"
#include "orbit/ViewerMoid.h"

namespace moid::tools {

// The viewer's numbers for one body from the batch MOID and the squared-distance grid it
// left: the grid's smallest and largest distance in Gm, and where the largest is (the first
// such cell in scan order), from the row extremes the scan kept. The grid's rows 0..W-2 are all of the torus, row W-1 repeating
// row 0.
ViewerMoid WithGridExtremes(const MoidResult& moid, const SquaredDistanceGrid& grid);

}  // namespace moid::tools

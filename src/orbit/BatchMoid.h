#pragma once
#include "orbit/SquaredDistanceScan.h"

namespace moid {

// Tables and grid for one width, reused from body to body. The Earth's samples are kept
// while the Earth stays the same.
class BatchMoidWorkspace {
 public:
  explicit BatchMoidWorkspace(int W);
  int Width() const { return grid_.W; }
  const OrbitTable& EarthSamples(const OrbitGeometry& earth);
  // The largest step between the Earth's samples, AU (valid after EarthSamples).
  double EarthLargestStep() const { return earthLargestStep_; }
  OrbitTable& AsteroidSamples() { return asteroidTable_; }
  const SampleTurns& Turns() const { return turns_; }
  SquaredDistanceGrid& Grid() { return grid_; }

 private:
  OrbitTable earthTable_, asteroidTable_;
  double earthLargestStep_ = 0;
  SampleTurns turns_;
  SquaredDistanceGrid grid_;
  OrbitGeometry earthOfTable_;
  bool haveEarth_ = false;
};

// The MOID of one body for callers that want nothing else (no distance grid, no largest
// distance): the grid of the workspace's width and a Newton run from the closest pair and
// from every valley start. The MOID is the viewer's global minimum and as accurate (see
// MoidSearch.h): on the MPC's 20,059 near-Earth orbits it is ComputeViewerMoid's to 1e-12
// AU at W = 72 to 432, and like it it does not depend on W. Not bit for bit the viewer's:
// the asteroid's samples are turned from a table of the width's angles, and the Newton
// steps come from derivatives (BatchRefinement.h). The grid's closest pair is found on
// Earth rows 0..W-2 (the last row repeats the first).
MoidResult ComputeBatchMoid(const OrbitGeometry& earth, const ElementRecord& body,
                            BatchMoidWorkspace& work);

}  // namespace moid

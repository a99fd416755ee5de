#pragma once
#include <functional>
#include <vector>

#include "orbit/MoidSearch.h"

namespace moid {

// What the viewer works out for one body after it is chosen: the MOID and the extremes
// of its distance grid.
struct ViewerMoid {
  MoidResult moid;
  double minGm = 0, maxGm = 0;
  int gridMaxEarthIndex = 0, gridMaxAsteroidIndex = 0;
};

// Tables and grid for one width, reused from body to body.
struct MoidWorkspace {
  OrbitTable earthTable, asteroidTable;
  DistanceGrid grid;
  explicit MoidWorkspace(int W) {
    earthTable.Resize(W);
    asteroidTable.Resize(W);
    grid.Resize(W);
  }
};

// The viewer's orbit set-up for one body at width W (without the colors).
ViewerMoid ComputeViewerMoid(const OrbitGeometry& earth, const ElementRecord& body, int W,
                             MoidWorkspace& work);

// Called on the calling thread about every tick while the bodies are worked on, with the
// number finished so far.
using MoidProgress = std::function<void(int done, int total)>;

// ComputeViewerMoid for every body, on `threads` threads (at least one); results in the
// order of `bodies`.
std::vector<ViewerMoid> ComputeViewerMoids(const ElementRecord& reference,
                                           const std::vector<const ElementRecord*>& bodies,
                                           int W, int threads,
                                           const MoidProgress& progress = nullptr);

}  // namespace moid

#pragma once
#include "orbit/MoidSearch.h"

namespace moid {

// The Newton refinement for callers that want the MOID alone. Each run is the viewer's
// Newton run (the same step limit and tolerance) with its gradient and matrix from the
// points' derivatives along both orbits instead of central differences, and the
// anomalies' cosines and sines turned by angle addition from pass to pass. Runs start from the closest pair and then from every valley
// start, each with its own pass budget; a run is given up once it has settled so far above
// the best result that the rest of its way cannot reach it. The half-turn run of the viewer
// is not made: it starts from no valley and, on the MPC's NEA list, never gives the MOID
// that the valley runs miss.
MoidResult RefineBatchMoid(const OrbitGeometry& earth, const OrbitGeometry& asteroid,
                           const GridMinimum& start);

}  // namespace moid

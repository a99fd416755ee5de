#pragma once
#include "orbit/MoidSearch.h"

namespace moid {

// How much lower than the two runs from the closest pair another start's result must be
// to replace theirs.
constexpr double VALLEY_IMPROVEMENT_AU = 1e-12;

// Stage 2 of the MOID search: the Newton refinement from the grid minimum and from the
// pair half a turn on, then from every listed valley start; another start's result
// replaces the first one only when it is smaller by more than VALLEY_IMPROVEMENT_AU.
MoidResult RefineMoid(const OrbitGeometry& earth, const OrbitGeometry& asteroid,
                      const GridMinimum& start);

// Where one Newton run ended and how far apart the orbits are there.
struct RefinedPoint {
  double earthAnomaly = 0, asteroidAnomaly = 0;  // radians
  double distanceAu = 0;
  double longitudeDeg = 0;  // Earth longitude of the point, degrees, not reduced
  int passes = 0;           // Newton passes the run made
};

// Runs end once their pass counter exceeds this: the budget that the two runs from the
// closest pair share, so that a run that cannot converge (a singular or wandering
// Newton iteration) still ends.
constexpr int PASS_LIMIT = 1000;
// Where a run's pass counter starts: each pass first advances it, so the first pass is
// pass 0 and a run alone may make PASS_LIMIT + 2 passes, as the viewer always has.
constexpr int PASS_COUNTER_START = -1;

// One Newton run in both true anomalies. passCounter is advanced once per pass and the
// run ends once it exceeds PASS_LIMIT, so runs sharing a counter share the budget.
RefinedPoint RefineFrom(const OrbitGeometry& earth, const OrbitGeometry& asteroid, double nuE,
                        double nuA, int& passCounter);
// The two runs from the grid's closest pair and from the pair half a turn on, sharing
// one pass budget; the better one (run 1 on a tie) is the result.
MoidResult RefineFromClosestPair(const OrbitGeometry& earth, const OrbitGeometry& asteroid,
                                 const GridMinimum& start);
// The better of the two runs (run 1 wins a tie), its longitude reduced to one turn.
MoidResult ChooseBetterRun(const RefinedPoint& run1, const RefinedPoint& run2,
                           const GridMinimum& start);
// Distance and Earth longitude at a pair of anomalies.
RefinedPoint MeasureRefinedPoint(const OrbitGeometry& earth, const OrbitGeometry& asteroid,
                                 double nuE, double nuA);

}  // namespace moid

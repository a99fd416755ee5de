// The MOID of every near-Earth asteroid of the MPC's NEA list (MPCORB format, 20,060 orbits)
// at W = 72, one core, per body: the viewer's set-up (tables, full grid with its extremes,
// refinement) against the batch entry point that gives the MOID alone.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "orbit/BatchMoid.h"
#include "orbit/ViewerMoid.h"

namespace {

using namespace moid;

// The shared data folder sits beside the repository (or beside the folder of worktrees);
// MOID_NEA_LIST names the file elsewhere.
std::string NeaListPath() {
  if (const char* path = std::getenv("MOID_NEA_LIST")) return path;
  const std::string name = "/shared/data/mpc-NEA-2019-07-02.txt";
  for (const std::string up : {"/..", "/../.."}) {
    const std::string path = std::string(MOID_SOURCE_DIR) + up + name;
    if (std::ifstream(path)) return path;
  }
  return "";
}

// Earth-Moon barycentre, J2000 mean elements of JPL's "Approximate Positions of the Planets"
// (Standish): a 1.00000261 AU, e 0.01671123, longitude of perihelion 102.93768193 deg.
ElementRecord Earth() { return {0.01671123, 0.0, 102.93768193, 0.0, 1.00000261, 0, "Earth"}; }

double Column(const std::string& line, size_t first, size_t width) {
  return std::stod(line.substr(first - 1, width));
}

// MPCORB columns (1-based, the MPC's description of the format): M 27-35, argument of
// perihelion 38-46, node 49-57, inclination 60-68, e 71-79, a 93-103.
std::vector<ElementRecord> ReadNeaList() {
  std::vector<ElementRecord> bodies;
  std::ifstream in(NeaListPath());
  std::string line;
  while (std::getline(in, line)) {
    if (line.size() < 103) continue;
    ElementRecord r;
    r.meanAnomaly = Column(line, 27, 9);
    r.perihelionArgument = Column(line, 38, 9);
    r.ascendingNode = Column(line, 49, 9);
    r.inclination = Column(line, 60, 9);
    r.eccentricity = Column(line, 71, 9);
    r.semiMajorAxis = Column(line, 93, 11);
    bodies.push_back(r);
  }
  return bodies;
}

const std::vector<ElementRecord>& NeaList() {
  static const std::vector<ElementRecord> bodies = ReadNeaList();
  return bodies;
}

// Time per body: the whole list is one iteration.
void CountPerBody(benchmark::State& state, size_t bodies) {
  state.counters["perBody"] = benchmark::Counter(
      static_cast<double>(bodies), benchmark::Counter::kIsIterationInvariantRate |
                                       benchmark::Counter::kInvert);
}

void BM_ViewerMoid(benchmark::State& state) {
  const int W = static_cast<int>(state.range(0));
  const auto& bodies = NeaList();
  if (bodies.empty()) state.SkipWithError("NEA list not found");
  const OrbitGeometry earth = PrepareEarthGeometry(Earth());
  MoidWorkspace work(W);
  for (auto _ : state)
    for (const ElementRecord& body : bodies)
      benchmark::DoNotOptimize(ComputeViewerMoid(earth, body, W, work));
  CountPerBody(state, bodies.size());
}
BENCHMARK(BM_ViewerMoid)->Arg(72)->Unit(benchmark::kMillisecond);

void BM_BatchMoid(benchmark::State& state) {
  const int W = static_cast<int>(state.range(0));
  const auto& bodies = NeaList();
  if (bodies.empty()) state.SkipWithError("NEA list not found");
  const OrbitGeometry earth = PrepareEarthGeometry(Earth());
  BatchMoidWorkspace work(W);
  for (auto _ : state)
    for (const ElementRecord& body : bodies)
      benchmark::DoNotOptimize(ComputeBatchMoid(earth, body, work));
  CountPerBody(state, bodies.size());
}
BENCHMARK(BM_BatchMoid)->Arg(72)->Arg(432)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

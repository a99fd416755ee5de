#include "orbit/ViewerMoid.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "orbit/DistanceScan.h"
#include "orbit/MoidRefinement.h"

namespace moid {

ViewerMoid ComputeViewerMoid(const OrbitGeometry& earth, const ElementRecord& body, int W,
                             MoidWorkspace& work) {
  const OrbitGeometry asteroid = PrepareAsteroidGeometry(body);
  BuildOrbitTables(earth, asteroid, W, work.earthTable, work.asteroidTable);
  const GridMinimum start = ScanDistanceGrid(work.earthTable, work.asteroidTable, W, work.grid);
  ViewerMoid v;
  v.moid = RefineMoid(earth, asteroid, start);
  v.minGm = work.grid.minGm;
  v.maxGm = work.grid.maxGm;
  v.gridMaxEarthIndex = work.grid.gridMaxEarthIndex;
  v.gridMaxAsteroidIndex = work.grid.gridMaxAsteroidIndex;
  return v;
}

namespace {

// Takes bodies one at a time from a shared counter until none is left.
void WorkThrough(const OrbitGeometry& earth, const std::vector<const ElementRecord*>& bodies,
                 int W, std::atomic<int>& next, std::atomic<int>& done,
                 std::vector<ViewerMoid>& results) {
  MoidWorkspace work(W);
  const int total = static_cast<int>(bodies.size());
  for (int i = next++; i < total; i = next++) {
    results[static_cast<size_t>(i)] = ComputeViewerMoid(earth, *bodies[static_cast<size_t>(i)], W, work);
    ++done;
  }
}

void ReportUntilDone(const std::atomic<int>& done, int total, const MoidProgress& progress) {
  using namespace std::chrono_literals;
  while (done.load() < total) {
    progress(done.load(), total);
    std::this_thread::sleep_for(100ms);
  }
  progress(total, total);
}

}  // namespace

std::vector<ViewerMoid> ComputeViewerMoids(const ElementRecord& reference,
                                           const std::vector<const ElementRecord*>& bodies,
                                           int W, int threads, const MoidProgress& progress) {
  const OrbitGeometry earth = PrepareEarthGeometry(reference);
  const int total = static_cast<int>(bodies.size());
  std::vector<ViewerMoid> results(bodies.size());
  std::atomic<int> next{0}, done{0};
  const int workers = std::max(1, std::min(threads, total));
  // With a progress report the calling thread only reports; otherwise it works too.
  const int spawned = progress ? workers : workers - 1;
  std::vector<std::thread> pool;
  for (int t = 0; t < spawned; ++t)
    pool.emplace_back([&] { WorkThrough(earth, bodies, W, next, done, results); });
  if (progress) {
    ReportUntilDone(done, total, progress);
  } else {
    WorkThrough(earth, bodies, W, next, done, results);
  }
  for (std::thread& t : pool) t.join();
  return results;
}

}  // namespace moid

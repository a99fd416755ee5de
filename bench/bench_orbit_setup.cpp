// The orbit set-up after choosing a body: both orbit tables, the distance grid scan,
// the color grid and the MOID refinement, whole and by stage.
#include <benchmark/benchmark.h>

#include "distmap/ColorRamp.h"
#include "orbit/DistanceScan.h"
#include "orbit/MoidRefinement.h"

namespace {

using namespace moid;

ElementRecord Earth() { return {0.01671123, 0.0, 102.93768193, 0.0, 1.00000261, 0, "Earth"}; }
// A low-inclination Earth-crosser with two near-equal minima.
ElementRecord Crosser() { return {0.2759, 0.0465, 143.489, 259.798, 0.8463, 0, "Crosser"}; }
// A typical main-belt orbit.
ElementRecord BeltBody() { return {0.0787, 10.59, 73.6, 80.3, 2.767, 0, "Belt"}; }

struct Work {
  OrbitGeometry earth, asteroid;
  OrbitTable earthTable, asteroidTable;
  DistanceGrid grid;
  ColorGrid colors;
  explicit Work(int W, const ElementRecord& body)
      : earth(PrepareEarthGeometry(Earth())), asteroid(PrepareAsteroidGeometry(body)) {
    earthTable.Resize(W);
    asteroidTable.Resize(W);
    grid.Resize(W);
    colors.Resize(W);
  }
};

ElementRecord BodyFor(int which) { return which == 0 ? Crosser() : BeltBody(); }

void BM_WholeSetup(benchmark::State& state) {
  const int W = static_cast<int>(state.range(0));
  Work w(W, BodyFor(static_cast<int>(state.range(1))));
  for (auto _ : state) {
    w.asteroid = PrepareAsteroidGeometry(BodyFor(static_cast<int>(state.range(1))));
    BuildOrbitTables(w.earth, w.asteroid, W, w.earthTable, w.asteroidTable);
    const GridMinimum start = ScanDistanceGrid(w.earthTable, w.asteroidTable, W, w.grid);
    BuildColorGrid(w.grid, W, w.colors);
    MoidResult r = RefineMoid(w.earth, w.asteroid, start);
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(state.iterations() * W * W);
}
BENCHMARK(BM_WholeSetup)
    ->ArgsProduct({{432, 1080}, {0, 1}})
    ->ArgNames({"W", "body"})
    ->Unit(benchmark::kMillisecond);

void BM_OrbitTables(benchmark::State& state) {
  const int W = static_cast<int>(state.range(0));
  Work w(W, Crosser());
  for (auto _ : state) {
    BuildOrbitTables(w.earth, w.asteroid, W, w.earthTable, w.asteroidTable);
    benchmark::DoNotOptimize(w.asteroidTable.x.data());
  }
}
BENCHMARK(BM_OrbitTables)->Arg(1080)->Unit(benchmark::kMicrosecond);

void BM_GridScan(benchmark::State& state) {
  const int W = static_cast<int>(state.range(0));
  Work w(W, Crosser());
  BuildOrbitTables(w.earth, w.asteroid, W, w.earthTable, w.asteroidTable);
  for (auto _ : state) {
    GridMinimum start = ScanDistanceGrid(w.earthTable, w.asteroidTable, W, w.grid);
    benchmark::DoNotOptimize(start);
  }
  state.SetItemsProcessed(state.iterations() * W * W);
}
BENCHMARK(BM_GridScan)->Arg(432)->Arg(1080)->Unit(benchmark::kMicrosecond);

void BM_ColorGrid(benchmark::State& state) {
  const int W = static_cast<int>(state.range(0));
  Work w(W, Crosser());
  BuildOrbitTables(w.earth, w.asteroid, W, w.earthTable, w.asteroidTable);
  ScanDistanceGrid(w.earthTable, w.asteroidTable, W, w.grid);
  for (auto _ : state) {
    BuildColorGrid(w.grid, W, w.colors);
    benchmark::DoNotOptimize(w.colors.cells.data());
  }
  state.SetItemsProcessed(state.iterations() * W * W);
}
BENCHMARK(BM_ColorGrid)->Arg(432)->Arg(1080)->Unit(benchmark::kMicrosecond);

void BM_Refinement(benchmark::State& state) {
  const int W = static_cast<int>(state.range(0));
  Work w(W, BodyFor(static_cast<int>(state.range(1))));
  BuildOrbitTables(w.earth, w.asteroid, W, w.earthTable, w.asteroidTable);
  const GridMinimum start = ScanDistanceGrid(w.earthTable, w.asteroidTable, W, w.grid);
  for (auto _ : state) {
    MoidResult r = RefineMoid(w.earth, w.asteroid, start);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_Refinement)
    ->ArgsProduct({{1080}, {0, 1}})
    ->ArgNames({"W", "body"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

// `moidtool moid` on the bundled catalogue (25,000 bodies) at W = 432, in-process:
// reading the file, the viewer's MOID for every body on every core, and the output.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "data/CatalogReader.h"
#include "orbit/ViewerMoid.h"
#include "tools/Commands.h"

namespace {

const std::string CATALOG = std::string(MOID_SOURCE_DIR) + "/share/ELEMENTS.DAT";

void BM_MoidCommandWholeCatalogue(benchmark::State& state) {
  const std::vector<std::string> args = {CATALOG, "--width", std::to_string(state.range(0))};
  size_t bytes = 0;
  for (auto _ : state) {
    std::ostringstream out, err;
    if (moid::tools::RunMoidCommand(args, out, err) != 0) state.SkipWithError("moid failed");
    bytes = out.str().size();
  }
  state.counters["outputBytes"] = static_cast<double>(bytes);
  state.counters["threads"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_MoidCommandWholeCatalogue)
    ->Arg(432)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(3);

// The computation alone, on a given number of threads.
void BM_CatalogueMoids(benchmark::State& state) {
  auto catalog = std::make_unique<moid::BodyCatalog>();
  moid::ReadCatalog(CATALOG, *catalog);
  std::vector<const moid::ElementRecord*> bodies;
  for (int i = 0; i <= catalog->lastIndex; ++i) bodies.push_back(&catalog->bodies[static_cast<size_t>(i)]);
  for (auto _ : state) {
    auto results = moid::ComputeViewerMoids(catalog->reference, bodies, 432,
                                            static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(results.data());
  }
  state.counters["bodies"] = static_cast<double>(bodies.size());
}
BENCHMARK(BM_CatalogueMoids)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();

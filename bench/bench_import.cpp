// moidtool import and the MOID table of what it makes: bringing catalogues in (the kstars
// small-body export, MPCORB lines), and `moidtool moid` over the whole bundled catalogue at
// W = 432 and W = 1080 on every core, in-process; scripts/make-catalog as a whole.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tools/Commands.h"
#include "sources/MpcorbReader.h"
#include "tools/ImportSelection.h"

namespace {

const std::string SOURCE_DIR = MOID_SOURCE_DIR;
const std::string KSTARS_EXPORT = "/usr/share/kstars/asteroids.dat";

void BM_ImportKstarsExport(benchmark::State& state) {
  if (!std::filesystem::exists(KSTARS_EXPORT)) {
    state.SkipWithError("kstars-data is not installed");
    return;
  }
  const std::string output =
      (std::filesystem::temp_directory_path() / "moid-bench-import.dat").string();
  for (auto _ : state) {
    std::ostringstream out, err;
    if (moid::tools::RunImportCommand({KSTARS_EXPORT, "-o", output}, out, err) != 0) {
      state.SkipWithError("import failed");
    }
  }
  std::filesystem::remove(output);
  state.counters["bodies"] = 7098;
}
BENCHMARK(BM_ImportKstarsExport)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef MOIDTOOL_PATH
// scripts/make-catalog from its three sources to a scratch file: a Python process and four
// runs of moidtool (three of them side by side). Wall time only: the work is in the children.
void BM_MakeCatalog(benchmark::State& state) {
  if (!std::filesystem::exists(KSTARS_EXPORT)) {
    state.SkipWithError("kstars-data is not installed");
    return;
  }
  const std::string output =
      (std::filesystem::temp_directory_path() / "moid-bench-catalog.dat").string();
  const std::string command = "'" + SOURCE_DIR + "/scripts/make-catalog' --moidtool '" +
                              MOIDTOOL_PATH + "' --output '" + output + "' >/dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("make-catalog failed");
  }
  std::filesystem::remove(output);
  state.counters["bodies"] = 25000;
}
BENCHMARK(BM_MakeCatalog)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
#endif

// MPCORB.DAT lines (the layout of Ceres' line, numbers counting up) read and sorted, without
// the file: lines per second is what a 1.4-million-line MPCORB.DAT takes.
void BM_ReadMpcorbLines(benchmark::State& state) {
  const std::string line =
      "    3.34  0.15 K2555 188.70269   73.27343   80.25221   10.58780  0.0794013  0.21424651"
      "   2.7660512  0 MPO123456  1000  20 1990-2024 0.50 M-v 3Ek MPCLINUX   0000 ";
  std::string text;
  const int lines = static_cast<int>(state.range(0));
  for (int n = 1; n <= lines; ++n) {
    char number[8];
    std::snprintf(number, sizeof number, "%05d", n % 100000);
    text += number + line + "(" + std::to_string(n) + ")                    20241101\n";
  }
  for (auto _ : state) {
    std::istringstream in(text);
    moid::tools::BodyCollector collector({});
    moid::sources::ReadMpcorb(in, collector);
    benchmark::DoNotOptimize(collector.Result().bodiesRead);
  }
  state.SetItemsProcessed(state.iterations() * lines);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadMpcorbLines)->Arg(100000)->Unit(benchmark::kMillisecond);

// `moidtool moid` on share/ELEMENTS.DAT (25,000 bodies): every body, every core.
void BM_MoidTableWholeCatalogue(benchmark::State& state) {
  const std::vector<std::string> args = {SOURCE_DIR + "/share/ELEMENTS.DAT", "--width",
                                         std::to_string(state.range(0))};
  for (auto _ : state) {
    std::ostringstream out, err;
    if (moid::tools::RunMoidCommand(args, out, err) != 0) state.SkipWithError("moid failed");
  }
  state.counters["threads"] = std::thread::hardware_concurrency();
  state.counters["bodies"] = 7098;
}
BENCHMARK(BM_MoidTableWholeCatalogue)
    ->Arg(432)
    ->Arg(1080)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();

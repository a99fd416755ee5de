// `moidtool moid` on MPCORB input, in-process, one thread, W = 72: per body, the whole
// pipeline (reading the lines, the Earth of the epoch, the rotation into its plane, the MOID
// with the grid's extremes, the row's text), and its parts.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "orbit/BatchMoid.h"
#include "sources/MpcorbReader.h"
#include "tools/Commands.h"
#include "tools/EarthByEpoch.h"
#include "tools/MoidRows.h"
#include "tools/SquaredGridExtremes.h"

namespace {

using namespace moid;

// The MPC's NEA list (MPCORB format, 20,060 orbits): beside the repository, or MOID_NEA_LIST.
std::string NeaListPath() {
  if (const char* path = std::getenv("MOID_NEA_LIST")) return path;
  for (const std::string up : {"/..", "/../.."}) {
    const std::string path = std::string(MOID_SOURCE_DIR) + up + "/shared/data/mpc-NEA-2019-07-02.txt";
    if (std::ifstream(path)) return path;
  }
  return "";
}

std::string NeaText() {
  std::ifstream in(NeaListPath(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void BM_MoidCommandOnMpcorb(benchmark::State& state) {
  const std::string path = NeaListPath();
  if (path.empty()) {
    state.SkipWithError("the NEA list was not found");
    return;
  }
  const std::vector<std::string> args = {path, "--width", "72", "--threads", "1"};
  for (auto _ : state) {
    std::ostringstream out, err;
    if (tools::RunMoidCommand(args, out, err) != 0) state.SkipWithError("moid failed");
    benchmark::DoNotOptimize(out.str().data());
  }
  state.counters["perBody"] = benchmark::Counter(
      20060.0 * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MoidCommandOnMpcorb)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Reading alone: the lines parsed into bodies.
struct Counting final : sources::SourceVisitor {
  long bodies = 0;
  void OnBody(sources::SourceBody&&) override { ++bodies; }
  void OnProblem(sources::SourceProblem&&) override {}
};

void BM_ReadMpcorb(benchmark::State& state) {
  const std::string text = NeaText();
  long bodies = 0;
  for (auto _ : state) {
    std::istringstream in(text);
    Counting counting;
    sources::ReadMpcorb(in, counting);
    bodies = counting.bodies;
  }
  state.counters["perBody"] = benchmark::Counter(
      static_cast<double>(bodies) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReadMpcorb)->Unit(benchmark::kMillisecond);

// The Earth of an epoch from the ephemeris, and a body turned into its plane.
void BM_EarthOfANewEpoch(benchmark::State& state) {
  double epoch = 2458666.5;
  for (auto _ : state) {
    tools::EarthByEpoch earths;
    benchmark::DoNotOptimize(earths.At(epoch += 1.0)->geometry.a);
  }
}
BENCHMARK(BM_EarthOfANewEpoch);

void BM_IntoTheEarthsPlane(benchmark::State& state) {
  tools::EarthByEpoch earths;
  const tools::EarthAtEpoch& earth = *earths.At(2458666.5);
  const ElementRecord body = {0.2227, 10.83, 178.8, 304.3, 1.458, 84.17, ""};
  for (auto _ : state) benchmark::DoNotOptimize(tools::InEarthPlane(body, earth).inclination);
}
BENCHMARK(BM_IntoTheEarthsPlane);

// The MOID with the grid's extremes, and the row's text, for Eros at W = 72.
void BM_MoidAndExtremes(benchmark::State& state) {
  tools::EarthByEpoch earths;
  const tools::EarthAtEpoch& earth = *earths.At(2458666.5);
  const ElementRecord body =
      tools::InEarthPlane({0.2227, 10.83, 178.8, 304.3, 1.458, 84.17, ""}, earth);
  BatchMoidWorkspace work(72);
  for (auto _ : state) {
    const MoidResult moid = ComputeBatchMoid(earth.geometry, body, work);
    benchmark::DoNotOptimize(tools::WithGridExtremes(moid, work.Grid()).maxGm);
  }
}
BENCHMARK(BM_MoidAndExtremes);

void BM_RowText(benchmark::State& state) {
  ViewerMoid v;
  v.moid = {0.148353, 123.456, 10, 20};
  v.minGm = 22.2;
  v.maxGm = 400.5;
  std::string row;
  for (auto _ : state) {
    row.clear();
    tools::AppendMoidRow(row, 12345, "(433) Eros", v, 2458666.5);
    benchmark::DoNotOptimize(row.data());
  }
}
BENCHMARK(BM_RowText);

}  // namespace

BENCHMARK_MAIN();

// The catalogue reader on a full catalogue: 25,000 bodies, about 2 MB. The fit loop may read
// it seven times before the first list appears, so one read should stay well under 15 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "data/CatalogReader.h"

namespace {

// 25,000 bodies with ten significant digits per element, like an export of real elements.
std::string FullCatalogue() {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::string text = "2459800.5,0.01670130306,-0.002941560972,103.0107493,0,1.000003880,"
                     "214.1497638,0,Earth\r\n";
  char line[256];
  for (int i = 1; i <= 25000; ++i) {
    std::snprintf(line, sizeof line, "%.10g,%.10g,%.10g,%.10g,%.10g,%.10g,(%d) Body %d\r\n",
                  unit(random) * 0.9, unit(random) * 40, unit(random) * 360, unit(random) * 360,
                  0.5 + unit(random) * 5, unit(random) * 360, i, i);
    text += line;
  }
  return text;
}

void BM_ParseFullCatalogue(benchmark::State& state) {
  const std::string text = FullCatalogue();
  auto catalog = std::make_unique<moid::BodyCatalog>();
  for (auto _ : state) {
    const moid::CatalogReadReport report = moid::ParseCatalog(text, *catalog);
    benchmark::DoNotOptimize(report.skippedCount);
  }
  if (catalog->lastIndex != 24999) state.SkipWithError("catalogue not read whole");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ParseFullCatalogue)->Unit(benchmark::kMillisecond);

void BM_ReadFullCatalogueFile(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "moid-bench-ELEMENTS.DAT";
  std::ofstream(path, std::ios::binary) << FullCatalogue();
  auto catalog = std::make_unique<moid::BodyCatalog>();
  for (auto _ : state) {
    const moid::CatalogReadReport report = moid::ReadCatalog(path.string(), *catalog);
    benchmark::DoNotOptimize(report.skippedCount);
  }
  if (catalog->lastIndex != 24999) state.SkipWithError("catalogue not read whole");
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadFullCatalogueFile)->Unit(benchmark::kMillisecond);

void BM_ReadBundledCatalogue(benchmark::State& state) {
  const std::string path = std::string(MOID_SOURCE_DIR) + "/share/ELEMENTS.DAT";
  auto catalog = std::make_unique<moid::BodyCatalog>();
  for (auto _ : state) {
    const moid::CatalogReadReport report = moid::ReadCatalog(path, *catalog);
    benchmark::DoNotOptimize(report.skippedCount);
  }
  if (catalog->lastIndex < 0) state.SkipWithError("bundled catalogue not found");
}
BENCHMARK(BM_ReadBundledCatalogue)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

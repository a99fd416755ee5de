// From a width choice to the asteroid list: the fit loop on a full 25,000-body catalogue
// (one pass, and the seven passes of a 1080 choice on an 800-pixel screen), and the body
// choice itself (the 25,001 list items and the search for the chosen name).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/AppState.h"
#include "app/BodySelection.h"
#include "app/DisplaySetup.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

using namespace moid;
namespace fs = std::filesystem;

std::string FullCatalogText() {
  std::string text =
      "2460000.5, 0.0167086, 0.00005, 102.94719, 0.0, 1.00000011, 357.51716, 0, "
      "Earth-Moon Barycenter\r\n";
  char line[160];
  for (int i = 0; i <= CATALOG_LAST_INDEX; ++i) {
    std::snprintf(line, sizeof line, "0.%04d, %d.25, %d.5, %d.75, %.4f, %d.125, (%d) Body %d\r\n",
                  1000 + i % 8000, i % 40, i % 360, (i * 7) % 360, 1.0 + (i % 3000) * 0.001,
                  (i * 13) % 360, i + 1, i + 1);
    text += line;
  }
  return text;
}

// The catalogue file, written once for the whole program.
const std::string& CatalogPath() {
  static const std::string path = [] {
    const fs::path p = fs::temp_directory_path() / "moid-bench-display-ELEMENTS.DAT";
    std::ofstream(p, std::ios::binary) << FullCatalogText();
    return p.string();
  }();
  return path;
}

void BM_FitLayout(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int displayHeight = static_cast<int>(state.range(1));
  auto app = std::make_unique<AppState>();
  app->elementsPath = CatalogPath();
  for (auto _ : state) {
    headless::HeadlessPlatform platform(headless::HeadlessConfig{8, 16, displayHeight});
    Platform p = platform.AsPlatform();
    app->windowWidth = width;
    app->catalogReads = 0;
    FitLayout(p, *app);
    benchmark::DoNotOptimize(app->catalog.lastIndex);
  }
  state.counters["reads"] = app->catalogReads;
  state.counters["W"] = app->windowWidth;
}
BENCHMARK(BM_FitLayout)
    ->Args({432, 1200})
    ->Args({1080, 800})
    ->ArgNames({"chosen", "screen"})
    ->Unit(benchmark::kMillisecond);

void BM_ChooseBody(benchmark::State& state) {
  auto app = std::make_unique<AppState>();
  app->elementsPath = CatalogPath();
  app->windowWidth = 432;
  {
    headless::HeadlessPlatform platform;
    Platform p = platform.AsPlatform();
    FitLayout(p, *app);
  }
  const std::string last = app->catalog.bodies[CATALOG_LAST_INDEX].name;
  for (auto _ : state) {
    headless::HeadlessPlatform platform;
    platform.Push(headless::ScriptEvent::ListAnswer(last));
    Platform p = platform.AsPlatform();
    ChooseBody(p, *app);
    benchmark::DoNotOptimize(app->selectedIndex);
  }
}
BENCHMARK(BM_ChooseBody)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

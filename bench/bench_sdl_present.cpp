// Presenting pictures in the SDL window: frames per second for a 1080 x 1080 picture (the
// largest width) in its 1128 x 1152 console, and the cost of an idle polling pass. Needs a
// display (run under Xvfb: see docs/benchmarks.md); without one every benchmark is skipped.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/sdl/SdlPlatform.h"

namespace {

constexpr int W = 1080;

// A console fitted to W = 1080 with 8 x 16 cells: 141 x 72 cells, a picture drawn in it.
std::unique_ptr<moid::sdl::SdlPlatform> OpenWindow(benchmark::State& state) {
  std::string whyNot;
  auto window = moid::sdl::SdlPlatform::Open(moid::sdl::SdlOptions{}, whyNot);
  if (!window) {
    state.SkipWithError(whyNot.c_str());
    return nullptr;
  }
  window->SetConsoleSize(141, 72);
  window->ConsoleGfx(0, 0, 0, 0);
  moid::GraphicsToolkit& g = window->Graphics();
  g.GfxWindow(moid::GFX_WINDOW_GRAPHICS);
  g.BrushColor(moid::WHITE);
  g.GfxCLS();
  for (int x = 0; x <= W; x += 40) g.DrawLine(x, 0, W - x, W);
  g.GfxRefresh(0);
  return window;
}

// One animation frame's worth of showing: a picture is begun, changed and completed.
void BM_PresentFrame1080(benchmark::State& state) {
  auto window = OpenWindow(state);
  if (!window) return;
  moid::GraphicsToolkit& g = window->Graphics();
  int i = 0;
  for (auto _ : state) {
    g.GfxWindow(moid::GFX_WINDOW_BEGIN_PICTURE);
    g.DrawPixel(i % W, (i / W) % W, moid::RED);
    g.GfxWindow(moid::GFX_WINDOW_SHOW_PICTURE);
    ++i;
  }
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                             benchmark::Counter::kIsRate);
  state.counters["presents"] = static_cast<double>(window->PresentCount());
}
BENCHMARK(BM_PresentFrame1080)->Unit(benchmark::kMillisecond)->UseRealTime();

// An idle polling pass of a still screen: read a key, refresh, end a picture never begun.
void BM_IdlePass(benchmark::State& state) {
  auto window = OpenWindow(state);
  if (!window) return;
  moid::GraphicsToolkit& g = window->Graphics();
  window->Sleep(0);
  const auto before = window->PresentCount();
  for (auto _ : state) {
    benchmark::DoNotOptimize(window->ReadKey());
    g.GfxRefresh(0);
    g.GfxWindow(moid::GFX_WINDOW_SHOW_PICTURE);
  }
  state.counters["presents"] = static_cast<double>(window->PresentCount() - before);
}
BENCHMARK(BM_IdlePass)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();

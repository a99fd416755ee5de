// Entering the distance map at the largest width: saving the orbit picture, drawing the
// 1080 x 1080 cells with frame, scales, labels and caption, showing and saving the map.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "distmap/ColorRamp.h"
#include "distmap/MapScreen.h"
#include "platform/Canvas.h"
#include "platform/ForwardingGraphics.h"
#include "platform/Keys.h"
#include "platform/headless/HeadlessPlatform.h"

namespace moid {
namespace {

constexpr int W = 1080;

// Two ring orbits a quarter AU apart in radius and 10 degrees apart in inclination, sampled
// the way the grid scan measures them: enough structure for every ramp segment and band.
Session MakeSession() {
  Session s;
  s.Resize(W);
  s.referenceName = "EMBary";
  s.bodyLabel = "Eros";
  const double pi = 4 * std::atan(1.0);
  const double tilt = 10 * pi / 180;
  double lo = 1e300, hi = -1;
  for (int j = 0; j < W; ++j) {
    const double u = 2 * pi * j / (W - 1);
    for (int k = 0; k < W; ++k) {
      const double v = 2 * pi * k / (W - 1);
      const double dx = 1.25 * std::cos(v) - std::cos(u);
      const double dy = 1.25 * std::sin(v) * std::cos(tilt) - std::sin(u);
      const double dz = 1.25 * std::sin(v) * std::sin(tilt);
      const double d = std::sqrt(dx * dx + dy * dy + dz * dz) * 149.597870691;
      s.grid.At(j, k) = d;
      if (d < lo) { lo = d; s.moid.gridMinEarthIndex = j; s.moid.gridMinAsteroidIndex = k; }
      if (d > hi) { hi = d; s.grid.gridMaxEarthIndex = j; s.grid.gridMaxAsteroidIndex = k; }
    }
  }
  s.grid.minGm = lo;
  s.grid.maxGm = hi;
  s.moid.moidAu = lo / 149.597870691;
  s.moid.longitudeDeg = 123.456;
  return s;
}

// The canvas with saving switched off, to time the drawing alone.
class DrawOnly final : public ForwardingGraphics {
 public:
  explicit DrawOnly(Canvas& c) : ForwardingGraphics(c) {}
  bool SaveGfxWindow(const std::string&) override { return true; }
};

struct MapBench {
  Session session = MakeSession();
  ColorGrid colors;
  headless::HeadlessPlatform hp;
  std::filesystem::path previousDir = std::filesystem::current_path();
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "moidview-bench-map";

  MapBench() {
    BuildColorGrid(session.grid, W, colors);
    hp.GetCanvas().Resize(W + 100, W + 100);
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
  }
  ~MapBench() {
    std::filesystem::current_path(previousDir);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
};

// Every step of an entry through the headless backend (a forwarding toolkit over the canvas,
// as the window backend has), leaving at once with "B".
void BM_MapEntry(benchmark::State& state) {
  MapBench b;
  Platform platform = b.hp.AsPlatform();
  MapReadout readout;
  for (auto _ : state) {
    b.hp.ClearLog();
    b.hp.PushKeys({"B"});
    benchmark::DoNotOptimize(RunDistanceMap(platform, b.session, b.colors, readout));
  }
  state.counters["cells"] = static_cast<double>(W) * W;
}
BENCHMARK(BM_MapEntry)->Unit(benchmark::kMillisecond);

// The drawing of the map alone (steps between the two saves), no file written.
void BM_MapDrawing(benchmark::State& state) {
  MapBench b;
  DrawOnly graphics(b.hp.GetCanvas());
  Platform platform{b.hp, graphics};
  for (auto _ : state) DrawDistanceMap(platform, b.session, b.colors);
}
BENCHMARK(BM_MapDrawing)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace moid

BENCHMARK_MAIN();

// One frame of the orbit view drawn into a Canvas (no presentation): the animated frame
// (one day of motion, projection, drawing) and the still frame after a key, per width.
#include <benchmark/benchmark.h>

#include <memory>

#include "orbit/MoidSearch.h"
#include "orbit/OrbitModel.h"
#include "platform/Canvas.h"
#include "platform/headless/HeadlessPlatform.h"
#include "view/OrbitScene.h"
#include "view/OrbitView.h"
#include "view/Projection.h"

namespace {

using namespace moid;

ElementRecord Earth() { return {0.01671123, 0.0, 102.93768193, 0.0, 1.00000261, 357.5, "Earth"}; }
ElementRecord BeltBody() { return {0.0787, 10.59, 73.6, 80.3, 2.767, 334.3, "Belt"}; }

// A session as after a choice of body, and an area the size the layout gives W
// (8 x 16 pixel cells: W/8 + 6 columns, W/16 + 5 rows).
struct FrameRig {
  std::unique_ptr<Session> session = std::make_unique<Session>();
  headless::HeadlessPlatform console;
  Canvas canvas;
  explicit FrameRig(int W) {
    Session& s = *session;
    s.Resize(W);
    s.ballSpacing = W / 36;
    s.epoch = 2459800.5;
    s.referenceName = "Earth";
    s.bodyLabel = "Belt";
    s.earth = PrepareEarthGeometry(Earth());
    s.asteroid = PrepareAsteroidGeometry(BeltBody());
    BuildOrbitTables(s.earth, s.asteroid, W, s.earthTable, s.asteroidTable);
    s.moid = FindMoid(s.earthTable, s.asteroidTable, s.earth, s.asteroid, W, s.grid);
    ResetView(s.view);
    canvas.Resize((W / 8 + 6) * 8, (W / 16 + 5) * 16);
  }
  Platform Get() { return Platform{console, canvas}; }
};

void BM_AnimatedFrame(benchmark::State& state) {
  const int W = static_cast<int>(state.range(0));
  FrameRig rig(W);
  Platform p = rig.Get();
  rig.session->view.animating = true;
  rig.session->view.animTime = rig.session->epoch - 1;
  RedrawOrbitView(p, *rig.session, true);  // the view angles, as the "M" that started it
  for (auto _ : state) {
    RedrawOrbitView(p, *rig.session, false);
    rig.console.ClearLog();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnimatedFrame)->Arg(432)->Arg(1080)->ArgName("W")->Unit(benchmark::kMillisecond);

void BM_StillFrame(benchmark::State& state) {
  const int W = static_cast<int>(state.range(0));
  FrameRig rig(W);
  Platform p = rig.Get();
  for (auto _ : state) {
    RedrawOrbitView(p, *rig.session, true);
    rig.console.ClearLog();
  }
}
BENCHMARK(BM_StillFrame)->Arg(432)->Arg(1080)->ArgName("W")->Unit(benchmark::kMillisecond);

// The arithmetic alone: both tables and the grid nodes projected.
void BM_ProjectionOnly(benchmark::State& state) {
  const int W = static_cast<int>(state.range(0));
  FrameRig rig(W);
  Session& s = *rig.session;
  ComputeViewAngles(s.view, s.projection);
  for (auto _ : state) {
    ProjectSamples(s.earthTable, W, s.view, s.projection, s.projection.earth);
    ProjectSamples(s.asteroidTable, W, s.view, s.projection, s.projection.asteroid);
    ProjectGridNodes(s.view, W, s.projection);
    benchmark::DoNotOptimize(s.projection.earth.data());
  }
}
BENCHMARK(BM_ProjectionOnly)->Arg(1080)->ArgName("W")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

// Canvas drawing costs: the map's million pixels, lines with far-off ends, text rows,
// discs, the freeze of the shown picture and the bitmap encoding.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "platform/Bmp.h"
#include "platform/Canvas.h"

namespace {

constexpr int SIDE = 1080;

void BM_DrawPixelFullArea(benchmark::State& state) {
  moid::Canvas c;
  c.Resize(SIDE, SIDE);
  moid::Color color = 0;
  for (auto _ : state) {
    for (int y = 0; y < SIDE; ++y)
      for (int x = 0; x < SIDE; ++x) c.DrawPixel(x, y, color + static_cast<moid::Color>(x));
    ++color;
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * SIDE * SIDE);
}
BENCHMARK(BM_DrawPixelFullArea)->Unit(benchmark::kMillisecond);

void BM_DashedLineFarEnds(benchmark::State& state) {
  moid::Canvas c;
  c.Resize(SIDE, SIDE);
  c.PenStyle(moid::PEN_DASHED);
  for (auto _ : state) c.DrawLine(-2000000000, -1000000000, 2000000000, 1000000000);
}
BENCHMARK(BM_DashedLineFarEnds)->Unit(benchmark::kMicrosecond);

void BM_DashedSegmentAt1e12(benchmark::State& state) {
  moid::Canvas c;
  c.Resize(SIDE, SIDE);
  c.PenStyle(moid::PEN_DASHED);
  for (auto _ : state) c.DrawSegment(-1e12, -3e11, 1e12, 7e11);
}
BENCHMARK(BM_DashedSegmentAt1e12)->Unit(benchmark::kMicrosecond);

// One orbit as the scene draws it: SIDE short segments around an ellipse.
void BM_OrbitOfShortSegments(benchmark::State& state) {
  moid::Canvas c;
  c.Resize(SIDE, SIDE);
  for (auto _ : state) {
    c.DrawFrom(900, 540);
    for (int i = 1; i <= SIDE; ++i) {
      const double t = 6.283185307179586 * i / SIDE;
      c.DrawTo(540 + static_cast<int>(360 * std::cos(t)),
               540 + static_cast<int>(200 * std::sin(t)));
    }
  }
  state.SetItemsProcessed(state.iterations() * SIDE);
}
BENCHMARK(BM_OrbitOfShortSegments)->Unit(benchmark::kMicrosecond);

void BM_TextRow(benchmark::State& state) {
  moid::Canvas c;
  c.Resize(SIDE, 100);
  c.GfxFont("Arial", 0, 15, 1, 0, 0, 0.0);
  c.DrawFrom(10, 10);
  for (auto _ : state) c.DrawTextRow("MOID = 0.012345 AU = 1.846813 Gm at 271.3\xB0", 0);
}
BENCHMARK(BM_TextRow)->Unit(benchmark::kMicrosecond);

void BM_Disc(benchmark::State& state) {
  moid::Canvas c;
  c.Resize(SIDE, SIDE);
  c.DrawFrom(540, 540);
  for (auto _ : state) c.DrawCircle(static_cast<int>(state.range(0)));
}
BENCHMARK(BM_Disc)->Arg(4)->Arg(15)->Arg(2000000000)->Unit(benchmark::kMicrosecond);

void BM_FreezeAndShow(benchmark::State& state) {
  moid::Canvas c;
  c.Resize(SIDE, SIDE);
  for (auto _ : state) {
    c.GfxWindow(moid::GFX_WINDOW_BEGIN_PICTURE);
    c.GfxWindow(moid::GFX_WINDOW_SHOW_PICTURE);
  }
}
BENCHMARK(BM_FreezeAndShow)->Unit(benchmark::kMicrosecond);

void BM_EncodeBmp(benchmark::State& state) {
  moid::Canvas c;
  c.Resize(SIDE, SIDE);
  for (auto _ : state) {
    std::string bytes = moid::EncodeBmp24(c.ShownData(), SIDE, SIDE, c.ShownStride());
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_EncodeBmp)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

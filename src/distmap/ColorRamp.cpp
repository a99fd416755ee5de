#include "distmap/ColorRamp.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace moid {
namespace {

constexpr int RAMP_STEPS = 1536;

constexpr int ClampComponent(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

constexpr Colour PackClamped(int r, int g, int b) {
  return RgbColour(ClampComponent(r), ClampComponent(g), ClampComponent(b));
}

constexpr Colour ComputeRampColor(int c) {
  if (c >= 0 && c <= 255) return PackClamped(255, c, 0);
  if (c >= 256 && c <= 511) return PackClamped(512 - c, 255, 0);
  if (c >= 512 && c <= 767) return PackClamped(0, 255, c - 511);
  if (c >= 768 && c <= 1023) return PackClamped(0, 1023 - c, 255);
  if (c >= 1024 && c <= 1279) return PackClamped(c - 1024, 0, 255);
  if (c >= 1280 && c <= 1535) return PackClamped(1535 - c, 0, 1535 - c);
  return BLACK;
}

// Ramp positions 0..1536; the last one (and anything outside) is black.
constexpr std::array<Colour, RAMP_STEPS + 1> MakeRampTable() {
  std::array<Colour, RAMP_STEPS + 1> table{};
  for (int c = 0; c <= RAMP_STEPS; ++c) table[c] = ComputeRampColor(c);
  return table;
}

constexpr std::array<Colour, RAMP_STEPS + 1> RAMP_TABLE = MakeRampTable();

// Nearest integer, ties to even, for |x| < 2^51: adding 1.5 * 2^52 leaves no fraction
// bits, so the default rounding mode does the rounding. Larger values are whole already.
inline double RoundHalfEven(double x) {
  constexpr double shifter = 6755399441055744.0;  // 1.5 * 2^52
  if (!(std::fabs(x) < 2251799813685248.0)) return x;  // 2^51, also inf and NaN
  return (x + shifter) - shifter;
}

// A cell within half a Gm of a multiple of 10 Gm lies on an iso-distance line.
inline bool OnIsoLine(double d) {
  const double n = RoundHalfEven(d);
  if (!(std::fabs(n) < 9.0e18)) return false;
  return static_cast<std::int64_t>(n) % 10 == 0;
}

// Ramp position of a distance; -1 (black) when the ramp has no usable range.
inline int RampPosition(double d, double minGm, double maxGm) {
  const double c = RoundHalfEven(RAMP_STEPS * (d - minGm) / (maxGm - minGm));
  if (!(c >= 0 && c <= RAMP_STEPS)) return -1;
  return static_cast<int>(c);
}

}  // namespace

Colour RampColor(int c) {
  if (c < 0 || c > RAMP_STEPS) return BLACK;
  return RAMP_TABLE[c];
}

void BuildColorGrid(const DistanceGrid& grid, int W, ColorGrid& colors) {
  if (colors.W != W || colors.cells.size() != static_cast<size_t>(W + 1) * (W + 1))
    colors.Resize(W);
  const double minGm = grid.minGm, maxGm = grid.maxGm;
  for (int j = 0; j < W; ++j) {
    const size_t row = static_cast<size_t>(j) * (W + 1);
    for (int k = 0; k < W; ++k) {
      const double d = grid.cells[row + k];
      colors.cells[row + k] = OnIsoLine(d) ? BLACK : RampColor(RampPosition(d, minGm, maxGm));
    }
  }
}

}  // namespace moid

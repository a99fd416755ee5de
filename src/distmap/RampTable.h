#pragma once
#include <array>

#include "platform/Color.h"

namespace moid {

// The color ramp as a table: positions 0..RAMP_STEPS - 1 run red, yellow, green, cyan,
// blue, magenta and back towards black; position RAMP_STEPS (and anything outside) is black.
constexpr int RAMP_STEPS = 1536;
constexpr int BLACK_POSITION = RAMP_STEPS;  // the table's black entry

namespace ramp_detail {

constexpr int ClampComponent(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

constexpr Color PackClamped(int r, int g, int b) {
  return RgbColor(ClampComponent(r), ClampComponent(g), ClampComponent(b));
}

constexpr Color ComputeRampColor(int c) {
  if (c >= 0 && c <= 255) return PackClamped(255, c, 0);
  if (c >= 256 && c <= 511) return PackClamped(512 - c, 255, 0);
  if (c >= 512 && c <= 767) return PackClamped(0, 255, c - 511);
  if (c >= 768 && c <= 1023) return PackClamped(0, 1023 - c, 255);
  if (c >= 1024 && c <= 1279) return PackClamped(c - 1024, 0, 255);
  if (c >= 1280 && c <= 1535) return PackClamped(1535 - c, 0, 1535 - c);
  return BLACK;
}

constexpr std::array<Color, RAMP_STEPS + 1> MakeRampTable() {
  std::array<Color, RAMP_STEPS + 1> table{};
  for (int c = 0; c <= RAMP_STEPS; ++c) table[c] = ComputeRampColor(c);
  return table;
}

}  // namespace ramp_detail

inline constexpr std::array<Color, RAMP_STEPS + 1> RAMP_TABLE = ramp_detail::MakeRampTable();

}  // namespace moid

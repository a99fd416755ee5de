#pragma once
#include <cstdint>

namespace moid {

// A color as the graphics toolkit takes it: 0x00BBGGRR (red in the low byte).
using Color = std::uint32_t;

constexpr Color RgbColor(int r, int g, int b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}

constexpr Color WHITE = 0xFFFFFF;
constexpr Color BLACK = 0x000000;
constexpr Color RED = 0x0000FF;

}  // namespace moid

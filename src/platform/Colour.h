#pragma once
#include <cstdint>

namespace moid {

// A colour as the graphics toolkit takes it: 0x00BBGGRR (red in the low byte).
using Colour = std::uint32_t;

constexpr Colour RgbColour(int r, int g, int b) {
  return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

constexpr Colour WHITE = 0xFFFFFF;
constexpr Colour BLACK = 0x000000;
constexpr Colour RED = 0x0000FF;

}  // namespace moid

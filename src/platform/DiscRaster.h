#pragma once
#include <cstdint>

#include "platform/PixelBuffer.h"

namespace moid {

// A disc of `radius` pixels around the pixel (cx, cy): pixels whose centres lie within half
// a pixel of the circle get `outline`, those further inside get `fill`. Radius 0 is the
// centre pixel in the outline color; a negative radius draws nothing. Only the visible
// part is visited.
void RasterDisc(const PixelBuffer& target, long long cx, long long cy, long long radius,
                std::uint32_t outline, std::uint32_t fill);

}  // namespace moid

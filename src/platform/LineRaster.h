#pragma once
#include <cstdint>

#include "platform/PixelBuffer.h"

namespace moid {

// Pen style 2: this many pixels drawn, then as many left out, counted along the line's
// major axis from its start.
constexpr int DASH_PIXELS = 4;

// A 1-pixel line through the pixel centres from (x1, y1) to (x2, y2), both ends included:
// one pixel per step along the major axis, the minor coordinate on the exact line rounded
// half to even (so a line and its reverse cover the same pixels). Only the visible steps
// are visited, so far-off endpoints cost nothing and draw the same visible pixels as near
// ones on the same line; a non-finite coordinate drops the line.
void RasterLine(const PixelBuffer& target, double x1, double y1, double x2, double y2,
                std::uint32_t pixel, bool dashed);

}  // namespace moid

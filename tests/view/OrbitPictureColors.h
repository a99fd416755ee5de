#pragma once
// The colours the orbit picture is checked for, as the picture is specified: the Sun's
// fill, the Earth's orbit at 0, 90, 180 and 270 degrees, and the asteroid's orbit above
// (dark blue) and below (pale blue) the Earth's plane.
#include "platform/Color.h"

namespace moid {

constexpr Color SUN_FILL = RgbColor(255, 210, 0);
constexpr Color AT_0 = RgbColor(190, 130, 0);
constexpr Color AT_90 = RgbColor(170, 0, 255);
constexpr Color AT_180 = RgbColor(0, 220, 0);
constexpr Color AT_270 = RgbColor(255, 200, 0);
constexpr Color DARK_BLUE = RgbColor(0, 0, 150);
constexpr Color PALE_BLUE = RgbColor(180, 180, 255);

}  // namespace moid

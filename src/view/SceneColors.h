#pragma once
#include "platform/Color.h"

// The colors of the orbit view.
namespace moid::scene {

constexpr Color BACKGROUND = WHITE;
constexpr Color GRID_LINE = RgbColor(0, 155, 255);
constexpr Color SUN_OUTLINE = RgbColor(255, 209, 0);
constexpr Color SUN_FILL = RgbColor(255, 210, 0);
constexpr Color EARTH_AT_0 = RgbColor(190, 130, 0);          // sample 0, longitude 0
constexpr Color EARTH_AT_QUARTER = RgbColor(170, 0, 255);    // sample W/4
constexpr Color EARTH_AT_HALF = RgbColor(0, 220, 0);         // sample W/2
constexpr Color EARTH_AT_3_QUARTERS = RgbColor(255, 200, 0); // sample 3W/4
constexpr Color EARTH_PLAIN = BLACK;
constexpr Color ASTEROID_SOUTH = RgbColor(180, 180, 255);    // Z < 0
constexpr Color ASTEROID_NORTH = RgbColor(0, 0, 150);        // Z >= 0
constexpr Color CLOSEST_APPROACH = RED;

constexpr int SUN_RADIUS = 10;
constexpr int END_DOT_RADIUS = 2;

}  // namespace moid::scene

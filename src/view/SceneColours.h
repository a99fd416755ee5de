#pragma once
#include "platform/Colour.h"

// The colours of the orbit view.
namespace moid::scene {

constexpr Colour BACKGROUND = WHITE;
constexpr Colour GRID_LINE = RgbColour(0, 155, 255);
constexpr Colour SUN_OUTLINE = RgbColour(255, 209, 0);
constexpr Colour SUN_FILL = RgbColour(255, 210, 0);
constexpr Colour EARTH_AT_0 = RgbColour(190, 130, 0);          // sample 0, longitude 0
constexpr Colour EARTH_AT_QUARTER = RgbColour(170, 0, 255);    // sample W/4
constexpr Colour EARTH_AT_HALF = RgbColour(0, 220, 0);         // sample W/2
constexpr Colour EARTH_AT_3_QUARTERS = RgbColour(255, 200, 0); // sample 3W/4
constexpr Colour EARTH_PLAIN = BLACK;
constexpr Colour ASTEROID_SOUTH = RgbColour(180, 180, 255);    // Z < 0
constexpr Colour ASTEROID_NORTH = RgbColour(0, 0, 150);        // Z >= 0
constexpr Colour CLOSEST_APPROACH = RED;

constexpr int SUN_RADIUS = 10;
constexpr int END_DOT_RADIUS = 2;

}  // namespace moid::scene

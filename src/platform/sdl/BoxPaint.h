#pragma once
#include <cairo.h>

#include <string>

#include "platform/sdl/ConsoleFont.h"

// Small painting helpers shared by the list box and the message box.
namespace moid::sdl {

struct Rgb {
  double r, g, b;
};

constexpr Rgb BOX_BACKGROUND{0.925, 0.925, 0.925};
constexpr Rgb TITLE_BAR{0.12, 0.31, 0.47};
constexpr Rgb TITLE_TEXT{1, 1, 1};
constexpr Rgb BODY_TEXT{0, 0, 0};
constexpr Rgb FRAME_LINE{0.5, 0.5, 0.5};
constexpr Rgb FIELD{1, 1, 1};
constexpr Rgb HINT_TEXT{0.33, 0.33, 0.33};
constexpr Rgb ALERT_TEXT{0.75, 0, 0};

void SetColor(cairo_t* cr, Rgb c);
void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c);
// A one-pixel line just inside the rectangle.
void OutlineRect(cairo_t* cr, double x, double y, double w, double h, Rgb c);
// A title bar across (x, y, w) of the given height with the title at its left.
void PaintTitleBar(cairo_t* cr, double x, double y, double w, double h,
                   const ConsoleFont& font, const std::string& title);

}  // namespace moid::sdl

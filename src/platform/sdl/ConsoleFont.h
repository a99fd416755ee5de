#pragma once
#include <cairo.h>

#include <string>

namespace moid::sdl {

// A font the window draws its own texts in (console rows, lists, message boxes), with the
// character cell it gives: every byte of a text takes one cell.
class ConsoleFont {
 public:
  // Over a scaled font that outlives this object (from a FontCache).
  explicit ConsoleFont(cairo_scaled_font_t* font);

  // Advance of one character and height of one line, whole pixels, at least 1.
  int CellWidth() const { return cellWidth_; }
  int CellHeight() const { return cellHeight_; }
  // Pixel width of a Windows-1252 text in this font.
  double TextWidth(const std::string& text) const;
  // Draws a Windows-1252 text with the top of its line at (x, top), in the source color.
  void Draw(cairo_t* cr, double x, double top, const std::string& text) const;

 private:
  cairo_scaled_font_t* font_ = nullptr;
  int cellWidth_ = 1;
  int cellHeight_ = 1;
  double ascent_ = 0;
};

}  // namespace moid::sdl

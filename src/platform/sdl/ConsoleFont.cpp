#include "platform/sdl/ConsoleFont.h"

#include <algorithm>
#include <cmath>

#include "platform/TextEncoding.h"

namespace moid::sdl {

ConsoleFont::ConsoleFont(cairo_scaled_font_t* font) : font_(font) {
  cairo_font_extents_t extents;
  cairo_scaled_font_extents(font_, &extents);
  ascent_ = extents.ascent;
  cellWidth_ = std::max(1, static_cast<int>(std::ceil(extents.max_x_advance)));
  // The font's own line: its tallest glyph and deepest descender.
  cellHeight_ = std::max(1, static_cast<int>(std::ceil(extents.ascent + extents.descent)));
}

double ConsoleFont::TextWidth(const std::string& text) const {
  cairo_text_extents_t extents;
  cairo_scaled_font_text_extents(font_, Cp1252ToUtf8(text).c_str(), &extents);
  return extents.x_advance;
}

void ConsoleFont::Draw(cairo_t* cr, double x, double top, const std::string& text) const {
  if (text.empty()) return;
  cairo_set_scaled_font(cr, font_);
  cairo_move_to(cr, x, top + ascent_);
  cairo_show_text(cr, Cp1252ToUtf8(text).c_str());
}

}  // namespace moid::sdl

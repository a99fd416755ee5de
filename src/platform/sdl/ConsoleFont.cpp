#include "platform/sdl/ConsoleFont.h"

#include <algorithm>
#include <cmath>

#include "platform/TextEncoding.h"

namespace moid::sdl {

ConsoleFont::ConsoleFont(const char* family, double pixelSize, bool bold) {
  cairo_font_face_t* face = cairo_toy_font_face_create(
      family, CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_matrix_t size;
  cairo_matrix_t identity;
  cairo_matrix_init_scale(&size, pixelSize, pixelSize);
  cairo_matrix_init_identity(&identity);
  cairo_font_options_t* options = cairo_font_options_create();
  // Whole-pixel advances keep every character on its cell.
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  font_ = cairo_scaled_font_create(face, &size, &identity, options);
  cairo_font_options_destroy(options);
  cairo_font_face_destroy(face);

  cairo_font_extents_t extents;
  cairo_scaled_font_extents(font_, &extents);
  ascent_ = extents.ascent;
  cellWidth_ = std::max(1, static_cast<int>(std::ceil(extents.max_x_advance)));
  // The font's own line: its tallest glyph and deepest descender.
  cellHeight_ = std::max(1, static_cast<int>(std::ceil(extents.ascent + extents.descent)));
}

ConsoleFont::~ConsoleFont() { cairo_scaled_font_destroy(font_); }

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

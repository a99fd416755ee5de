#include "platform/sdl/BoxPaint.h"

namespace moid::sdl {

void SetColor(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
  SetColor(cr, c);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

void OutlineRect(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
  SetColor(cr, c);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
  cairo_stroke(cr);
}

void PaintTitleBar(cairo_t* cr, double x, double y, double w, double h,
                   const ConsoleFont& font, const std::string& title) {
  FillRect(cr, x, y, w, h, TITLE_BAR);
  SetColor(cr, TITLE_TEXT);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  font.Draw(cr, x + 6, y + (h - font.CellHeight()) / 2.0, title);
  cairo_restore(cr);
}

}  // namespace moid::sdl

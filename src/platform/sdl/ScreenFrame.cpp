#include "platform/sdl/ScreenFrame.h"

#include <algorithm>

namespace moid::sdl {

ScreenFrame::~ScreenFrame() {
  if (cr_ != nullptr) cairo_destroy(cr_);
  if (surface_ != nullptr) cairo_surface_destroy(surface_);
}

void ScreenFrame::Resize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (surface_ != nullptr && width == width_ && height == height_) return;
  if (cr_ != nullptr) cairo_destroy(cr_);
  if (surface_ != nullptr) cairo_surface_destroy(surface_);
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cr_ = cairo_create(surface_);
  width_ = width;
  height_ = height;
}

void ScreenFrame::PaintPicture(const std::uint32_t* pixels, int width, int height,
                               int strideBytes) {
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgb(cr_, 1, 1, 1);
  cairo_paint(cr_);
  if (pixels != nullptr && width > 0 && height > 0) {
    // cairo only reads the picture here; the surface is gone before the call returns.
    cairo_surface_t* picture = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(pixels)),
        CAIRO_FORMAT_RGB24, width, height, strideBytes);
    cairo_set_source_surface(cr_, picture, 0, 0);
    cairo_rectangle(cr_, 0, 0, width, height);
    cairo_fill(cr_);
    cairo_surface_destroy(picture);
  }
  cairo_restore(cr_);
}

void ScreenFrame::PaintConsole(const ConsoleText& text, const ConsoleFont& font,
                               bool cursorVisible) {
  cairo_save(cr_);
  cairo_set_source_rgb(cr_, 0, 0, 0);
  cairo_paint(cr_);
  cairo_set_source_rgb(cr_, 0.75, 0.75, 0.75);
  const int cellH = font.CellHeight();
  int row = 0;
  for (const std::string& line : text.Rows()) font.Draw(cr_, 0, row++ * cellH, line);
  if (cursorVisible) {
    cairo_rectangle(cr_, 0, (text.CursorRow() + 1) * cellH - 2, font.CellWidth(), 2);
    cairo_fill(cr_);
  }
  cairo_restore(cr_);
}

const std::uint32_t* ScreenFrame::Data() {
  cairo_surface_flush(surface_);
  return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface_));
}

int ScreenFrame::Stride() const { return cairo_image_surface_get_stride(surface_); }

}  // namespace moid::sdl

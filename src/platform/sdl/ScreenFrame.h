#pragma once
#include <cairo.h>

#include <cstdint>

#include "platform/sdl/ConsoleFont.h"
#include "platform/sdl/ConsoleText.h"

namespace moid::sdl {

// The picture the window is to show when it is more than the graphics area alone: the text
// console, or a list or message box over what lies beneath. A cairo ARGB32 image.
class ScreenFrame {
 public:
  ScreenFrame() = default;
  ~ScreenFrame();
  ScreenFrame(const ScreenFrame&) = delete;
  ScreenFrame& operator=(const ScreenFrame&) = delete;

  // Makes the frame width x height pixels (its content is then undefined).
  void Resize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  cairo_t* Context() { return cr_; }

  // The graphics area's picture at the top-left, white where it does not reach.
  void PaintPicture(const std::uint32_t* pixels, int width, int height, int strideBytes);
  // The text console: light grey text on black, the cursor as a bar under its cell.
  void PaintConsole(const ConsoleText& text, const ConsoleFont& font, bool cursorVisible);

  // The frame's pixels as 0xAARRGGBB rows (everything drawn so far included).
  const std::uint32_t* Data();
  int Stride() const;

 private:
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace moid::sdl

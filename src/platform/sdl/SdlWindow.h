#pragma once
#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>

namespace moid::sdl {

// The one SDL window, shown through its window surface: pictures arrive as 32-bit
// 0xAARRGGBB rows (cairo's ARGB32) and are copied in. The window opens hidden and appears
// with its first picture.
class SdlWindow {
 public:
  // nullptr and the reason when no window can be made.
  static std::unique_ptr<SdlWindow> Create(const char* title, int width, int height,
                                           std::string& whyNot);
  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  // Sizes the client area and keeps the window on its display's usable area.
  void SetSize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint32_t Id() const;
  SDL_Window* Handle() const { return window_; }

  // Copies a picture to the top-left of the window (white where it does not reach) and
  // shows it. Returns false when the window surface could not be had.
  bool Show(const std::uint32_t* pixels, int width, int height, int strideBytes);
  void Hide();
  bool Visible() const { return visible_; }

  // Height in pixels of the display's usable area (without panels) less the window frame.
  int UsableHeight() const;
  // The refresh rate of the display that holds the window; 0 when the display does not say.
  int DisplayRefreshRate() const;
  // Sets the title (UTF-8) unless it already reads so: a title costs a trip to the display.
  void SetTitle(const std::string& utf8);

 private:
  explicit SdlWindow(SDL_Window* window, int width, int height);
  void KeepOnScreen();

  SDL_Window* window_;
  int width_;
  int height_;
  bool visible_ = false;
  std::string title_;
};

}  // namespace moid::sdl

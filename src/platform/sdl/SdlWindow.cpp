#include "platform/sdl/SdlWindow.h"

#include <algorithm>
#include <cstring>

namespace moid::sdl {
namespace {

struct Frame {
  int top = 0, left = 0, bottom = 0, right = 0;
};

Frame FrameOf(SDL_Window* window) {
  Frame f;
  if (SDL_GetWindowBordersSize(window, &f.top, &f.left, &f.bottom, &f.right) != 0) return {};
  return f;
}

SDL_Rect UsableBounds(SDL_Window* window) {
  SDL_Rect r{0, 0, 0, 0};
  const int display = std::max(0, SDL_GetWindowDisplayIndex(window));
  if (SDL_GetDisplayUsableBounds(display, &r) != 0) SDL_GetDisplayBounds(display, &r);
  return r;
}

void FillWhite(SDL_Surface* s, int fromX, int fromY) {
  const Uint32 white = SDL_MapRGB(s->format, 255, 255, 255);
  SDL_Rect right{fromX, 0, s->w - fromX, s->h};
  SDL_Rect below{0, fromY, std::min(fromX, s->w), s->h - fromY};
  if (right.w > 0) SDL_FillRect(s, &right, white);
  if (below.h > 0 && below.w > 0) SDL_FillRect(s, &below, white);
}

// The window surface of an X server is usually 32-bit 0x??RRGGBB like the picture: then
// rows are copied as they are (the unused byte takes the picture's opaque alpha).
void CopyPicture(const std::uint32_t* pixels, int w, int h, int strideBytes, SDL_Surface* s) {
  const Uint32 format = s->format->format;
  if (format != SDL_PIXELFORMAT_ARGB8888 && format != SDL_PIXELFORMAT_RGB888) {
    SDL_ConvertPixels(w, h, SDL_PIXELFORMAT_ARGB8888, pixels, strideBytes, format, s->pixels,
                      s->pitch);
    return;
  }
  const auto* from = reinterpret_cast<const unsigned char*>(pixels);
  auto* to = static_cast<unsigned char*>(s->pixels);
  const auto rowBytes = static_cast<std::size_t>(w) * 4;
  for (int y = 0; y < h; ++y) {
    std::memcpy(to + static_cast<std::ptrdiff_t>(y) * s->pitch,
                from + static_cast<std::ptrdiff_t>(y) * strideBytes, rowBytes);
  }
}

}  // namespace

std::unique_ptr<SdlWindow> SdlWindow::Create(const char* title, int width, int height,
                                             std::string& whyNot) {
  SDL_Window* window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        width, height, SDL_WINDOW_HIDDEN);
  if (window == nullptr) {
    whyNot = std::string("the window could not be made: ") + SDL_GetError();
    return nullptr;
  }
  return std::unique_ptr<SdlWindow>(new SdlWindow(window, width, height));
}

SdlWindow::SdlWindow(SDL_Window* window, int width, int height)
    : window_(window), width_(width), height_(height), title_(SDL_GetWindowTitle(window)) {}

SdlWindow::~SdlWindow() { SDL_DestroyWindow(window_); }

std::uint32_t SdlWindow::Id() const { return SDL_GetWindowID(window_); }

void SdlWindow::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  SDL_SetWindowSize(window_, width, height);
  KeepOnScreen();
}

void SdlWindow::KeepOnScreen() {
  const SDL_Rect usable = UsableBounds(window_);
  const Frame f = FrameOf(window_);
  int x = 0, y = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  const int right = usable.x + usable.w - f.right;
  const int bottom = usable.y + usable.h - f.bottom;
  const int newX = std::max(usable.x + f.left, std::min(x, right - width_));
  const int newY = std::max(usable.y + f.top, std::min(y, bottom - height_));
  if (newX != x || newY != y) SDL_SetWindowPosition(window_, newX, newY);
}

bool SdlWindow::Show(const std::uint32_t* pixels, int width, int height, int strideBytes) {
  if (!visible_) {
    SDL_ShowWindow(window_);
    visible_ = true;
  }
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr) return false;
  const int w = std::min(width, surface->w);
  const int h = std::min(height, surface->h);
  if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
  if (w > 0 && h > 0) CopyPicture(pixels, w, h, strideBytes, surface);
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  FillWhite(surface, std::max(w, 0), std::max(h, 0));
  return SDL_UpdateWindowSurface(window_) == 0;
}

void SdlWindow::Hide() {
  SDL_HideWindow(window_);
  visible_ = false;
}

int SdlWindow::DisplayRefreshRate() const {
  SDL_DisplayMode mode{};
  const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
  if (SDL_GetCurrentDisplayMode(display, &mode) != 0) return 0;
  return std::max(0, mode.refresh_rate);
}

void SdlWindow::SetTitle(const std::string& utf8) {
  if (utf8 == title_) return;
  title_ = utf8;
  SDL_SetWindowTitle(window_, utf8.c_str());
}

int SdlWindow::UsableHeight() const {
  const Frame f = FrameOf(window_);
  return UsableBounds(window_).h - f.top - f.bottom;
}

}  // namespace moid::sdl

#include "platform/sdl/SdlVideo.h"

#include <SDL.h>

namespace moid::sdl {

bool IsInvisibleDriver(const std::string& name) {
  return name == "offscreen" || name == "dummy" || name == "evdev";
}

bool StartVideo(const std::string& driver, bool allowInvisible, std::string& whyNot) {
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
    whyNot = "a window is already open in this process";
    return false;
  }
  if (!driver.empty()) SDL_SetHint(SDL_HINT_VIDEODRIVER, driver.c_str());
  // A click on the window acts even when it did not have the focus.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    whyNot = std::string("cannot open its window: no display (") + SDL_GetError() +
             "); start it from a desktop or set DISPLAY";
    return false;
  }
  const char* current = SDL_GetCurrentVideoDriver();
  const std::string name = current != nullptr ? current : "";
  if (!allowInvisible && IsInvisibleDriver(name)) {
    SDL_Quit();
    whyNot = "cannot open its window: no display found (SDL fell back to its '" + name +
             "' driver); start it from a desktop or set DISPLAY";
    return false;
  }
  return true;
}

void StopVideo() { SDL_Quit(); }

}  // namespace moid::sdl

#include "platform/sdl/SdlVideo.h"

#include <SDL.h>

#include <cstdlib>

namespace moid::sdl {
namespace {

const char* const NO_DISPLAY_ADVICE = "; start it from a desktop or set DISPLAY";

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::optional<std::string> VideoDriversToTry(const VideoEnvironment& env) {
  if (!env.requested.empty()) return env.requested;
  if (!env.sdlDriverVar.empty()) return std::string();
  std::string drivers;
  if (!env.display.empty()) drivers = "x11";
  if (!env.waylandDisplay.empty()) drivers += drivers.empty() ? "wayland" : ",wayland";
  if (drivers.empty()) return std::nullopt;
  return drivers;
}

VideoEnvironment ProcessVideoEnvironment(const std::string& requested) {
  return VideoEnvironment{requested, Variable("SDL_VIDEODRIVER"), Variable("DISPLAY"),
                          Variable("WAYLAND_DISPLAY")};
}

bool IsInvisibleDriver(const std::string& name) {
  return name == "offscreen" || name == "dummy" || name == "evdev";
}

bool StartVideo(const VideoEnvironment& env, bool allowInvisible, std::string& whyNot) {
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
    whyNot = "a window is already open in this process";
    return false;
  }
  const std::optional<std::string> drivers = VideoDriversToTry(env);
  if (!drivers) {
    whyNot = std::string("cannot open its window: no display (DISPLAY and WAYLAND_DISPLAY are "
                         "not set)") + NO_DISPLAY_ADVICE;
    return false;
  }
  if (drivers->empty()) {
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);  // SDL reads SDL_VIDEODRIVER itself
  } else {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, drivers->c_str(), SDL_HINT_OVERRIDE);
  }
  // A click on the window acts even when it did not have the focus.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    whyNot = std::string("cannot open its window: no display (") + SDL_GetError() + ")" +
             NO_DISPLAY_ADVICE;
    return false;
  }
  const char* current = SDL_GetCurrentVideoDriver();
  const std::string name = current != nullptr ? current : "";
  if (!allowInvisible && IsInvisibleDriver(name)) {
    SDL_Quit();
    whyNot = "cannot open its window: no display (SDL offers only its '" + name +
             "' driver, which shows nothing)" + NO_DISPLAY_ADVICE;
    return false;
  }
  return true;
}

void StopVideo() { SDL_Quit(); }

}  // namespace moid::sdl

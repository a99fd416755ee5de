#pragma once
// Synthetic SDL events, as the window would receive them.
#include <SDL.h>

#include <cstring>
#include <string>

namespace moid::sdl::test {

inline SDL_Event KeyDown(SDL_Keycode sym, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.state = SDL_PRESSED;
  e.key.repeat = repeat;
  e.key.keysym.sym = sym;
  e.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
  e.key.keysym.mod = mod;
  return e;
}

inline SDL_Event KeyUp(SDL_Keycode sym) {
  SDL_Event e = KeyDown(sym);
  e.type = SDL_KEYUP;
  e.key.state = SDL_RELEASED;
  return e;
}

inline SDL_Event TextInput(const std::string& utf8) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  std::strncpy(e.text.text, utf8.c_str(), sizeof e.text.text - 1);
  return e;
}

inline SDL_Event MouseDown(Uint8 button, int x = 10, int y = 10, Uint8 clicks = 1) {
  SDL_Event e{};
  e.type = SDL_MOUSEBUTTONDOWN;
  e.button.button = button;
  e.button.state = SDL_PRESSED;
  e.button.clicks = clicks;
  e.button.x = x;
  e.button.y = y;
  return e;
}

inline SDL_Event MouseUp(Uint8 button, int x = 10, int y = 10) {
  SDL_Event e = MouseDown(button, x, y);
  e.type = SDL_MOUSEBUTTONUP;
  e.button.state = SDL_RELEASED;
  return e;
}

inline SDL_Event MouseMove(int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = x;
  e.motion.y = y;
  return e;
}

inline SDL_Event Wheel(int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEWHEEL;
  e.wheel.y = y;
  e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
  return e;
}

inline SDL_Event Quit() {
  SDL_Event e{};
  e.type = SDL_QUIT;
  return e;
}

inline SDL_Event WindowClose() {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_CLOSE;
  return e;
}

}  // namespace moid::sdl::test

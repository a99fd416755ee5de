#pragma once
#include <SDL.h>

#include <string>
#include <vector>

// How SDL input becomes the key buffer the screens read (see platform/Keys.h):
//  - printable characters come from text input only (SDL also reports a key-down for a
//    space or a letter, which is ignored), as Windows-1252 bytes;
//  - Enter, Esc, Backspace and Tab come from key-down as the bytes 13, 27, 8, 9;
//  - the navigation and function keys come from key-down as NUL + PC scan code; the
//    keypad gives the same codes while Num Lock is off;
//  - left and right button presses give 255, 255, 4, button while mouse input is on.
namespace moid::sdl {

// The key-buffer entries that one event stands for, in order; none for releases, motion,
// window events and for mouse presses while mouse input is off.
std::vector<std::string> KeysFromEvent(const SDL_Event& event, bool mouseInput);

// The entry for a key-down alone ("" when the key gives none from key-down).
std::string KeyFromKeyDown(const SDL_Keysym& key);

}  // namespace moid::sdl

#include "platform/sdl/KeyEncoding.h"

#include "platform/Keys.h"
#include "platform/sdl/Cp1252FromUtf8.h"

namespace moid::sdl {
namespace {

struct ScanEntry {
  SDL_Keycode sym;
  unsigned char scan;
};

constexpr ScanEntry EXTENDED_KEYS[] = {
    {SDLK_UP, keys::SCAN_UP},          {SDLK_DOWN, keys::SCAN_DOWN},
    {SDLK_LEFT, keys::SCAN_LEFT},      {SDLK_RIGHT, keys::SCAN_RIGHT},
    {SDLK_HOME, keys::SCAN_HOME},      {SDLK_END, keys::SCAN_END},
    {SDLK_PAGEUP, keys::SCAN_PGUP},    {SDLK_PAGEDOWN, keys::SCAN_PGDN},
    {SDLK_INSERT, keys::SCAN_INSERT},  {SDLK_DELETE, keys::SCAN_DELETE},
    {SDLK_F1, keys::SCAN_F1},          {SDLK_F2, keys::SCAN_F1 + 1},
    {SDLK_F3, keys::SCAN_F1 + 2},      {SDLK_F4, keys::SCAN_F1 + 3},
    {SDLK_F5, keys::SCAN_F1 + 4},      {SDLK_F6, keys::SCAN_F1 + 5},
    {SDLK_F7, keys::SCAN_F1 + 6},      {SDLK_F8, keys::SCAN_F1 + 7},
    {SDLK_F9, keys::SCAN_F1 + 8},      {SDLK_F10, keys::SCAN_F1 + 9},
    {SDLK_F11, keys::SCAN_F11},        {SDLK_F12, keys::SCAN_F12},
};

// The keypad's second meaning, used while Num Lock is off.
constexpr ScanEntry KEYPAD_KEYS[] = {
    {SDLK_KP_8, keys::SCAN_UP},      {SDLK_KP_2, keys::SCAN_DOWN},
    {SDLK_KP_4, keys::SCAN_LEFT},    {SDLK_KP_6, keys::SCAN_RIGHT},
    {SDLK_KP_7, keys::SCAN_HOME},    {SDLK_KP_1, keys::SCAN_END},
    {SDLK_KP_9, keys::SCAN_PGUP},    {SDLK_KP_3, keys::SCAN_PGDN},
    {SDLK_KP_0, keys::SCAN_INSERT},  {SDLK_KP_PERIOD, keys::SCAN_DELETE},
};

template <std::size_t N>
std::string LookUp(const ScanEntry (&table)[N], SDL_Keycode sym) {
  for (const ScanEntry& e : table) {
    if (e.sym == sym) return keys::Extended(e.scan);
  }
  return "";
}

std::string OrdinaryFromKeyDown(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
      return keys::Ordinary(keys::ENTER);
    case SDLK_ESCAPE:
      return keys::Ordinary(keys::ESC);
    case SDLK_BACKSPACE:
      return keys::Ordinary(keys::BACKSPACE);
    case SDLK_TAB:
      return keys::Ordinary(keys::TAB);
    default:
      return "";
  }
}

bool IsPrintable(unsigned char byte) {
  if (byte < 0x20 || byte == 0x7F) return false;
  // The unassigned bytes of the upper control range print nothing.
  return !(byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D);
}

std::vector<std::string> KeysFromText(const SDL_TextInputEvent& text) {
  std::size_t length = 0;
  while (length < sizeof text.text && text.text[length] != '\0') ++length;
  std::vector<std::string> out;
  for (char byte : Utf8ToCp1252(std::string(text.text, length))) {
    if (IsPrintable(static_cast<unsigned char>(byte))) out.push_back(keys::Ordinary(byte));
  }
  return out;
}

std::string KeyFromMouseButton(const SDL_MouseButtonEvent& button) {
  if (button.button == SDL_BUTTON_LEFT) return keys::MousePress(keys::MOUSE_LEFT);
  if (button.button == SDL_BUTTON_RIGHT) return keys::MousePress(keys::MOUSE_RIGHT);
  return "";
}

}  // namespace

std::string KeyFromKeyDown(const SDL_Keysym& key) {
  std::string entry = OrdinaryFromKeyDown(key.sym);
  if (entry.empty()) entry = LookUp(EXTENDED_KEYS, key.sym);
  if (entry.empty() && (key.mod & KMOD_NUM) == 0) entry = LookUp(KEYPAD_KEYS, key.sym);
  return entry;
}

std::vector<std::string> KeysFromEvent(const SDL_Event& event, bool mouseInput) {
  switch (event.type) {
    case SDL_TEXTINPUT:
      return KeysFromText(event.text);
    case SDL_KEYDOWN: {
      std::string entry = KeyFromKeyDown(event.key.keysym);
      if (entry.empty()) return {};
      return {entry};
    }
    case SDL_MOUSEBUTTONDOWN: {
      if (!mouseInput) return {};
      std::string entry = KeyFromMouseButton(event.button);
      if (entry.empty()) return {};
      return {entry};
    }
    default:
      return {};
  }
}

}  // namespace moid::sdl

#pragma once
#include <string>

// The key buffer as the screens see it:
//  - ordinary key: one byte ("M", " ", "\r" = 13 for Enter, "\x1b" = 27 for Esc, 8, 9);
//  - extended key: two bytes, NUL and the PC scan code;
//  - mouse button press (when mouse input is on): 255, 255, 4, button (1 left, 2 right).
namespace moid::keys {

constexpr char ENTER = 13;
constexpr char ESC = 27;
constexpr char BACKSPACE = 8;
constexpr char TAB = 9;

constexpr unsigned char SCAN_UP = 0x48;
constexpr unsigned char SCAN_DOWN = 0x50;
constexpr unsigned char SCAN_LEFT = 0x4B;
constexpr unsigned char SCAN_RIGHT = 0x4D;
constexpr unsigned char SCAN_HOME = 0x47;
constexpr unsigned char SCAN_END = 0x4F;
constexpr unsigned char SCAN_PGUP = 0x49;
constexpr unsigned char SCAN_PGDN = 0x51;
constexpr unsigned char SCAN_INSERT = 0x52;
constexpr unsigned char SCAN_DELETE = 0x53;
constexpr unsigned char SCAN_F1 = 0x3B;   // F1..F10 = 0x3B..0x44
constexpr unsigned char SCAN_F11 = 0x85;
constexpr unsigned char SCAN_F12 = 0x86;

constexpr int MOUSE_LEFT = 1;
constexpr int MOUSE_RIGHT = 2;

inline std::string Ordinary(char c) { return std::string(1, c); }
inline std::string Extended(unsigned char scan) {
  return std::string{'\0', static_cast<char>(scan)};
}
inline std::string MousePress(int button) {
  return std::string{'\xff', '\xff', '\x04', static_cast<char>(button)};
}
inline bool IsExtended(const std::string& k) { return k.size() == 2 && k[0] == '\0'; }
inline bool IsMousePress(const std::string& k) {
  return k.size() == 4 && static_cast<unsigned char>(k[0]) == 255 &&
         static_cast<unsigned char>(k[1]) == 255 && k[2] == 4;
}

}  // namespace moid::keys

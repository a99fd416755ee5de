#pragma once
// The Windows-1252 code page, in which the program's own texts and the catalogue's names
// are written.
#include <array>
#include <cstddef>

namespace moid {

// Code points of the bytes 0x80 to 0x9F, where Windows-1252 departs from Latin-1; 0 marks
// the five bytes it leaves undefined (0x81, 0x8D, 0x8F, 0x90 and 0x9D).
inline constexpr std::array<char32_t, 32> WINDOWS_1252_HIGH_CONTROLS = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The code point of a byte; 0 for an undefined one.
constexpr char32_t Windows1252CodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return WINDOWS_1252_HIGH_CONTROLS[byte - 0x80];
  return byte;  // ASCII and 0xA0..0xFF coincide with Unicode
}

// The byte of a code point; -1 when the code page has none.
constexpr int Windows1252ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < WINDOWS_1252_HIGH_CONTROLS.size(); ++i) {
    if (cp != 0 && WINDOWS_1252_HIGH_CONTROLS[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

}  // namespace moid

#include "platform/sdl/Cp1252FromUtf8.h"

#include <array>

namespace moid::sdl {
namespace {

// Code points of the bytes 0x80..0x9F (0 where the byte is unassigned).
constexpr std::array<char32_t, 32> HIGH_CONTROLS = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// -1 when the code point has no Windows-1252 byte.
int ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < HIGH_CONTROLS.size(); ++i) {
    if (HIGH_CONTROLS[i] == cp) return static_cast<int>(0x80 + i);
  }
  if (cp >= 0x80 && cp <= 0x9F && HIGH_CONTROLS[cp - 0x80] == 0) return static_cast<int>(cp);
  return -1;
}

// Length of the UTF-8 sequence that starts with `lead`, 0 when it cannot start one.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

}  // namespace

std::string Utf8ToCp1252(const std::string& utf8) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = SequenceLength(lead);
    if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size()) {
      ++i;  // a stray continuation byte or a cut sequence
      continue;
    }
    char32_t cp = length == 1 ? lead : (lead & (0x7F >> length));
    bool wellFormed = true;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      wellFormed = wellFormed && (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    constexpr char32_t SMALLEST[] = {0, 0, 0x80, 0x800, 0x10000};
    wellFormed = wellFormed && cp >= SMALLEST[length];  // no overlong forms
    i += wellFormed ? static_cast<std::size_t>(length) : 1;
    if (!wellFormed) continue;
    const int byte = ByteOf(cp);
    if (byte >= 0) out += static_cast<char>(byte);
  }
  return out;
}

}  // namespace moid::sdl

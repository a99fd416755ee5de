#include "platform/sdl/Cp1252FromUtf8.h"


#include "text/Windows1252.h"

namespace moid::sdl {
namespace {

// -1 when the code point has no Windows-1252 byte; the C1 controls of the five bytes the
// code page leaves undefined go back to those bytes.
int ByteOf(char32_t cp) {
  const int byte = Windows1252ByteOf(cp);
  if (byte >= 0) return byte;
  if (cp >= 0x80 && cp <= 0x9F && Windows1252CodePoint(static_cast<unsigned char>(cp)) == 0)
    return static_cast<int>(cp);
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

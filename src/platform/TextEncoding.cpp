#include "platform/TextEncoding.h"

#include <array>
#include <cstdint>

namespace moid {
namespace {

constexpr char32_t REPLACEMENT = 0xFFFD;

// Code points of the bytes 0x80..0x9F, where Windows-1252 departs from Latin-1.
// clang-format off
constexpr std::array<char32_t, 32> HIGH_CONTROL_BLOCK = {
    0x20AC, REPLACEMENT, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,       // 0x80..0x87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, REPLACEMENT, 0x017D, REPLACEMENT,  // 0x88..0x8F
    REPLACEMENT, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,       // 0x90..0x97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, REPLACEMENT, 0x017E, 0x0178};      // 0x98..0x9F
// clang-format on  // 0x98..0x9F

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return HIGH_CONTROL_BLOCK[byte - 0x80];
  return byte;  // ASCII and 0xA0..0xFF coincide with Unicode
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {  // everything we produce fits in three bytes
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

std::string Cp1252ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (char c : bytes) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace moid

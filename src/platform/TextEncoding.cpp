#include "platform/TextEncoding.h"

#include <cstdint>

#include "text/Windows1252.h"

namespace moid {
namespace {

constexpr char32_t REPLACEMENT = 0xFFFD;

// The code point of a byte; U+FFFD for the five bytes Windows-1252 leaves undefined.
char32_t CodePointOf(unsigned char byte) {
  const char32_t cp = Windows1252CodePoint(byte);
  return cp == 0 && byte != 0 ? REPLACEMENT : cp;
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

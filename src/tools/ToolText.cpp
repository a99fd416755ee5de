#include "tools/ToolText.h"

#include <array>
#include <charconv>

namespace moid::tools {
namespace {

// Code points of the bytes 0x80 to 0x9F; 0 marks the five undefined ones.
constexpr std::array<char32_t, 32> HIGH_CONTROL_RANGE = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The code point of a Windows-1252 byte; 0 for an undefined byte.
char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return HIGH_CONTROL_RANGE[byte - 0x80];
  return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

bool IsUndefined(unsigned char byte) { return byte >= 0x80 && CodePointOf(byte) == 0; }

bool NeedsOctalEscape(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F || IsUndefined(byte);
}

void AppendOctalEscape(std::string& out, unsigned char byte) {
  out.push_back('\\');
  out.push_back(static_cast<char>('0' + ((byte >> 6) & 7)));
  out.push_back(static_cast<char>('0' + ((byte >> 3) & 7)));
  out.push_back(static_cast<char>('0' + (byte & 7)));
}

// The named escape of a byte, or 0 when it has none.
char NamedEscape(unsigned char byte) {
  switch (byte) {
    case '"': return '"';
    case '\\': return '\\';
    case '\t': return 't';
    case '\n': return 'n';
    case '\r': return 'r';
    default: return 0;
  }
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    const char32_t cp = CodePointOf(byte);
    AppendUtf8(out, cp != 0 || byte == 0 ? cp : char32_t{byte});
  }
  return out;
}

std::string ShortestNumber(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

std::string QuotedText(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (const char named = NamedEscape(byte); named != 0) {
      out.push_back('\\');
      out.push_back(named);
    } else if (NeedsOctalEscape(byte)) {
      AppendOctalEscape(out, byte);
    } else {
      AppendUtf8(out, CodePointOf(byte));
    }
  }
  out.push_back('"');
  return out;
}

}  // namespace moid::tools

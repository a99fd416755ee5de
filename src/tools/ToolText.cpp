#include "tools/ToolText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "text/ShortestText.h"
#include "text/Windows1252.h"

namespace moid::tools {
namespace {

// The code point of a Windows-1252 byte; 0 for an undefined byte.
char32_t CodePointOf(unsigned char byte) { return Windows1252CodePoint(byte); }

// Writes the UTF-8 bytes of cp (below 0x10000) to bytes; returns how many.
size_t EncodeUtf8(char32_t cp, char* bytes) {
  if (cp < 0x80) {
    bytes[0] = static_cast<char>(cp);
    return 1;
  }
  if (cp < 0x800) {
    bytes[0] = static_cast<char>(0xC0 | (cp >> 6));
    bytes[1] = static_cast<char>(0x80 | (cp & 0x3F));
    return 2;
  }
  bytes[0] = static_cast<char>(0xE0 | (cp >> 12));
  bytes[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  bytes[2] = static_cast<char>(0x80 | (cp & 0x3F));
  return 3;
}

void AppendUtf8(std::string& out, char32_t cp) {
  char bytes[3];
  out.append(bytes, EncodeUtf8(cp, bytes));
}

// The code point a byte turns into: an undefined byte into the control character of its number.
char32_t ConvertedCodePoint(unsigned char byte) {
  const char32_t cp = CodePointOf(byte);
  return cp != 0 || byte == 0 ? cp : char32_t{byte};
}

size_t Utf8Length(char32_t cp) { return cp < 0x80 ? 1 : cp < 0x800 ? 2 : 3; }

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

// How many bytes at the start of the text stand for themselves inside quotes.
size_t PlainPrefixLength(std::string_view bytes) {
  size_t n = 0;
  for (; n < bytes.size(); ++n) {
    const auto byte = static_cast<unsigned char>(bytes[n]);
    if (byte < 0x20 || byte >= 0x7F || byte == '"' || byte == '\\') break;
  }
  return n;
}

// The place of the first byte from 0x80 up at or after `from`, eight bytes a time while
// there are eight; the text's size when there is none.
size_t FirstHighByte(const std::string& text, size_t from) {
  constexpr std::uint64_t HIGH_BITS = 0x8080808080808080ULL;
  size_t i = from;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    if ((word & HIGH_BITS) != 0) break;
  }
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i;
}

}  // namespace

// Grows the text by the extra bytes its high bytes need and converts it from the back, so that
// every byte is read before it is overwritten; what precedes the first high byte stays put.
void ConvertTailToUtf8(std::string& text, size_t from) {
  size_t added = 0;
  for (size_t i = FirstHighByte(text, from); i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) added += Utf8Length(ConvertedCodePoint(byte)) - 1;
  }
  if (added == 0) return;
  size_t read = text.size();
  text.resize(text.size() + added);
  for (size_t write = text.size(); write > read;) {
    const auto byte = static_cast<unsigned char>(text[--read]);
    char bytes[3];
    const size_t n = EncodeUtf8(ConvertedCodePoint(byte), bytes);
    write -= n;
    std::copy(bytes, bytes + n, text.begin() + static_cast<std::ptrdiff_t>(write));
  }
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out(bytes);
  ConvertTailToUtf8(out, 0);
  return out;
}

std::string ShortestNumber(double value) {
  std::string text;
  AppendShortestNumber(text, value);
  return text;
}

void AppendQuotedText(std::string& out, std::string_view bytes) {
  out.push_back('"');
  while (!bytes.empty()) {
    const size_t plain = PlainPrefixLength(bytes);
    out.append(bytes.data(), plain);
    bytes.remove_prefix(plain);
    if (bytes.empty()) break;
    const auto byte = static_cast<unsigned char>(bytes.front());
    bytes.remove_prefix(1);
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
}

std::string QuotedText(std::string_view bytes) {
  std::string out;
  AppendQuotedText(out, bytes);
  return out;
}

}  // namespace moid::tools

#include "sources/BodyNames.h"

#include <optional>

#include "sources/Decimal.h"
#include "text/Windows1252.h"

namespace moid::sources {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The Windows-1252 byte of a code point; '?' when the code page has none.
char Windows1252Byte(char32_t cp) {
  const int byte = Windows1252ByteOf(cp);
  return byte >= 0 ? static_cast<char>(byte) : '?';
}

int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// The code point of the UTF-8 sequence at the front of `text`, and its length; nullopt (and a
// length of 1) for a malformed sequence.
std::optional<char32_t> DecodeFront(std::string_view text, std::size_t& length) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const int size = SequenceLength(lead);
  length = 1;
  if (size == 0 || text.size() < static_cast<std::size_t>(size)) return std::nullopt;
  char32_t cp = size == 1 ? lead : lead & (0x7F >> size);
  for (int i = 1; i < size; ++i) {
    const auto next = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (next & 0x3F);
  }
  const bool overlong = (size == 3 && cp < 0x800) || (size == 4 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  length = static_cast<std::size_t>(size);
  return cp;
}

// The byte a catalogue name holds for one decoded character.
char NameByte(std::optional<char32_t> cp) {
  if (!cp) return '?';
  if (*cp < 0x20 || *cp == 0x7F) return ' ';
  if (*cp == '"') return '\'';
  return Windows1252Byte(*cp);
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string ReadableFromFullName(std::string_view fullName) {
  const std::string_view text = TrimBlanks(fullName);
  std::size_t digits = 0;
  while (digits < text.size() && IsDigit(text[digits])) ++digits;
  const bool numbered = digits > 0 && (digits == text.size() || text[digits] == ' ');
  if (!numbered) {
    const bool bracketed = text.size() > 2 && text.front() == '(' && text.back() == ')';
    return std::string(bracketed ? TrimBlanks(text.substr(1, text.size() - 2)) : text);
  }
  const std::string number = "(" + std::string(text.substr(0, digits)) + ")";
  std::string_view rest = TrimBlanks(text.substr(digits));
  std::string_view designation;
  if (const std::size_t open = rest.rfind('('); open != std::string_view::npos && rest.back() == ')') {
    designation = TrimBlanks(rest.substr(open + 1, rest.size() - open - 2));
    rest = TrimBlanks(rest.substr(0, open));
  }
  const std::string_view name = rest.empty() ? designation : rest;
  return name.empty() ? number : number + " " + std::string(name);
}

std::string CatalogName(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  while (!utf8.empty()) {
    std::size_t length = 1;
    bytes.push_back(NameByte(DecodeFront(utf8, length)));
    utf8.remove_prefix(length);
  }
  const std::size_t first = bytes.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return bytes.substr(first, bytes.find_last_not_of(' ') - first + 1);
}

std::string NameField(std::string_view catalogName) {
  if (catalogName.find(',') == std::string_view::npos) return std::string(catalogName);
  return "\"" + std::string(catalogName) + "\"";
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  if (part.empty()) return true;
  for (std::size_t start = 0; start + part.size() <= text.size(); ++start) {
    std::size_t i = 0;
    while (i < part.size() && LowerAscii(text[start + i]) == LowerAscii(part[i])) ++i;
    if (i == part.size()) return true;
  }
  return false;
}

}  // namespace moid::sources

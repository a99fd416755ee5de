#include "sources/Decimal.h"

#include <charconv>
#include <cmath>

namespace moid::sources {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when the number proper starts here: a digit, or a point followed by a digit.
bool StartsNumber(std::string_view text) {
  if (text.empty()) return false;
  if (IsDigit(text[0])) return true;
  return text[0] == '.' && text.size() > 1 && IsDigit(text[1]);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

std::optional<double> ParseDecimal(std::string_view text) {
  text = TrimBlanks(text);
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '+' || negative)) text.remove_prefix(1);
  if (!StartsNumber(text)) return std::nullopt;
  double value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace moid::sources

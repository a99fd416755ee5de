#include "data/DecimalText.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>
#include <system_error>

namespace moid {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t CountDigits(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - from;
}

bool IsExponentMarker(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// The pieces of a number as they stand in the text.
struct DecimalParts {
  bool negative = false;
  std::string_view integerDigits;
  std::string_view fractionDigits;
  bool exponentNegative = false;
  std::string_view exponentDigits;  // empty when there is no exponent
};

// Splits the leading number of `text`; false when the text does not begin with one.
bool SplitDecimal(std::string_view text, DecimalParts& parts) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    parts.negative = text[at] == '-';
    ++at;
  }
  const std::size_t integerCount = CountDigits(text, at);
  parts.integerDigits = text.substr(at, integerCount);
  at += integerCount;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fractionCount = CountDigits(text, at + 1);
    parts.fractionDigits = text.substr(at + 1, fractionCount);
    at += 1 + fractionCount;
  }
  if (parts.integerDigits.empty() && parts.fractionDigits.empty()) return false;
  if (at < text.size() && IsExponentMarker(text[at])) {
    std::size_t digitsAt = at + 1;
    bool negative = false;
    if (digitsAt < text.size() && (text[digitsAt] == '+' || text[digitsAt] == '-')) {
      negative = text[digitsAt] == '-';
      ++digitsAt;
    }
    const std::size_t exponentCount = CountDigits(text, digitsAt);
    if (exponentCount > 0) {
      parts.exponentNegative = negative;
      parts.exponentDigits = text.substr(digitsAt, exponentCount);
    }
  }
  return true;
}

// Decimal exponent of the leading significant digit plus one (1 for 1.5, 0 for 0.5, -1 for
// 0.05), saturated far beyond the double range. Only called for a nonzero mantissa.
long long DecimalMagnitude(const DecimalParts& parts) {
  constexpr long long LIMIT = 1'000'000'000;
  long long exponent = 0;
  for (char c : parts.exponentDigits) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > LIMIT) exponent = LIMIT;
  }
  if (parts.exponentNegative) exponent = -exponent;
  const std::size_t firstNonZero = parts.integerDigits.find_first_not_of('0');
  if (firstNonZero != std::string_view::npos) {
    return static_cast<long long>(parts.integerDigits.size() - firstNonZero) + exponent;
  }
  const std::size_t leadingZeros = parts.fractionDigits.find_first_not_of('0');
  return exponent - static_cast<long long>(leadingZeros);
}

// The value of a number that lies beyond the double range: an infinity or a zero.
double OutOfRangeValue(const DecimalParts& parts) {
  const double magnitude =
      DecimalMagnitude(parts) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return parts.negative ? -magnitude : magnitude;
}

}  // namespace

double LeadingDecimalValue(std::string_view text) {
  DecimalParts parts;
  if (!SplitDecimal(text, parts)) return 0;
  // A normalised copy that std::from_chars accepts: "-", "0" for an empty integer part,
  // "e" for every exponent marker.
  std::string copy;  // short numbers stay in the string's own buffer
  if (parts.negative) copy.push_back('-');
  if (parts.integerDigits.empty()) copy.push_back('0');
  copy.append(parts.integerDigits);
  if (!parts.fractionDigits.empty()) {
    copy.push_back('.');
    copy.append(parts.fractionDigits);
  }
  if (!parts.exponentDigits.empty()) {
    copy.push_back('e');
    if (parts.exponentNegative) copy.push_back('-');
    copy.append(parts.exponentDigits);
  }
  double value = 0;
  const auto [end, error] =
      std::from_chars(copy.data(), copy.data() + copy.size(), value, std::chars_format::general);
  (void)end;
  if (error == std::errc::result_out_of_range) return OutOfRangeValue(parts);
  if (error != std::errc()) return 0;
  return value;
}

}  // namespace moid

#include "data/DecimalText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
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

// The exponent's value, saturated far beyond the double range.
long long ExponentValue(const DecimalParts& parts) {
  constexpr long long LIMIT = 1'000'000'000;
  long long exponent = 0;
  for (char c : parts.exponentDigits) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > LIMIT) exponent = LIMIT;
  }
  return parts.exponentNegative ? -exponent : exponent;
}

// Most catalogue numbers have at most 15 digits and a small exponent: then the digits as an
// integer and the power of ten are both exact doubles, and one multiplication or division
// rounds the exact quotient correctly. False when the number is not of that kind.
bool TryExactSmallValue(const DecimalParts& parts, double& value) {
  constexpr double POWERS_OF_TEN[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr std::size_t MAX_DIGITS = 15;  // below 2^53
  if (parts.integerDigits.size() + parts.fractionDigits.size() > MAX_DIGITS) return false;
  if (parts.exponentDigits.size() > 3) return false;
  std::uint64_t digits = 0;
  for (char c : parts.integerDigits) digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
  for (char c : parts.fractionDigits) digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
  const long long exponent =
      ExponentValue(parts) - static_cast<long long>(parts.fractionDigits.size());
  if (exponent < -22 || exponent > 22) return false;
  const double mantissa = static_cast<double>(digits);
  value = exponent >= 0 ? mantissa * POWERS_OF_TEN[exponent]
                        : mantissa / POWERS_OF_TEN[-exponent];
  if (parts.negative) value = -value;
  return true;
}

// Decimal exponent of the leading significant digit plus one (1 for 1.5, 0 for 0.5, -1 for
// 0.05), saturated far beyond the double range. Only called for a nonzero mantissa.
long long DecimalMagnitude(const DecimalParts& parts) {
  const long long exponent = ExponentValue(parts);
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

// Length of the copy that std::from_chars accepts (see WriteNormalised).
std::size_t NormalisedLength(const DecimalParts& parts) {
  std::size_t length =
      (parts.negative ? 1 : 0) + std::max<std::size_t>(parts.integerDigits.size(), 1);
  if (!parts.fractionDigits.empty()) length += 1 + parts.fractionDigits.size();
  if (!parts.exponentDigits.empty()) {
    length += 1 + (parts.exponentNegative ? 1 : 0) + parts.exponentDigits.size();
  }
  return length;
}

char* Append(char* out, std::string_view text) {
  return std::copy(text.begin(), text.end(), out);
}

// The number as std::from_chars reads it: "-" only, "0" for an empty integer part, "e" for
// every exponent marker. Returns the end of what it wrote.
char* WriteNormalised(const DecimalParts& parts, char* out) {
  if (parts.negative) *out++ = '-';
  out = parts.integerDigits.empty() ? Append(out, "0") : Append(out, parts.integerDigits);
  if (!parts.fractionDigits.empty()) {
    *out++ = '.';
    out = Append(out, parts.fractionDigits);
  }
  if (!parts.exponentDigits.empty()) {
    *out++ = 'e';
    if (parts.exponentNegative) *out++ = '-';
    out = Append(out, parts.exponentDigits);
  }
  return out;
}

double ConvertNormalised(const DecimalParts& parts, const char* first, const char* last) {
  double value = 0;
  const std::errc error = std::from_chars(first, last, value, std::chars_format::general).ec;
  if (error == std::errc::result_out_of_range) return OutOfRangeValue(parts);
  if (error != std::errc()) return 0;
  return value;
}

}  // namespace

double LeadingDecimalValue(std::string_view text) {
  DecimalParts parts;
  if (!SplitDecimal(text, parts)) return 0;
  if (double value = 0; TryExactSmallValue(parts, value)) return value;
  const std::size_t length = NormalisedLength(parts);
  constexpr std::size_t SHORT_LENGTH = 320;  // every field of the catalogue fits here
  if (length <= SHORT_LENGTH) {
    std::array<char, SHORT_LENGTH> buffer;
    const char* last = WriteNormalised(parts, buffer.data());
    return ConvertNormalised(parts, buffer.data(), last);
  }
  std::string copy(length, '\0');
  const char* last = WriteNormalised(parts, copy.data());
  return ConvertNormalised(parts, copy.data(), last);
}

bool BeginsWithNumber(std::string_view text) {
  DecimalParts parts;
  return SplitDecimal(text, parts);
}

}  // namespace moid

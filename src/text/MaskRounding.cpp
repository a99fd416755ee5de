#include "text/MaskRounding.h"

#include <charconv>
#include <cstdlib>

#include "text/WideDecimal.h"

namespace moid {
namespace {

// ---- through the digit text ----

DecimalDigits SignificantDigits(double magnitude) {
  char buf[64];
  const auto written = std::to_chars(buf, buf + sizeof buf - 1, magnitude,
                                     std::chars_format::scientific, 17);
  *written.ptr = '\0';
  DecimalDigits out;
  const char* p = buf;
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') out.digits.push_back(*p);
  const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
  out.pointAt = exponent + 1;
  if (out.pointAt < 0) {
    out.digits.insert(0, static_cast<size_t>(-out.pointAt), '0');
    out.pointAt = 0;
  }
  if (out.pointAt > static_cast<int>(out.digits.size()))
    out.digits.append(out.pointAt - out.digits.size(), '0');
  return out;
}

bool AnyNonZero(const std::string& s, size_t from) {
  return s.find_first_not_of('0', from) != std::string::npos;
}

// Adds one unit in the last place; a carry out of the top digit adds a digit.
void IncrementDigits(DecimalDigits& n) {
  for (size_t i = n.digits.size(); i-- > 0;) {
    if (n.digits[i] != '9') {
      ++n.digits[i];
      return;
    }
    n.digits[i] = '0';
  }
  n.digits.insert(0, 1, '1');
  ++n.pointAt;
}

// ---- with integers ----

// value / 2^shift rounded half to even (0 < shift < 128).
Wide ShiftRoundedToEven(Wide value, int shift) {
  const Wide quotient = value >> shift;
  const Wide remainder = value & ((Wide{1} << shift) - 1);
  const Wide half = Wide{1} << (shift - 1);
  const bool up = remainder > half || (remainder == half && (quotient & 1) != 0);
  return quotient + (up ? 1 : 0);
}

// value / divisor rounded half to even, for an even divisor.
std::uint64_t DivideRoundedToEven(std::uint64_t value, std::uint64_t divisor) {
  const std::uint64_t quotient = value / divisor;
  const std::uint64_t remainder = value % divisor;
  const std::uint64_t half = divisor / 2;
  const bool up = remainder > half || (remainder == half && (quotient & 1) != 0);
  return quotient + (up ? 1 : 0);
}

// The 18 significant digits of the magnitude as one whole number S in [10^17, 10^18]
// (10^18 when rounding carries), with the power of ten of its leading digit:
// magnitude ~ S * 10^(exponent - 17).
struct EighteenDigits {
  std::uint64_t significand;
  int exponent;
};

// For magnitudes in [1e-5, 2^52): their mantissa times 10^(17 - exponent) stays below 2^127.
EighteenDigits EighteenDigitsOf(double magnitude) {
  const BinaryForm b = BinaryFormOf(magnitude);
  const int exponent = DecimalExponentOf(b);
  const Wide scaled = Wide{b.mantissa} * WidePowerOfTen(17 - exponent);
  return {static_cast<std::uint64_t>(ShiftRoundedToEven(scaled, b.shift)), exponent};
}

}  // namespace

DecimalDigits RoundedDigitText(double magnitude, int decimals) {
  DecimalDigits n = SignificantDigits(magnitude);
  const size_t keep = static_cast<size_t>(n.pointAt + decimals);
  if (n.digits.size() <= keep) {
    n.digits.append(keep - n.digits.size(), '0');
    return n;
  }
  const char first = n.digits[keep];
  bool up = first > '5';
  if (first == '5') {
    const bool exactHalf = !AnyNonZero(n.digits, keep + 1);
    const bool lastOdd = keep > 0 && (n.digits[keep - 1] - '0') % 2 == 1;
    up = !exactHalf || lastOdd;
  }
  n.digits.resize(keep);
  if (up) IncrementDigits(n);
  return n;
}

std::optional<std::uint64_t> RoundedScaledInteger(double magnitude, int decimals) {
  if (magnitude == 0) return 0;
  if (!(magnitude >= 1e-5 && magnitude < 0x1p52) || decimals < 0 || decimals > 17)
    return std::nullopt;
  const EighteenDigits s = EighteenDigitsOf(magnitude);
  const int dropped = 17 - s.exponent - decimals;  // digits of S behind the last place kept
  if (dropped == -1) return s.significand * 10;    // at most 10^19: still 64 bits
  if (dropped < 0) return std::nullopt;
  if (dropped == 0) return s.significand;
  if (dropped >= 19) return 0;  // S <= 10^18 is below half of 10^19
  return DivideRoundedToEven(s.significand, POWERS_OF_TEN[dropped]);
}

}  // namespace moid

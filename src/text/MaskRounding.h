#pragma once
#include <cstdint>
#include <optional>
#include <string>

// How a mask rounds a magnitude to its decimal places: first to 18 significant digits,
// correctly rounded (as printf's "%.17e" gives them), then half to even on those digits.
// Two ways to the same result: through the digit text (any finite value, general and slow),
// and with integers (the common range only, without text or allocation).
namespace moid {

// Decimal digits with the number of them before the point.
struct DecimalDigits {
  std::string digits;
  int pointAt = 0;  // digits[0 .. pointAt) form the integer part
};

// A finite magnitude (>= 0) rounded to `decimals` places: at least pointAt digits before
// the point (with leading zeros), exactly `decimals` after it.
DecimalDigits RoundedDigitText(double magnitude, int decimals);

// The same rounding as the whole number magnitude * 10^decimals, worked out with integers.
// Empty when the magnitude lies outside [1e-5, 2^52) (zero excepted), when there are more
// than 17 decimals, or when the result would need more than 19 digits.
std::optional<std::uint64_t> RoundedScaledInteger(double magnitude, int decimals);

}  // namespace moid

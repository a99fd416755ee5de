#pragma once
#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

// Exact decimal scaling of doubles with 128-bit integers: what the mask's rounding and the
// shortest number text share.
namespace moid {

__extension__ typedef unsigned __int128 Wide;

inline constexpr std::array<std::uint64_t, 20> POWERS_OF_TEN = [] {
  std::array<std::uint64_t, 20> p{};
  p[0] = 1;
  for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
  return p;
}();

// 10^p for 0 <= p <= 38.
inline Wide WidePowerOfTen(int p) {
  return p < 20 ? Wide{POWERS_OF_TEN[p]} : Wide{POWERS_OF_TEN[19]} * POWERS_OF_TEN[p - 19];
}

// A positive normal double as mantissa * 2^-shift (shift > 0 below 2^52), with the power of
// two of its leading bit.
struct BinaryForm {
  std::uint64_t mantissa;
  int shift;
  int log2Floor;
};

inline BinaryForm BinaryFormOf(double magnitude) {
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const int biased = static_cast<int>(bits >> 52);
  return {(bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52), 1075 - biased,
          biased - 1023};
}

// The power of ten of the leading digit of a normal magnitude in [1e-5, 2^52): the largest e
// with 10^e <= magnitude. floor(log2Floor * log10 2) (1233 / 4096 ~ log10 2) is e or e - 1;
// the mantissa decides which.
inline int DecimalExponentOf(const BinaryForm& b) {
  const int guess = (b.log2Floor * 1233) >> 12;
  const Wide scaled = Wide{b.mantissa} * WidePowerOfTen(16 - guess);  // * 10^(17 - (guess + 1))
  return (scaled >> b.shift) < POWERS_OF_TEN[17] ? guess : guess + 1;
}

// "00" to "99", two characters each.
inline constexpr std::array<char, 200> DIGIT_PAIRS = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// Writes the two digits of pair (below 100) just before buffer[at]; returns the new start.
inline size_t PutDigitPair(std::array<char, 24>& buffer, size_t at, std::uint32_t pair) {
  buffer[at - 2] = DIGIT_PAIRS[2 * pair];
  buffer[at - 1] = DIGIT_PAIRS[2 * pair + 1];
  return at - 2;
}

// The decimal digits of n, at least minDigits of them (leading zeros), at the end of buffer:
// eight at a time split off in 64 bits, then two at a time in 32 bits.
inline std::string_view DecimalDigitsOf(std::uint64_t n, size_t minDigits,
                                        std::array<char, 24>& buffer) {
  constexpr std::uint64_t EIGHT_DIGITS = 100000000;
  size_t at = buffer.size();
  while (n >= EIGHT_DIGITS) {
    auto chunk = static_cast<std::uint32_t>(n % EIGHT_DIGITS);
    n /= EIGHT_DIGITS;
    for (int i = 0; i < 4; ++i, chunk /= 100) at = PutDigitPair(buffer, at, chunk % 100);
  }
  auto rest = static_cast<std::uint32_t>(n);
  for (; rest >= 10; rest /= 100) at = PutDigitPair(buffer, at, rest % 100);
  if (rest != 0) buffer[--at] = static_cast<char>('0' + rest);
  while (buffer.size() - at < minDigits) buffer[--at] = '0';
  return {buffer.data() + at, buffer.size() - at};
}

}  // namespace moid

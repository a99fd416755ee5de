#include "text/ShortestText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "text/WideDecimal.h"

namespace moid {
namespace {

// digits * 10^exponent, digits without trailing zeros.
struct ShortDecimal {
  std::uint64_t digits;
  int exponent;
};

// The interval of reals that read back as a double, scaled by 10^scale and by 2^shift: its
// centre (the double), its ends, and whether the ends belong to it (round half to even picks
// the double with the even mantissa).
struct ReadBackInterval {
  Wide low, centre, high;
  int shift;
  bool endsIncluded;
};

// For magnitudes in [1e-4, 2^52), with scale the power of ten that brings the leading digit
// to the 18th place: four times the mantissa times 10^21 stays below 2^125.
ReadBackInterval ReadBackIntervalOf(const BinaryForm& b, int scale) {
  const Wide unit = WidePowerOfTen(scale);  // half the gap to the next double, at shift + 2
  const bool binadeStart = b.mantissa == (std::uint64_t{1} << 52);  // a closer neighbour below
  const Wide centre = Wide{b.mantissa} * 4 * unit;
  return {centre - (binadeStart ? unit : 2 * unit), centre, centre + 2 * unit, b.shift + 2,
          (b.mantissa & 1) == 0};
}

// The first and last whole numbers inside the interval (at its 10^scale).
struct WholeRange {
  std::uint64_t first, last;
};

WholeRange WholeNumbersIn(const ReadBackInterval& r) {
  const Wide fractionMask = (Wide{1} << r.shift) - 1;
  auto first = static_cast<std::uint64_t>(r.low >> r.shift);
  if ((r.low & fractionMask) != 0 || !r.endsIncluded) ++first;
  auto last = static_cast<std::uint64_t>(r.high >> r.shift);
  if ((r.high & fractionMask) == 0 && !r.endsIncluded) --last;
  return {first, last};
}

// The multiple of `step` (a power of ten) nearest the interval's centre, ties to the even
// multiple.
std::uint64_t NearestMultiple(const ReadBackInterval& r, std::uint64_t step) {
  const auto whole = static_cast<std::uint64_t>(r.centre >> r.shift);
  const std::uint64_t below = whole / step;
  const Wide fraction = r.centre & ((Wide{1} << r.shift) - 1);
  const Wide past = (Wide{whole % step} << r.shift) | fraction;  // centre - below * step
  const Wide half = Wide{step} << (r.shift - 1);
  const bool up = past > half || (past == half && (below & 1) != 0);
  return below + (up ? 1 : 0);
}

std::optional<ShortDecimal> ShortestWithIntegers(double magnitude) {
  if (!(magnitude >= 1e-4 && magnitude < 0x1p52)) return std::nullopt;
  const BinaryForm b = BinaryFormOf(magnitude);
  const int scale = 17 - DecimalExponentOf(b);
  const ReadBackInterval interval = ReadBackIntervalOf(b, scale);
  const WholeRange range = WholeNumbersIn(interval);
  // The most trailing zeros a whole number in the range can have (the double's 17 digits
  // always fit, so there is at least one).
  int zeros = 0;
  while (range.last / POWERS_OF_TEN[zeros + 1] * POWERS_OF_TEN[zeros + 1] >= range.first)
    ++zeros;
  const std::uint64_t step = POWERS_OF_TEN[zeros];
  std::uint64_t digits = NearestMultiple(interval, step);
  if (digits * step > range.last) --digits;
  if (digits * step < range.first) ++digits;
  ShortDecimal d{digits, zeros - scale};
  while (d.digits % 10 == 0) {
    d.digits /= 10;
    ++d.exponent;
  }
  return d;
}

// A text of at most 32 characters, made in place and appended at once.
class ShortText {
 public:
  void Add(char c) { text_[length_++] = c; }
  void Add(std::string_view s) {
    s.copy(text_.data() + length_, s.size());
    length_ += s.size();
  }
  void AddZeros(size_t n) {
    std::fill_n(text_.data() + length_, n, '0');
    length_ += n;
  }
  void AppendTo(std::string& out) const { out.append(text_.data(), length_); }

 private:
  std::array<char, 32> text_;
  size_t length_ = 0;
};

void AddFixed(ShortText& text, std::string_view digits, int exponent) {
  const int beforePoint = static_cast<int>(digits.size()) + exponent;
  if (exponent >= 0) {
    text.Add(digits);
    text.AddZeros(static_cast<size_t>(exponent));
  } else if (beforePoint > 0) {
    text.Add(digits.substr(0, static_cast<size_t>(beforePoint)));
    text.Add('.');
    text.Add(digits.substr(static_cast<size_t>(beforePoint)));
  } else {
    text.Add("0.");
    text.AddZeros(static_cast<size_t>(-beforePoint));
    text.Add(digits);
  }
}

void AddScientific(ShortText& text, std::string_view digits, int power) {
  text.Add(digits.front());
  if (digits.size() > 1) {
    text.Add('.');
    text.Add(digits.substr(1));
  }
  text.Add(power < 0 ? "e-" : "e+");
  const int magnitude = std::abs(power);
  if (magnitude >= 100) text.Add(static_cast<char>('0' + magnitude / 100));
  text.Add(static_cast<char>('0' + magnitude / 10 % 10));
  text.Add(static_cast<char>('0' + magnitude % 10));
}

// Characters of each form, without the sign.
size_t FixedLength(size_t digitCount, int exponent) {
  const int beforePoint = static_cast<int>(digitCount) + exponent;
  if (exponent >= 0) return digitCount + static_cast<size_t>(exponent);
  if (beforePoint > 0) return digitCount + 1;
  return digitCount + 2 + static_cast<size_t>(-beforePoint);
}

size_t ScientificLength(size_t digitCount, int power) {
  return digitCount + (digitCount > 1 ? 1 : 0) + 2 + (std::abs(power) >= 100 ? 3 : 2);
}

void AppendWithStandardLibrary(std::string& out, double value) {
  std::array<char, 32> buffer;  // the longest double takes 24 characters
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  out.append(buffer.data(), static_cast<size_t>(result.ptr - buffer.data()));
}

}  // namespace

void AppendShortestNumber(std::string& out, double value) {
  const std::optional<ShortDecimal> d = ShortestWithIntegers(std::fabs(value));
  if (!d) {
    AppendWithStandardLibrary(out, value);
    return;
  }
  ShortText text;
  if (value < 0) text.Add('-');
  std::array<char, 24> buffer;
  const std::string_view digits = DecimalDigitsOf(d->digits, 1, buffer);
  const int power = d->exponent + static_cast<int>(digits.size()) - 1;
  if (FixedLength(digits.size(), d->exponent) <= ScientificLength(digits.size(), power))
    AddFixed(text, digits, d->exponent);
  else
    AddScientific(text, digits, power);
  text.AppendTo(out);
}

}  // namespace moid

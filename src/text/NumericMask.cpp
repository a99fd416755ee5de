#include "text/NumericMask.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "text/MaskRounding.h"
#include "text/WideDecimal.h"

namespace moid {
namespace {

std::string_view NonFiniteText(double value) {
  if (std::isnan(value)) return "nan";
  return value < 0 ? "-inf" : "inf";
}

}  // namespace

void NumericMask::AppendPadded(std::string& out, std::string_view text) const {
  if (text.size() < Width()) out.append(Width() - text.size(), ' ');
  out += text;
}

// Sign, integer digits without leading zeros (a "0" when there is room for it), point and
// decimals, right-aligned in the field's width.
void NumericMask::AppendField(std::string& out, bool negative, std::string_view digits,
                              size_t pointAt) const {
  std::string_view intDigits = digits.substr(0, pointAt);
  intDigits.remove_prefix(std::min(intDigits.find_first_not_of('0'), intDigits.size()));
  const int intRoom = intPositions_ - (negative ? 1 : 0);
  if (intDigits.empty() && intRoom > 0) intDigits = "0";
  const size_t length = (negative ? 1 : 0) + intDigits.size() +
                        (hasPoint_ ? 1 + digits.size() - pointAt : 0);
  if (length < Width()) out.append(Width() - length, ' ');
  if (negative) out += '-';
  out += intDigits;
  if (hasPoint_) {
    out += '.';
    out += digits.substr(pointAt);
  }
}

void NumericMask::AppendByDigitText(std::string& out, double value) const {
  out += leading_;
  if (!hasField_) return;
  if (std::isfinite(value)) {
    const DecimalDigits n = RoundedDigitText(std::fabs(value), decimals_);
    AppendField(out, value < 0, n.digits, static_cast<size_t>(n.pointAt));
  } else {
    AppendPadded(out, NonFiniteText(value));
  }
  out += trailing_;
}

void NumericMask::AppendTo(std::string& out, double value) const {
  const auto scaled =
      hasField_ ? RoundedScaledInteger(std::fabs(value), decimals_) : std::nullopt;
  if (!scaled) {
    AppendByDigitText(out, value);
    return;
  }
  out += leading_;
  std::array<char, 24> buffer;
  const auto decimals = static_cast<size_t>(decimals_);
  const std::string_view digits = DecimalDigitsOf(*scaled, decimals, buffer);
  AppendField(out, value < 0, digits, digits.size() - decimals);
  out += trailing_;
}

std::string NumericMask::Format(double value) const {
  std::string out;
  AppendTo(out, value);
  return out;
}

std::string FormatWithMask(const std::string& mask, double value) {
  return NumericMask(mask).Format(value);
}

}  // namespace moid

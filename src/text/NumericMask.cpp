#include "text/NumericMask.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace moid {
namespace {

// The three pieces of a mask: text before the field, the field, text after it.
struct MaskParts {
  std::string leading, trailing;
  int intPositions = 0;  // '#' before the '.'
  int decimals = 0;      // '#' after the '.'
  bool hasPoint = false;
  bool hasField = false;
  int Width() const { return intPositions + decimals + (hasPoint ? 1 : 0); }
};

size_t FindFieldStart(const std::string& mask) {
  for (size_t i = 0; i < mask.size(); ++i) {
    if (mask[i] == '#') return i;
    if (mask[i] == '.' && i + 1 < mask.size() && mask[i + 1] == '#') return i;
  }
  return std::string::npos;
}

MaskParts SplitMask(const std::string& mask) {
  MaskParts parts;
  const size_t start = FindFieldStart(mask);
  if (start == std::string::npos) {
    parts.leading = mask;
    return parts;
  }
  parts.hasField = true;
  parts.leading = mask.substr(0, start);
  size_t i = start;
  for (; i < mask.size(); ++i) {
    if (mask[i] == '#') {
      (parts.hasPoint ? parts.decimals : parts.intPositions)++;
    } else if (mask[i] == '.' && !parts.hasPoint) {
      parts.hasPoint = true;
    } else {
      break;
    }
  }
  parts.trailing = mask.substr(i);
  return parts;
}

// |v| as decimal digits with the number of digits before the point: 18 significant
// digits, rounded to nearest (ties to even), exactly as printf's "%.17e" gives them.
struct DecimalDigits {
  std::string digits;
  int pointAt = 0;  // digits[0 .. pointAt) form the integer part
};

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

// Keeps `decimals` digits after the point, half to even on the decimal digits.
void RoundToDecimals(DecimalDigits& n, int decimals) {
  const size_t keep = static_cast<size_t>(n.pointAt + decimals);
  if (n.digits.size() <= keep) {
    n.digits.append(keep - n.digits.size(), '0');
    return;
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
}

std::string RenderNonFinite(double value) {
  if (std::isnan(value)) return "nan";
  return value < 0 ? "-inf" : "inf";
}

// Sign, integer digits, point and decimals, before alignment.
std::string RenderNumber(const MaskParts& parts, double value) {
  if (!std::isfinite(value)) return RenderNonFinite(value);
  const bool negative = value < 0;
  DecimalDigits n = SignificantDigits(std::fabs(value));
  RoundToDecimals(n, parts.decimals);
  std::string intDigits = n.digits.substr(0, n.pointAt);
  const size_t firstNonZero = intDigits.find_first_not_of('0');
  intDigits = firstNonZero == std::string::npos ? "" : intDigits.substr(firstNonZero);
  const int intRoom = parts.intPositions - (negative ? 1 : 0);
  if (intDigits.empty() && intRoom > 0) intDigits = "0";
  std::string text = negative ? "-" : "";
  text += intDigits;
  if (parts.hasPoint) text += "." + n.digits.substr(n.pointAt);
  return text;
}

}  // namespace

std::string FormatWithMask(const std::string& mask, double value) {
  const MaskParts parts = SplitMask(mask);
  if (!parts.hasField) return mask;
  std::string field = RenderNumber(parts, value);
  const size_t width = static_cast<size_t>(parts.Width());
  if (field.size() < width) field.insert(0, width - field.size(), ' ');
  return parts.leading + field + parts.trailing;
}

}  // namespace moid

#pragma once
#include <string>
#include <string_view>

namespace moid {

// A '#' mask ("###.###\xB0") read once: the text before its field, the field's integer and
// decimal positions, the text after it. It points into the mask's characters, which must
// outlive it (a literal, or the caller's string while it is used).
class NumericMask {
 public:
  constexpr explicit NumericMask(std::string_view mask) { Split(mask); }

  // Appends the mask with value rendered into its field (a mask without a field as it is).
  void AppendTo(std::string& out, double value) const;
  std::string Format(double value) const;

  // As AppendTo, always rounding through the 18-digit text: slower; what AppendTo is held to.
  void AppendByDigitText(std::string& out, double value) const;

 private:
  constexpr void Split(std::string_view mask);
  void AppendField(std::string& out, bool negative, std::string_view digits,
                   size_t pointAt) const;
  void AppendPadded(std::string& out, std::string_view text) const;
  size_t Width() const {
    return static_cast<size_t>(intPositions_ + decimals_) + (hasPoint_ ? 1 : 0);
  }

  std::string_view leading_, trailing_;
  int intPositions_ = 0;  // '#' before the '.'
  int decimals_ = 0;      // '#' after the '.'
  bool hasPoint_ = false;
  bool hasField_ = false;
};

// The field starts at the first '#', or at a '.' directly followed by one.
constexpr void NumericMask::Split(std::string_view mask) {
  size_t start = 0;
  while (start < mask.size() && mask[start] != '#' &&
         !(mask[start] == '.' && start + 1 < mask.size() && mask[start + 1] == '#'))
    ++start;
  leading_ = mask.substr(0, start);
  hasField_ = start < mask.size();
  size_t i = start;
  for (; i < mask.size(); ++i) {
    if (mask[i] == '#') {
      (hasPoint_ ? decimals_ : intPositions_)++;
    } else if (mask[i] == '.' && !hasPoint_) {
      hasPoint_ = true;
    } else {
      break;
    }
  }
  trailing_ = mask.substr(i);
}

// Renders value through a mask: leading text + field + trailing text.
std::string FormatWithMask(const std::string& mask, double value);

}  // namespace moid

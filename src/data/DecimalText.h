#pragma once
#include <string_view>

namespace moid {

// The number at the start of `text`: an optional sign, digits with an optional decimal point,
// an optional exponent introduced by E, e, D or d. Reading stops at the first byte that does
// not fit (an exponent marker without digits is not part of the number). A text that does not
// begin with a number gives 0. The result is the correctly rounded double, whatever the locale;
// a magnitude beyond the double range gives an infinity, one below it zero.
double LeadingDecimalValue(std::string_view text);

// True when `text` begins with a number as LeadingDecimalValue reads one.
bool BeginsWithNumber(std::string_view text);

}  // namespace moid

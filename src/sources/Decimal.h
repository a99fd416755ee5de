#pragma once
#include <optional>
#include <string_view>

// Numbers and blanks in the text of source catalogues.
namespace moid::sources {

// `text` without leading and trailing blanks and TABs.
std::string_view TrimBlanks(std::string_view text);

// True when `text` holds nothing but blanks and TABs (or nothing at all).
bool IsBlank(std::string_view text);

// The value of a decimal number written in full: blanks around it, an optional sign, digits
// with an optional point, an optional exponent. The correctly rounded double, whatever the
// locale. nullopt for anything else: empty text, trailing matter, "inf", "nan", hexadecimal,
// a magnitude outside the range of doubles (overflow or underflow).
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace moid::sources

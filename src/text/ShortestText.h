#pragma once
#include <string>

namespace moid {

// Appends the shortest decimal text that reads back as value, character for character as
// std::to_chars(first, last, value) writes it: the nearest of the shortest digit strings, in
// fixed or scientific form, whichever is shorter (fixed on a tie). Magnitudes in [1e-4, 2^52)
// are worked out with integers, others handed to std::to_chars.
void AppendShortestNumber(std::string& out, double value);

}  // namespace moid

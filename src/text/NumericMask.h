#pragma once
#include <string>

namespace moid {
// Renders value through a '#' mask ("###.###\xB0"): leading text + field + trailing text.
std::string FormatWithMask(const std::string& mask, double value);
}  // namespace moid

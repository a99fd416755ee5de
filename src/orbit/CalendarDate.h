#pragma once
#include <string>

namespace moid {
// "yyyy/mm/dd" through the masks "####", "##", "##"; a fractional day is cut to its whole part.
std::string JulianDayToDateText(double jd);
}  // namespace moid

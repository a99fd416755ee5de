#pragma once
#include <string>

namespace moid {
// The calendar day (Julian before 1582 October 15, Gregorian from then on) that holds a
// Julian day; `day` is the whole day of the month.
struct CalendarDay {
  double year = 0, month = 0, day = 0;
};
CalendarDay JulianDayToCalendarDay(double jd);
// "yyyy/mm/dd" through the masks "####", "##", "##"; a fractional day is cut to its whole part.
std::string JulianDayToDateText(double jd);
}  // namespace moid

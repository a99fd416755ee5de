#include "orbit/CalendarDate.h"

#include <cmath>

#include "text/NumericMask.h"

namespace moid {

CalendarDay JulianDayToCalendarDay(double jd) {
  const double z = jd + 0.5;
  const double Z = std::floor(z);
  const double F = z - Z;  // fraction of the day since midnight
  double A = Z;
  if (Z > 2299160) {  // Gregorian calendar from 1582 October 15 on
    const double alpha = std::floor((Z - 1867216.25) / 36524.25);
    A = Z + 1 + alpha - std::floor(alpha / 4);
  }
  const double B = A + 1524;
  const double C = std::floor((B - static_cast<double>(122.1f)) / 365.25);
  const double D = std::floor(365.25 * C);
  const double E = std::floor((B - D) / 30.6001);
  const double day = B - D - std::floor(30.6001 * E) + F;
  const double month = E < 14 ? E - 1 : E - 13;
  const double year = month > 2 ? C - 4716 : C - 4715;
  // A fractional day shows the day it falls in, never a rounded-up one.
  return CalendarDay{year, month, std::floor(day)};
}

std::string JulianDayToDateText(double jd) {
  const CalendarDay d = JulianDayToCalendarDay(jd);
  return FormatWithMask("####", d.year) + "/" + FormatWithMask("##", d.month) + "/" +
         FormatWithMask("##", d.day);
}

}  // namespace moid

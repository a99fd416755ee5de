#include "orbit/CalendarDate.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace moid {
namespace {

TEST(CalendarDate, TurnOfTheCentury) {
  EXPECT_EQ(JulianDayToDateText(2451544.5), "2000/ 1/ 1");
  EXPECT_EQ(JulianDayToDateText(2451909.5), "2000/12/31");
  EXPECT_EQ(JulianDayToDateText(2451910.5), "2001/ 1/ 1");
}

TEST(CalendarDate, LeapYears) {
  EXPECT_EQ(JulianDayToDateText(2451603.5), "2000/ 2/29");
  EXPECT_EQ(JulianDayToDateText(2451604.5), "2000/ 3/ 1");
  EXPECT_EQ(JulianDayToDateText(2415078.5), "1900/ 2/28");
  EXPECT_EQ(JulianDayToDateText(2415079.5), "1900/ 3/ 1");
  EXPECT_EQ(JulianDayToDateText(2460369.5), "2024/ 2/29");
}

TEST(CalendarDate, GregorianReform) {
  EXPECT_EQ(JulianDayToDateText(2299160.5), "1582/10/15");
  EXPECT_EQ(JulianDayToDateText(2299159.5), "1582/10/ 4");
  EXPECT_EQ(JulianDayToDateText(2299158.5), "1582/10/ 3");
  // Julian calendar: 1500 is a leap year there.
  EXPECT_EQ(JulianDayToDateText(2268991.5), "1500/ 2/29");
  EXPECT_EQ(JulianDayToDateText(2268992.5), "1500/ 3/ 1");
}

TEST(CalendarDate, RecentEpochs) {
  EXPECT_EQ(JulianDayToDateText(2460000.5), "2023/ 2/25");
  EXPECT_EQ(JulianDayToDateText(2459800.5), "2022/ 8/ 9");
  EXPECT_EQ(JulianDayToDateText(2460676.5), "2025/ 1/ 1");
}

TEST(CalendarDate, FractionalDayShowsTheDayItFallsIn) {
  // Noon of 2000 January 1 and the evening of 2024 December 31.
  EXPECT_EQ(JulianDayToDateText(2451545.0), "2000/ 1/ 1");
  EXPECT_EQ(JulianDayToDateText(2460676.25), "2024/12/31");
  EXPECT_EQ(JulianDayToDateText(2460676.4999), "2024/12/31");
  EXPECT_EQ(JulianDayToDateText(2451603.9), "2000/ 2/29");
  EXPECT_EQ(JulianDayToDateText(2451604.49), "2000/ 2/29");
}

// Proleptic Gregorian date from a count of days since 1970-01-01, by era arithmetic:
// a different road to the same calendar.
void CivilFromDays(long long z, long long& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = yoe + era * 400 + (m <= 2 ? 1 : 0);
}

TEST(CalendarDate, AgreesWithEraArithmeticFrom1583To2300) {
  const long long unixEpochJd = 2440588;  // 1970-01-01 00:00 is JD 2440587.5
  for (long long jdn = 2299161; jdn <= 2561118; ++jdn) {
    long long y = 0;
    int m = 0, d = 0;
    CivilFromDays(jdn - unixEpochJd, y, m, d);
    char expected[32];
    std::snprintf(expected, sizeof expected, "%4lld/%2d/%2d", y, m, d);
    const std::string got = JulianDayToDateText(jdn - 0.5);
    if (got != expected) {
      ADD_FAILURE() << "JD " << jdn - 0.5 << ": " << got << " vs " << expected;
      break;
    }
    ASSERT_EQ(JulianDayToDateText(jdn - 0.5 + 0.75), got);  // evening, same day
  }
}

}  // namespace
}  // namespace moid

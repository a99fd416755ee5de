#include "sources/PackedForms.h"

#include <array>

#include "sources/Decimal.h"

namespace moid::sources {
namespace {

// The letters of provisional designations: I is left out, and Z is not a half-month.
constexpr std::string_view ORDER_LETTERS = "ABCDEFGHJKLMNOPQRSTUVWXYZ";
constexpr std::string_view HALF_MONTH_LETTERS = "ABCDEFGHJKLMNOPQRSTUVWXY";
// The extended form counts designations from the first one past cycle 619 (= 620 * 25).
constexpr long EXTENDED_FIRST_INDEX = 15500;
constexpr long FIRST_TILDE_NUMBER = 620000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of `text` as decimal digits only; nullopt when any byte is not a digit.
std::optional<long> DigitsValue(std::string_view text) {
  if (text.empty()) return std::nullopt;
  long value = 0;
  for (const char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<long> Base62Value(std::string_view text) {
  long value = 0;
  for (const char c : text) {
    const std::optional<int> digit = Base62Digit(c);
    if (!digit) return std::nullopt;
    value = value * 62 + *digit;
  }
  return value;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr std::array<int, 12> DAYS = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : DAYS[static_cast<std::size_t>(month - 1)];
}

// The century of a packed year: I = 18, J = 19, K = 20 (and L = 21 when it comes).
std::optional<int> CenturyOf(char c) {
  if (c < 'I' || c > 'L') return std::nullopt;
  return 18 + (c - 'I');
}

// Letter and cycle count as written: "KQ11", or "XA" for cycle 0.
std::string OrderText(char halfMonth, char order, long cycle) {
  std::string text{halfMonth, order};
  if (cycle > 0) text += std::to_string(cycle);
  return text;
}

std::optional<std::string> UnpackSurvey(std::string_view packed) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 4> SURVEYS = {
      {{"PLS", "P-L"}, {"T1S", "T-1"}, {"T2S", "T-2"}, {"T3S", "T-3"}}};
  for (const auto& [code, name] : SURVEYS) {
    if (packed.substr(0, 3) != code) continue;
    const std::optional<long> number = DigitsValue(packed.substr(3));
    if (!number || *number == 0) return std::nullopt;
    return std::to_string(*number) + " " + std::string(name);
  }
  return std::nullopt;
}

// "_QC0aEM": year 2000 + base-62 digit, half-month letter, four base-62 digits counting on
// from cycle 620, letter A.
std::optional<std::string> UnpackExtended(std::string_view packed) {
  const std::optional<int> year = Base62Digit(packed[1]);
  const std::optional<long> count = Base62Value(packed.substr(3));
  if (!year || !count || HALF_MONTH_LETTERS.find(packed[2]) == std::string_view::npos) {
    return std::nullopt;
  }
  const long index = EXTENDED_FIRST_INDEX + *count;
  const char order = ORDER_LETTERS[static_cast<std::size_t>(index % 25)];
  return std::to_string(2000 + *year) + " " + OrderText(packed[2], order, index / 25);
}

std::optional<std::string> UnpackStandard(std::string_view packed) {
  const std::optional<int> century = CenturyOf(packed[0]);
  const std::optional<long> year = DigitsValue(packed.substr(1, 2));
  const std::optional<int> cycleHigh = Base62Digit(packed[4]);
  const bool lettersFit = HALF_MONTH_LETTERS.find(packed[3]) != std::string_view::npos &&
                          ORDER_LETTERS.find(packed[6]) != std::string_view::npos;
  if (!century || !year || !cycleHigh || !IsDigit(packed[5]) || !lettersFit) return std::nullopt;
  const long cycle = *cycleHigh * 10L + (packed[5] - '0');
  return std::to_string(*century * 100 + *year) + " " + OrderText(packed[3], packed[6], cycle);
}

// Month 1-9, A-C; day 1-9, A-V: a base-62 digit in both cases.
std::optional<int> PackedCalendarValue(char c, int last) {
  const std::optional<int> value = Base62Digit(c);
  if (!value || *value < 1 || *value > last) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int> Base62Digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return 10 + (c - 'A');
  if (c >= 'a' && c <= 'z') return 36 + (c - 'a');
  return std::nullopt;
}

std::optional<long> UnpackNumber(std::string_view packed) {
  if (packed.size() != 5) return std::nullopt;
  std::optional<long> number;
  if (packed[0] == '~') {
    const std::optional<long> count = Base62Value(packed.substr(1));
    if (count) number = FIRST_TILDE_NUMBER + *count;
  } else {
    const std::optional<int> high = Base62Digit(packed[0]);
    const std::optional<long> low = DigitsValue(packed.substr(1));
    if (high && low) number = *high * 10000L + *low;
  }
  if (!number || *number == 0) return std::nullopt;
  return number;
}

std::optional<std::string> UnpackProvisional(std::string_view packed) {
  if (packed.size() != 7) return std::nullopt;
  if (std::optional<std::string> survey = UnpackSurvey(packed)) return survey;
  if (packed[0] == '_') return UnpackExtended(packed);
  return UnpackStandard(packed);
}

std::optional<std::string> ReadableDesignation(std::string_view packed) {
  packed = TrimBlanks(packed);
  if (const std::optional<long> number = UnpackNumber(packed)) {
    return "(" + std::to_string(*number) + ")";
  }
  return UnpackProvisional(packed);
}

std::optional<double> UnpackEpoch(std::string_view packed) {
  if (packed.size() != 5) return std::nullopt;
  const std::optional<int> century = CenturyOf(packed[0]);
  const std::optional<long> yearInCentury = DigitsValue(packed.substr(1, 2));
  const std::optional<int> month = PackedCalendarValue(packed[3], 12);
  if (!century || !yearInCentury || !month) return std::nullopt;
  const int year = *century * 100 + static_cast<int>(*yearInCentury);
  const std::optional<int> day = PackedCalendarValue(packed[4], DaysInMonth(year, *month));
  if (!day) return std::nullopt;
  return JulianDayOfDate(year, *month, *day);
}

double JulianDayOfDate(int year, int month, int day) {
  // Integer day count of the Gregorian calendar (Fliegel and Van Flandern); the Julian day
  // number belongs to noon, so the day begins half a day earlier.
  const long y = year;
  const long m = month;
  const long shift = (m - 14) / 12;
  const long dayNumber = (1461 * (y + 4800 + shift)) / 4 + (367 * (m - 2 - 12 * shift)) / 12 -
                         (3 * ((y + 4900 + shift) / 100)) / 4 + day - 32075;
  return static_cast<double>(dayNumber) - 0.5;
}

}  // namespace moid::sources

#pragma once
#include <optional>
#include <string>
#include <string_view>

// The packed forms of the Minor Planet Center's files: numbers, provisional designations and
// epochs, as they stand in columns 1-7 and 21-25 of MPCORB.DAT.
namespace moid::sources {

// A base-62 digit: 0-9, then A-Z (10-35), then a-z (36-61); nullopt for any other byte.
std::optional<int> Base62Digit(char c);

// A packed permanent number: "00433" = 433; a letter in front stands for the ten-thousands
// from 10 up, "A0000" = 100000, "Z9999" = 359999, "a0000" = 360000, "z9999" = 619999; a tilde
// is followed by four base-62 digits counted from 620000 ("~0000" = 620000, "~000a" = 620036).
std::optional<long> UnpackNumber(std::string_view packed);

// A packed provisional designation in its readable form: "K20K11Q" = "2020 KQ11",
// "J95X00A" = "1995 XA", "J98SA8Q" = "1998 SQ108", survey designations "PLS2040" = "2040 P-L",
// "T1S3138" = "3138 T-1", and the extended form for more than 15,500 designations in a
// half-month, "_QC0000" = "2026 CA620".
std::optional<std::string> UnpackProvisional(std::string_view packed);

// The readable form of columns 1-7 of MPCORB.DAT (blanks around allowed): "(433)" for a packed
// number, the designation for a packed provisional one.
std::optional<std::string> ReadableDesignation(std::string_view packed);

// A packed epoch as a Julian day: "K2555" = 2025 May 5.0 = JD 2460800.5. Century letter I, J,
// K (1800, 1900, 2000), two digits of the year, the month 1-9, A-C, the day 1-9, A-V.
std::optional<double> UnpackEpoch(std::string_view packed);

// The Julian day at 0h of a date of the Gregorian calendar.
double JulianDayOfDate(int year, int month, int day);

}  // namespace moid::sources

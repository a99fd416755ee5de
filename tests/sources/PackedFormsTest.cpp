#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "sources/PackedForms.h"

namespace moid::sources {
namespace {

TEST(ImportPacked, NumbersBelowAHundredThousandAreZeroPaddedDigits) {
  EXPECT_EQ(UnpackNumber("00001"), 1);
  EXPECT_EQ(UnpackNumber("00433"), 433);
  EXPECT_EQ(UnpackNumber("99942"), 99942);
  EXPECT_EQ(UnpackNumber("99999"), 99999);
}

TEST(ImportPacked, NumbersPastNinetyNineThousandTakeALetterForTheTenThousands) {
  EXPECT_EQ(UnpackNumber("A0000"), 100000);
  EXPECT_EQ(UnpackNumber("A0001"), 100001);
  EXPECT_EQ(UnpackNumber("G4060"), 164060);
  EXPECT_EQ(UnpackNumber("Z9999"), 359999);
  EXPECT_EQ(UnpackNumber("a0000"), 360000);  // lower case follows upper case
  EXPECT_EQ(UnpackNumber("n1415"), 491415);
  EXPECT_EQ(UnpackNumber("z9999"), 619999);
}

TEST(ImportPacked, NumbersFromSixHundredTwentyThousandAreBase62AfterATilde) {
  EXPECT_EQ(UnpackNumber("~0000"), 620000);
  EXPECT_EQ(UnpackNumber("~0001"), 620001);
  EXPECT_EQ(UnpackNumber("~000z"), 620061);
  EXPECT_EQ(UnpackNumber("~0010"), 620062);
  // 10 * 62^3 + 35 * 62^2 + 36 * 62 + 61 = 2520113 past the first.
  EXPECT_EQ(UnpackNumber("~AZaz"), 3140113);
  EXPECT_EQ(UnpackNumber("~zzzz"), 620000 + 62L * 62 * 62 * 62 - 1);
}

TEST(ImportPacked, WhatIsNoPackedNumber) {
  for (const char* text : {"", "0433", "004330", "00000", "A00x0", "~00-0", "!0000", "0043 ",
                           " 0433", "~000", "K20K11Q"}) {
    EXPECT_EQ(UnpackNumber(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(ImportPacked, ProvisionalDesignationsOfTheMinorPlanetCenterExamples) {
  EXPECT_EQ(UnpackProvisional("J95X00A"), "1995 XA");
  EXPECT_EQ(UnpackProvisional("J95X01L"), "1995 XL1");
  EXPECT_EQ(UnpackProvisional("J95F13B"), "1995 FB13");
  EXPECT_EQ(UnpackProvisional("J98SA8Q"), "1998 SQ108");  // a letter for cycles past 99
  EXPECT_EQ(UnpackProvisional("J98SC7V"), "1998 SV127");
  EXPECT_EQ(UnpackProvisional("J98SG2S"), "1998 SS162");
  EXPECT_EQ(UnpackProvisional("K99AJ3Z"), "2099 AZ193");
  EXPECT_EQ(UnpackProvisional("K08Aa0A"), "2008 AA360");  // lower case past Z
  EXPECT_EQ(UnpackProvisional("K07Tf8A"), "2007 TA418");
  EXPECT_EQ(UnpackProvisional("K20K11Q"), "2020 KQ11");
  EXPECT_EQ(UnpackProvisional("I01A00A"), "1801 AA");
}

TEST(ImportPacked, SurveyDesignations) {
  EXPECT_EQ(UnpackProvisional("PLS2040"), "2040 P-L");
  EXPECT_EQ(UnpackProvisional("T1S3138"), "3138 T-1");
  EXPECT_EQ(UnpackProvisional("T2S1010"), "1010 T-2");
  EXPECT_EQ(UnpackProvisional("T3S4101"), "4101 T-3");
}

TEST(ImportPacked, ExtendedDesignationsCountOnFromCycle620) {
  EXPECT_EQ(UnpackProvisional("_QC0000"), "2026 CA620");
  // 0aEM = 36 * 62^2 + 14 * 62 + 22 = 139274; + 15500 = 154774 = 6190 * 25 + 24 (Z).
  EXPECT_EQ(UnpackProvisional("_QC0aEM"), "2026 CZ6190");
  EXPECT_EQ(UnpackProvisional("_QCzzzz"), "2026 CL591673");
  EXPECT_EQ(UnpackProvisional("_AH9fZ7"), "2010 HJ92809");
}

TEST(ImportPacked, WhatIsNoProvisionalDesignation) {
  for (const char* text : {"", "K20K11", "K20K11QQ", "K20I11Q", "K20Z11Q", "K20K11I", "X20K11Q",
                           "K2xK11Q", "K20K1xQ", "K20K!1Q", "K20K110", "PLS20x0", "PLS0000",
                           "_QI0000", "_QC00-0", "00433  "}) {
    EXPECT_EQ(UnpackProvisional(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(ImportPacked, ReadableDesignationOfMpcorbColumnsOneToSeven) {
  EXPECT_EQ(ReadableDesignation("00433  "), "(433)");
  EXPECT_EQ(ReadableDesignation("A0000  "), "(100000)");
  EXPECT_EQ(ReadableDesignation("~0000  "), "(620000)");
  EXPECT_EQ(ReadableDesignation("K20K11Q"), "2020 KQ11");
  EXPECT_EQ(ReadableDesignation("       "), std::nullopt);
  EXPECT_EQ(ReadableDesignation("garbage"), std::nullopt);
}

TEST(ImportPacked, JulianDaysOfCalendarDates) {
  EXPECT_EQ(JulianDayOfDate(1858, 11, 17), 2400000.5);  // modified Julian day 0
  EXPECT_EQ(JulianDayOfDate(2000, 1, 1), 2451544.5);    // half a day before J2000.0
  EXPECT_EQ(JulianDayOfDate(1996, 1, 1), 2450083.5);
  EXPECT_EQ(JulianDayOfDate(2024, 2, 29), JulianDayOfDate(2024, 3, 1) - 1);
  EXPECT_EQ(JulianDayOfDate(1900, 3, 1) - JulianDayOfDate(1900, 2, 28), 1);  // 1900 not leap
  EXPECT_EQ(JulianDayOfDate(2000, 3, 1) - JulianDayOfDate(2000, 2, 28), 2);  // 2000 leap
}

TEST(ImportPacked, EpochsGiveCenturyYearMonthAndDay) {
  EXPECT_EQ(UnpackEpoch("K2555"), 2460800.5);  // 2025 May 5
  EXPECT_EQ(UnpackEpoch("K2289"), 2459800.5);  // 2022 Aug 9 = MJD 59800
  EXPECT_EQ(UnpackEpoch("K0011"), 2451544.5);  // 2000 Jan 1
  EXPECT_EQ(UnpackEpoch("J9611"), 2450083.5);  // 1996 Jan 1
  EXPECT_EQ(UnpackEpoch("I9911"), JulianDayOfDate(1899, 1, 1));
  EXPECT_EQ(UnpackEpoch("K24AV"), JulianDayOfDate(2024, 10, 31));  // month A, day V = 31
  EXPECT_EQ(UnpackEpoch("K24CV"), JulianDayOfDate(2024, 12, 31));
  EXPECT_EQ(UnpackEpoch("K242T"), JulianDayOfDate(2024, 2, 29));   // a leap day
  EXPECT_EQ(UnpackEpoch("K24BU"), JulianDayOfDate(2024, 11, 30));
}

TEST(ImportPacked, WhatIsNoPackedEpoch) {
  for (const char* text : {"", "K255", "K25555", "X2555", "K2x55", "K25D1", "K2505", "K2550",
                           "K232T",  // 2023 Feb 29
                           "K252U",  // Feb 30
                           "K24BV",  // Nov 31
                           "K25X5", "k2555"}) {
    EXPECT_EQ(UnpackEpoch(text), std::nullopt) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace moid::sources

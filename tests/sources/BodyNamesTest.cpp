#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "sources/Decimal.h"
#include "sources/BodyNames.h"

namespace moid::sources {
namespace {

TEST(ImportDecimal, NumbersWrittenInFull) {
  EXPECT_EQ(ParseDecimal("2.766619044655007"), 2.766619044655007);
  EXPECT_EQ(ParseDecimal(".07863575691875528"), 0.07863575691875528);
  EXPECT_EQ(ParseDecimal("  188.70269 "), 188.70269);
  EXPECT_EQ(ParseDecimal("+.5"), 0.5);
  EXPECT_EQ(ParseDecimal("-5."), -5.0);
  EXPECT_EQ(ParseDecimal("0."), 0.0);
  EXPECT_EQ(ParseDecimal("1e3"), 1000.0);
  EXPECT_EQ(ParseDecimal("-1.5E-3"), -0.0015);
  EXPECT_EQ(ParseDecimal("59800"), 59800.0);
  // Correctly rounded: the nearest double to 0.1 is the one the literal gives.
  EXPECT_EQ(ParseDecimal("0.1"), 0.1);
}

TEST(ImportDecimal, AnythingElseIsNoNumber) {
  for (const char* text : {"", "   ", "1.5x", "1.5 2", "inf", "-inf", "nan", "0x10", "1e400",
                           "1e-400", "--1", "+-1", "-", ".", "e5", "1e", "1O.5", "1,5"}) {
    EXPECT_EQ(ParseDecimal(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(ImportDecimal, BlanksAndTabsAreTrimmed) {
  EXPECT_EQ(TrimBlanks(" \t a b \t"), "a b");
  EXPECT_TRUE(IsBlank(" \t "));
  EXPECT_TRUE(IsBlank(""));
  EXPECT_FALSE(IsBlank(" x "));
}

TEST(ImportNames, JplFullNamesInTheReadableForm) {
  EXPECT_EQ(ReadableFromFullName("     1 Ceres (A801 AA)"), "(1) Ceres");
  EXPECT_EQ(ReadableFromFullName("   433 Eros (A898 PA)"), "(433) Eros");
  EXPECT_EQ(ReadableFromFullName(" 99942 Apophis (2004 MN4)"), "(99942) Apophis");
  EXPECT_EQ(ReadableFromFullName("  5480 (1989 YK8)"), "(5480) 1989 YK8");
  EXPECT_EQ(ReadableFromFullName("       (2020 KQ11)"), "2020 KQ11");
  EXPECT_EQ(ReadableFromFullName("  1000 Piazzia"), "(1000) Piazzia");
  EXPECT_EQ(ReadableFromFullName("  7003 Gamma, Delta (1988 JE)"), "(7003) Gamma, Delta");
  EXPECT_EQ(ReadableFromFullName("  9999"), "(9999)");
  // Comets and anything else stay as they are.
  EXPECT_EQ(ReadableFromFullName("  1P/Halley"), "1P/Halley");
  EXPECT_EQ(ReadableFromFullName("C/2020 F3 (NEOWISE)"), "C/2020 F3 (NEOWISE)");
  EXPECT_EQ(ReadableFromFullName("   "), "");
}

TEST(ImportNames, CatalogueNamesAreWindows1252) {
  EXPECT_EQ(CatalogName("(433) Eros"), "(433) Eros");
  EXPECT_EQ(CatalogName("D\xC3\xA9j\xC3\xA0"), "D\xE9j\xE0");       // é à
  EXPECT_EQ(CatalogName("\xE2\x82\xAC \xC5\x93"), "\x80 \x9C");      // € œ: the 0x80 row
  EXPECT_EQ(CatalogName("\xCE\xA9mega"), "?mega");                   // Ω: not in the code page
  EXPECT_EQ(CatalogName("\xF0\x9F\x98\x80!"), "?!");                 // four bytes, one '?'
}

TEST(ImportNames, CatalogueNamesCannotBreakTheFile) {
  EXPECT_EQ(CatalogName("Say \"hi\""), "Say 'hi'");
  EXPECT_EQ(CatalogName("a\r\nb\tc\x1A" "d"), "a  b c d");
  EXPECT_EQ(CatalogName("  padded  "), "padded");
  EXPECT_EQ(CatalogName("\x01\x02"), "");
  // Malformed UTF-8: a stray continuation byte, a cut sequence, an overlong form, a surrogate.
  EXPECT_EQ(CatalogName("a\x80" "b"), "a?b");
  EXPECT_EQ(CatalogName("a\xC3"), "a?");
  EXPECT_EQ(CatalogName("\xC0\xAF"), "??");
  EXPECT_EQ(CatalogName("\xE0\x80\xAF"), "???");
  EXPECT_EQ(CatalogName("\xED\xA0\x80"), "???");
}

TEST(ImportNames, AFieldWithACommaIsQuoted) {
  EXPECT_EQ(NameField("(433) Eros"), "(433) Eros");
  EXPECT_EQ(NameField("(7003) Gamma, Delta"), "\"(7003) Gamma, Delta\"");
}

TEST(ImportNames, ContainsIgnoringCase) {
  EXPECT_TRUE(ContainsIgnoringCase("(433) Eros", "eros"));
  EXPECT_TRUE(ContainsIgnoringCase("(433) Eros", "433) E"));
  EXPECT_TRUE(ContainsIgnoringCase("(433) Eros", ""));
  EXPECT_FALSE(ContainsIgnoringCase("(433) Eros", "erosa"));
  EXPECT_FALSE(ContainsIgnoringCase("Er", "Eros"));
}

}  // namespace
}  // namespace moid::sources

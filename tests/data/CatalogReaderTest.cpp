#include "data/CatalogReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "data/CatalogText.h"

namespace moid {
namespace {

using testing::Crlf;
using testing::Lf;
using testing::REFERENCE_LINE;
using testing::THREE_BODY_LINES;

class CatalogReaderTest : public ::testing::Test {
 protected:
  CatalogReadReport Parse(const std::string& text) { return ParseCatalog(text, *catalog); }
  const ElementRecord& Body(int index) { return catalog->bodies[static_cast<std::size_t>(index)]; }

  std::unique_ptr<BodyCatalog> catalog = std::make_unique<BodyCatalog>();
};

void ExpectSameRecord(const ElementRecord& a, const ElementRecord& b) {
  EXPECT_EQ(a.eccentricity, b.eccentricity);
  EXPECT_EQ(a.inclination, b.inclination);
  EXPECT_EQ(a.perihelionArgument, b.perihelionArgument);
  EXPECT_EQ(a.ascendingNode, b.ascendingNode);
  EXPECT_EQ(a.semiMajorAxis, b.semiMajorAxis);
  EXPECT_EQ(a.meanAnomaly, b.meanAnomaly);
  EXPECT_EQ(a.name, b.name);
}

void ExpectSameCatalog(const BodyCatalog& a, const BodyCatalog& b) {
  EXPECT_EQ(a.epoch, b.epoch);
  ExpectSameRecord(a.reference, b.reference);
  ASSERT_EQ(a.lastIndex, b.lastIndex);
  for (int i = 0; i <= a.lastIndex; ++i) {
    SCOPED_TRACE(i);
    ExpectSameRecord(a.bodies[static_cast<std::size_t>(i)], b.bodies[static_cast<std::size_t>(i)]);
  }
}

bool IsEmptySlot(const ElementRecord& r) {
  return r.eccentricity == 0 && r.inclination == 0 && r.perihelionArgument == 0 &&
         r.ascendingNode == 0 && r.semiMajorAxis == 0 && r.meanAnomaly == 0 && r.name.empty();
}

TEST_F(CatalogReaderTest, ReadsReferenceAndBodiesInFileOrder) {
  const CatalogReadReport report = Parse(Crlf(THREE_BODY_LINES));
  EXPECT_EQ(catalog->epoch, 2460000.5);
  ExpectSameRecord(catalog->reference, {0.0167, 0.0, 102.9, 0.0, 1.0, 357.5, "Earth"});
  ASSERT_EQ(catalog->lastIndex, 2);
  ExpectSameRecord(Body(0), {0.2229, 10.83, 178.9, 304.3, 1.458, 110.8, "(433) Eros"});
  ExpectSameRecord(Body(1), {0.1911, 3.34, 126.6, 204.4, 0.9224, 247.0, "(99942) Apophis"});
  ExpectSameRecord(Body(2), {0.5, 1.0, 2.0, 3.0, 2.5, 4.0, "2020 KQ11"});
  EXPECT_TRUE(IsEmptySlot(Body(3)));
  EXPECT_TRUE(IsEmptySlot(Body(CATALOG_LAST_INDEX)));
  EXPECT_EQ(catalog->bodies.size(), static_cast<std::size_t>(CATALOG_LAST_INDEX) + 1);
  EXPECT_TRUE(report.skipped.empty());
  EXPECT_EQ(report.skippedCount, 0);
  EXPECT_FALSE(report.truncated);
  EXPECT_FALSE(report.unreadable);
  EXPECT_EQ(report.referenceProblem, "");
}

TEST_F(CatalogReaderTest, RecordZeroOnlyHoldsNoBody) {
  Parse(REFERENCE_LINE + "\r\n");
  EXPECT_EQ(catalog->lastIndex, -1);
  EXPECT_EQ(catalog->reference.name, "Earth");
  EXPECT_TRUE(IsEmptySlot(Body(0)));
  Parse(REFERENCE_LINE);  // no final line break
  EXPECT_EQ(catalog->lastIndex, -1);
  EXPECT_EQ(catalog->reference.name, "Earth");
}

TEST_F(CatalogReaderTest, EmptyFileGivesZeroReferenceAndNoBody) {
  const CatalogReadReport report = Parse("");
  EXPECT_EQ(catalog->epoch, 0);
  EXPECT_TRUE(IsEmptySlot(catalog->reference));
  EXPECT_EQ(catalog->lastIndex, -1);
  EXPECT_NE(report.referenceProblem, "");  // a = 0 is no orbit
}

TEST_F(CatalogReaderTest, FileEndingInsideRecordZero) {
  Parse("2451545.0,0.0167,0.5,102.9");
  EXPECT_EQ(catalog->epoch, 2451545.0);
  ExpectSameRecord(catalog->reference, {0.0167, 0.5, 102.9, 0, 0, 0, ""});
  EXPECT_EQ(catalog->lastIndex, -1);
}

TEST_F(CatalogReaderTest, FieldEightIsRoundedHalfToEvenAndIgnored) {
  const auto tagOf = [&](const std::string& field) {
    return Parse("2451545,0.1,0,0,0,1,0," + field + ",Earth\r\n").referenceTag;
  };
  EXPECT_EQ(tagOf("2.5"), 2.0);
  EXPECT_EQ(tagOf("3.5"), 4.0);
  EXPECT_EQ(tagOf("-2.5"), -2.0);
  EXPECT_EQ(tagOf("0.49999"), 0.0);
  EXPECT_EQ(tagOf("7"), 7.0);
  EXPECT_EQ(tagOf("x"), 0.0);
  EXPECT_EQ(catalog->reference.name, "Earth");
}

TEST_F(CatalogReaderTest, RecordSplitOverLinesReadsLikeOneLine) {
  BodyCatalog oneLine;
  ParseCatalog(Crlf(THREE_BODY_LINES), oneLine);
  Parse(Crlf({REFERENCE_LINE, "0.2229,10.83,178.9", "304.3,1.458", "110.8,(433) Eros",
              "0.1911,3.34,126.6,204.4,0.9224,247.0", "(99942) Apophis",
              "0.5", "1.0", "2.0", "3.0", "2.5", "4.0", "2020 KQ11"}));
  ExpectSameCatalog(*catalog, oneLine);
}

TEST_F(CatalogReaderTest, BlanksSeparateNumericFields) {
  Parse(Crlf({"2451545 0.1 0 0 0 1 0 0 Earth", "0.25   1 2 3 4 5 Ceres"}));
  EXPECT_EQ(catalog->epoch, 2451545.0);
  EXPECT_EQ(catalog->reference.semiMajorAxis, 1.0);
  EXPECT_EQ(catalog->reference.name, "Earth");
  ASSERT_EQ(catalog->lastIndex, 0);
  ExpectSameRecord(Body(0), {0.25, 1, 2, 3, 4, 5, "Ceres"});
}

TEST_F(CatalogReaderTest, BlanksAroundCommasAndLeadingBlanksOfNames) {
  Parse(Crlf({REFERENCE_LINE, "  0.25 , 1 ,2,\t3 , 4,5,   Ceres Major  "}));
  ASSERT_EQ(catalog->lastIndex, 0);
  ExpectSameRecord(Body(0), {0.25, 1, 2, 3, 4, 5, "Ceres Major  "});
}

TEST_F(CatalogReaderTest, QuotedNameKeepsItsCommaUnquotedNameEndsThere) {
  Parse(Crlf({REFERENCE_LINE, "0.1,1,2,3,4,5,\"Smith, John\"", "0.2,1,1,1,2.5,10,Next"}));
  ASSERT_EQ(catalog->lastIndex, 1);
  EXPECT_EQ(Body(0).name, "Smith, John");
  ExpectSameRecord(Body(1), {0.2, 1, 1, 1, 2.5, 10, "Next"});

  // Unquoted, " John" becomes the first field of the next record (not a number: 0), and every
  // field after it shifts by one.
  Parse(Crlf({REFERENCE_LINE, "0.1,1,2,3,4,5,Smith, John", "0.2,1,1,1,2.5,10,Next"}));
  ASSERT_EQ(catalog->lastIndex, 1);
  EXPECT_EQ(Body(0).name, "Smith");
  ExpectSameRecord(Body(1), {0, 0.2, 1, 1, 1, 2.5, "10"});
}

TEST_F(CatalogReaderTest, QuotedNameHoldsBlanksTabsAndLineBreaks) {
  Parse("2451545,0.1,0,0,0,1,0,0,\" Earth\t&\r\nMoon \"\r\n0.1,1,2,3,4,5,\"A\"");
  EXPECT_EQ(catalog->reference.name, " Earth\t&\r\nMoon ");
  ASSERT_EQ(catalog->lastIndex, 0);
  EXPECT_EQ(Body(0).name, "A");
}

TEST_F(CatalogReaderTest, UnterminatedQuoteTakesTheRestOfTheFile) {
  Parse(Crlf({REFERENCE_LINE}) + "0.1,1,2,3,4,5,\"Eros, 433\r\nnext");
  ASSERT_EQ(catalog->lastIndex, 0);
  EXPECT_EQ(Body(0).name, "Eros, 433\r\nnext");
}

TEST_F(CatalogReaderTest, NameKeepsTrailingBlanks) {
  Parse(Crlf({REFERENCE_LINE, "0.1,1,2,3,4,5,Eros   ", "0.1,1,2,3,4,5,Eros"}));
  ASSERT_EQ(catalog->lastIndex, 1);
  EXPECT_EQ(Body(0).name, "Eros   ");
  EXPECT_EQ(Body(1).name, "Eros");
}

TEST_F(CatalogReaderTest, TabsAreDroppedFromFields) {
  Parse(Crlf({REFERENCE_LINE, "0.\t25,1,2,3,4,5,Ce\tres"}));
  ASSERT_EQ(catalog->lastIndex, 0);
  EXPECT_EQ(Body(0).eccentricity, 0.25);
  EXPECT_EQ(Body(0).name, "Ceres");
}

TEST_F(CatalogReaderTest, DExponentsReadLikeEExponents) {
  Parse(Crlf({REFERENCE_LINE, "1.5D-1,1.2d1,3D0,4E0,2.5e0,1D2,Dee"}));
  ASSERT_EQ(catalog->lastIndex, 0);
  ExpectSameRecord(Body(0), {0.15, 12, 3, 4, 2.5, 100, "Dee"});
}

TEST_F(CatalogReaderTest, AdjacentCommasAndTextGiveZero) {
  Parse(Crlf({REFERENCE_LINE, "0.5,,abc,-,2,.5e1,Odd"}));
  ASSERT_EQ(catalog->lastIndex, 0);
  ExpectSameRecord(Body(0), {0.5, 0, 0, 0, 2, 5, "Odd"});
}

TEST_F(CatalogReaderTest, NumericFieldEndsAfter255Bytes) {
  // 256 digits: the first 255 make one field, the last digit the next one.
  const std::string longField = "1" + std::string(254, '0') + "7";
  const CatalogReadReport report = Parse(Crlf({REFERENCE_LINE, "0.5,1,2," + longField + ",4,Big"}));
  EXPECT_EQ(report.skippedCount, 0);
  ASSERT_EQ(catalog->lastIndex, 0);
  // node = 1e254 (255 bytes), a = 7 (the 256th byte), M = 4, name "Big".
  ExpectSameRecord(Body(0), {0.5, 1, 2, 1e254, 7, 4, "Big"});
}

TEST_F(CatalogReaderTest, DroppedBytesDoNotCountTowardsTheLimit) {
  std::string field;
  for (int i = 0; i < 255; ++i) field += "\t1";
  Parse(Crlf({REFERENCE_LINE, "0.5,1,2,3," + field + ",4,Tabs"}));
  ASSERT_EQ(catalog->lastIndex, 0);
  EXPECT_EQ(Body(0).semiMajorAxis, 1.1111111111111111e254);
  EXPECT_EQ(Body(0).meanAnomaly, 4);
  EXPECT_EQ(Body(0).name, "Tabs");
}

TEST_F(CatalogReaderTest, TrailingMatterThatAddsNothing) {
  const std::string base = Crlf(THREE_BODY_LINES);
  BodyCatalog expected;
  ParseCatalog(base, expected);
  for (const std::string& tail : {std::string(""), std::string("   "), std::string("\x1A"),
                                  std::string("\r\n"), std::string("  \r\n"), std::string("7"),
                                  std::string("7,"), std::string("7\r\n"),
                                  std::string("\x1A\r\n\r\n0.1,1,2,3,4,5,Hidden\r\n")}) {
    SCOPED_TRACE(::testing::PrintToString(tail));
    const CatalogReadReport report = Parse(base + tail);
    ExpectSameCatalog(*catalog, expected);
    EXPECT_EQ(report.skippedCount, 0);
  }
  // The last name may end at the end of the file instead of a line break.
  Parse(base.substr(0, base.size() - 2));
  ExpectSameCatalog(*catalog, expected);
}

TEST_F(CatalogReaderTest, LongerTrailingMatterIsReadAsBodies) {
  // Two empty lines make one body of zeros: no orbit, so it takes no slot and is reported.
  const CatalogReadReport report = Parse(Crlf(THREE_BODY_LINES) + "\r\n\r\n");
  EXPECT_EQ(catalog->lastIndex, 2);
  ASSERT_EQ(report.skipped.size(), 1u);
  EXPECT_EQ(report.skipped[0].position, 4);
  EXPECT_EQ(report.skipped[0].name, "");
  EXPECT_EQ(report.skipped[0].reason, "semi-major axis 0 AU is not positive");

  // A partial record with a usable orbit: missing fields are 0, the missing name is empty.
  Parse(Crlf(THREE_BODY_LINES) + "0.5,1,2,3,4");
  ASSERT_EQ(catalog->lastIndex, 3);
  ExpectSameRecord(Body(3), {0.5, 1, 2, 3, 4, 0, ""});
}

TEST_F(CatalogReaderTest, EndMarkEndsTheDataAnywhere) {
  Parse(Crlf({REFERENCE_LINE}) + "0.1,1,2,3,4,5,Er\x1Aos,0.2,1,2,3,4,5,B\r\n");
  ASSERT_EQ(catalog->lastIndex, 0);
  EXPECT_EQ(Body(0).name, "Er");
  Parse(Crlf({REFERENCE_LINE}) + "0.1,1,2,3,4,5,\"Er\x1Aos\"\r\n");
  EXPECT_EQ(Body(0).name, "Er");
  Parse(Crlf({REFERENCE_LINE}) + "0.1,1,2,3,4.5\x1A" "5,5,Er\r\n");
  ASSERT_EQ(catalog->lastIndex, 0);
  ExpectSameRecord(Body(0), {0.1, 1, 2, 3, 4.5, 0, ""});
  // Inside record 0 too: the first field alone.
  Parse("2451545\x1A,0.1");
  EXPECT_EQ(catalog->epoch, 2451545.0);
  EXPECT_EQ(catalog->reference.eccentricity, 0.0);
}

TEST_F(CatalogReaderTest, UnixLineEndingsReadLikeCrLf) {
  BodyCatalog crlf;
  ParseCatalog(Crlf(THREE_BODY_LINES), crlf);
  Parse(Lf(THREE_BODY_LINES));
  ExpectSameCatalog(*catalog, crlf);
  // Split records, blanks before the break, empty trailing line.
  const std::vector<std::string> split = {REFERENCE_LINE, "0.2229,10.83,178.9  ",
                                          "304.3,1.458,110.8", "(433) Eros  ", ""};
  ParseCatalog(Crlf(split), crlf);
  Parse(Lf(split));
  ExpectSameCatalog(*catalog, crlf);
  EXPECT_EQ(Body(0).name, "(433) Eros  ");
}

TEST_F(CatalogReaderTest, OldMacLineEndingsReadLikeCrLf) {
  BodyCatalog crlf;
  ParseCatalog(Crlf(THREE_BODY_LINES), crlf);
  Parse(testing::JoinLines(THREE_BODY_LINES, "\r"));
  ExpectSameCatalog(*catalog, crlf);
}

TEST_F(CatalogReaderTest, BareLineFeedEndsEmptyFieldsLikeCrLf) {
  // A bare LF after a comma-ended field is an empty field, exactly as a CR LF there would be.
  BodyCatalog crlf;
  ParseCatalog(Crlf({REFERENCE_LINE, "0.5,1,2,", "4,5,6,Shifted"}), crlf);
  Parse(Lf({REFERENCE_LINE, "0.5,1,2,", "4,5,6,Shifted"}));
  ExpectSameCatalog(*catalog, crlf);
  ASSERT_EQ(catalog->lastIndex, 0);
  ExpectSameRecord(Body(0), {0.5, 1, 2, 0, 4, 5, "6"});
  // Two empty lines at the end: one body of zeros either way.
  EXPECT_EQ(Parse(Lf(THREE_BODY_LINES) + "\n\n").skippedCount, 1);
  EXPECT_EQ(Parse(Lf(THREE_BODY_LINES) + "\n").skippedCount, 0);
}

TEST_F(CatalogReaderTest, UndrawableBodiesTakeNoSlotAndAreReported) {
  const CatalogReadReport report = Parse(Crlf({
      REFERENCE_LINE,
      "0.1,1,2,3,4,5,Good A",
      "1,1,2,3,4,5,Parabola",
      "1.5,1,2,3,4,5,Hyperbola",
      "-0.1,1,2,3,4,5,Negative",
      "0.1,1,2,3,0,5,Zero Axis",
      "0.1,1,2,3,-2,5,Negative Axis",
      "0.1,1e999,2,3,4,5,Infinite",
      "0.1,1,2,3,4,-1e400,Minus Infinite",
      "0.99999999,1,2,3,4,5,Good B",
      "0,1,2,3,1e-300,5,Good C",
  }));
  ASSERT_EQ(catalog->lastIndex, 2);
  EXPECT_EQ(Body(0).name, "Good A");
  EXPECT_EQ(Body(1).name, "Good B");
  EXPECT_EQ(Body(2).name, "Good C");
  EXPECT_TRUE(IsEmptySlot(Body(3)));
  ASSERT_EQ(report.skipped.size(), 7u);
  EXPECT_EQ(report.skippedCount, 7);
  const int positions[] = {2, 3, 4, 5, 6, 7, 8};
  const char* names[] = {"Parabola",      "Hyperbola", "Negative",      "Zero Axis",
                         "Negative Axis", "Infinite",  "Minus Infinite"};
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(report.skipped[i].position, positions[i]);
    EXPECT_EQ(report.skipped[i].name, names[i]);
  }
  EXPECT_EQ(report.skipped[0].reason, "eccentricity 1 is not below 1 (not an ellipse)");
  EXPECT_EQ(report.skipped[1].reason, "eccentricity 1.5 is not below 1 (not an ellipse)");
  EXPECT_EQ(report.skipped[2].reason, "eccentricity -0.1 is negative (not an ellipse)");
  EXPECT_EQ(report.skipped[3].reason, "semi-major axis 0 AU is not positive");
  EXPECT_EQ(report.skipped[4].reason, "semi-major axis -2 AU is not positive");
  EXPECT_EQ(report.skipped[5].reason, "an element is not a finite number");
  EXPECT_EQ(report.skipped[6].reason, "an element is not a finite number");
}

TEST_F(CatalogReaderTest, UndrawableReferenceIsKeptAndReported) {
  const CatalogReadReport report =
      Parse(Crlf({"2451545,1.2,0,0,0,1,0,0,Earth", "0.1,1,2,3,4,5,A"}));
  EXPECT_EQ(catalog->reference.eccentricity, 1.2);
  EXPECT_EQ(report.referenceProblem, "eccentricity 1.2 is not below 1 (not an ellipse)");
  EXPECT_EQ(catalog->lastIndex, 0);
  EXPECT_EQ(Parse(Crlf({"1e400,0.1,0,0,0,1,0,0,Earth"})).referenceProblem,
            "the epoch is not a finite number");
}

TEST_F(CatalogReaderTest, MoreBodiesThanSlotsStopsAtTheLastSlot) {
  const CatalogReadReport report = Parse(testing::ManyBodies(CATALOG_LAST_INDEX + 3));
  EXPECT_EQ(catalog->lastIndex, CATALOG_LAST_INDEX);
  EXPECT_EQ(catalog->bodies.size(), static_cast<std::size_t>(CATALOG_LAST_INDEX) + 1);
  EXPECT_EQ(Body(0).name, "B1");
  EXPECT_EQ(Body(CATALOG_LAST_INDEX).name, "B25001");
  EXPECT_TRUE(report.truncated);
  EXPECT_EQ(report.firstUnreadPosition, CATALOG_LAST_INDEX + 2);
}

TEST_F(CatalogReaderTest, ExactlyFullCatalogueIsNotTruncated) {
  // 25,001 bodies, an undrawable record, then an empty line: every slot used, nothing lost.
  const CatalogReadReport full =
      Parse(testing::ManyBodies(CATALOG_LAST_INDEX + 1) + "0.1,1,2,3,0,5,No axis\r\n\r\n");
  EXPECT_EQ(catalog->lastIndex, CATALOG_LAST_INDEX);
  EXPECT_EQ(Body(CATALOG_LAST_INDEX).name, "B25001");
  EXPECT_FALSE(full.truncated);
  EXPECT_EQ(full.skippedCount, 1);
}

TEST_F(CatalogReaderTest, SkippedListIsCappedButCounted) {
  std::string text = REFERENCE_LINE + "\r\n";
  const int count = MAX_LISTED_SKIPS + 5;
  for (int i = 0; i < count; ++i) text += "2,1,2,3,4,5,H\r\n";
  text += "0.1,1,2,3,4,5,Last\r\n";
  const CatalogReadReport report = Parse(text);
  EXPECT_EQ(report.skippedCount, count);
  EXPECT_EQ(static_cast<int>(report.skipped.size()), MAX_LISTED_SKIPS);
  EXPECT_EQ(report.skipped.back().position, MAX_LISTED_SKIPS);
  ASSERT_EQ(catalog->lastIndex, 0);
  EXPECT_EQ(Body(0).name, "Last");
}

TEST_F(CatalogReaderTest, EveryReadReplacesTheWholeCatalogue) {
  Parse(testing::ManyBodies(50));
  ASSERT_EQ(catalog->lastIndex, 49);
  Parse(Crlf({"2451000,0.2,0,0,0,2,0,0,Other", "0.1,1,2,3,4,5,Only"}));
  EXPECT_EQ(catalog->epoch, 2451000.0);
  EXPECT_EQ(catalog->reference.name, "Other");
  ASSERT_EQ(catalog->lastIndex, 0);
  for (int i = 1; i < 60; ++i) EXPECT_TRUE(IsEmptySlot(Body(i))) << i;
}

}  // namespace
}  // namespace moid

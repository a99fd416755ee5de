#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "sources/SbdbReader.h"
#include "sources/SourceTestSupport.h"

namespace moid::sources {
namespace {

using testing::RecordedSource;
using testing::SampleText;

constexpr double MJD_59800 = 2459800.5;

RecordedSource ReadJson(const std::string& text, SourceFailure* failure = nullptr) {
  RecordedSource source;
  std::istringstream in(text);
  const SourceFailure result = ReadSbdbJson(in, source);
  if (failure != nullptr) *failure = result;
  return source;
}

RecordedSource ReadCsv(const std::string& text, SourceFailure* failure = nullptr) {
  RecordedSource source;
  std::istringstream in(text);
  const SourceFailure result = ReadSbdbCsv(in, source);
  if (failure != nullptr) *failure = result;
  return source;
}

TEST(ImportSbdb, JsonExportWithMissingValues) {
  SourceFailure failure = "unset";
  const RecordedSource source = ReadJson(SampleText("sbdb-sample.json"), &failure);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(source.Names(),
            (std::vector<std::string>{"(1) Ceres", "(433) Eros", "(5480) 1989 YK8", "2020 KQ11",
                                      "2002 PD153", "2017 U1", "(7003) Gamma, Delta",
                                      "(7004) D\xC3\xA9j\xC3\xA0 \"Vu\""}));
  const SourceBody& ceres = source.bodies[0];
  EXPECT_EQ(ceres.line, 4);
  EXPECT_EQ(ceres.epochJd, MJD_59800);
  EXPECT_EQ(ceres.eccentricity, 0.07863575691875528);
  EXPECT_EQ(ceres.semiMajorAxis, 2.766619044655007);
  EXPECT_EQ(ceres.inclination, 10.58679512153367);
  EXPECT_EQ(ceres.ascendingNode, 80.2664361119415);
  EXPECT_EQ(ceres.perihelionArgument, 73.53162522557164);
  EXPECT_EQ(ceres.meanAnomaly, 334.3271698971151);
  EXPECT_EQ(ceres.nearEarth, false);
  EXPECT_EQ(source.bodies[1].nearEarth, true);
  EXPECT_EQ(source.bodies[3].epochJd, 2459000.5);
  // A null mean anomaly is missing, not a fault of the line: the body comes, to be dropped.
  EXPECT_EQ(source.bodies[4].meanAnomaly, std::nullopt);
  EXPECT_EQ(source.bodies[4].eccentricity, 0.0);
  // JSON numbers (not strings) read the same.
  EXPECT_EQ(source.bodies[6].eccentricity, 0.25);
  EXPECT_EQ(source.bodies[6].epochJd, MJD_59800);
}

TEST(ImportSbdb, JsonRowsThatCannotBeReadAreReportedWithTheirLines) {
  const RecordedSource source = ReadJson(SampleText("sbdb-sample.json"));
  EXPECT_EQ(source.ProblemLines(), (std::vector<int>{10, 11, 12}));
  ASSERT_EQ(source.problems.size(), 3u);
  EXPECT_EQ(source.problems[0].message,
            "data row 7: value 11 is not a string, a number or null; skipped");
  EXPECT_EQ(source.problems[1].message, "data row 8: \"e\" is \"abc\", not a number; skipped");
  EXPECT_EQ(source.problems[2].message, "data row 9: 19 values for 20 fields; skipped");
}

TEST(ImportSbdb, CsvExportWithMissingValues) {
  SourceFailure failure = "unset";
  const RecordedSource source = ReadCsv(SampleText("sbdb-sample.csv"), &failure);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(source.Names(),
            (std::vector<std::string>{"(1) Ceres", "(433) Eros", "(5480) 1989 YK8", "2020 KQ11",
                                      "2002 PD153", "(7003) Gamma, Delta"}));
  const SourceBody& eros = source.bodies[1];
  EXPECT_EQ(eros.line, 3);
  EXPECT_EQ(eros.nearEarth, true);
  EXPECT_EQ(eros.epochJd, MJD_59800);
  EXPECT_EQ(eros.eccentricity, 0.2228359407071628);
  EXPECT_EQ(eros.semiMajorAxis, 1.458120998474684);
  EXPECT_EQ(eros.inclination, 10.82846651399785);
  EXPECT_EQ(eros.ascendingNode, 304.2701025753316);
  EXPECT_EQ(eros.perihelionArgument, 178.9297536744151);
  EXPECT_EQ(eros.meanAnomaly, 246.9038297045412);
  EXPECT_EQ(source.bodies[2].line, 5);  // after the blank line
  EXPECT_EQ(source.bodies[4].meanAnomaly, std::nullopt);
  EXPECT_EQ(source.ProblemLines(), (std::vector<int>{8, 9, 11, 12}));
  ASSERT_EQ(source.problems.size(), 4u);
  EXPECT_EQ(source.problems[0].message, "\"e\" is \"abc\", not a number; skipped");
  EXPECT_EQ(source.problems[1].message, "13 values for 14 fields; skipped");
}

TEST(ImportSbdb, ExportsThatLackNeededFieldsCannotBeUsed) {
  SourceFailure failure;
  ReadJson(R"({"fields": ["full_name", "e", "a", "i", "om"], "data": []})", &failure);
  EXPECT_EQ(failure,
            "the export lacks the fields epoch_mjd, w, ma: the import needs full_name (or pdes), "
            "epoch_mjd (or epoch), e, a, i, om, w and ma");
  ReadCsv("spkid,e\n1,2\n", &failure);
  EXPECT_EQ(failure.rfind("the export lacks the fields full_name, epoch_mjd, a, i, om, w, ma:", 0),
            0u)
      << failure;
}

TEST(ImportSbdb, DesignationAndNameAndAJulianDayEpoch) {
  const RecordedSource source = ReadCsv(
      "PDES,Name,Epoch,E,A,I,OM,W,MA\n"
      "433,Eros,2460800.5,0.22,1.46,10.8,304.3,178.9,110.8\n"
      "5480,,2460800.5,0.11,2.71,11.6,320.9,110.4,96.5\n"
      "2020 KQ11,,2460800.5,0.05,2.2,3.5,12.2,200.5,50.25\n");
  EXPECT_EQ(source.Names(), (std::vector<std::string>{"(433) Eros", "(5480)", "2020 KQ11"}));
  EXPECT_EQ(source.bodies[0].epochJd, 2460800.5);
  EXPECT_EQ(source.bodies[0].nearEarth, std::nullopt);  // no neo field
  EXPECT_TRUE(source.problems.empty());
}

// Names of `cut` that agree with the start of `full`.
std::size_t AgreeingNames(const std::vector<std::string>& cut, const std::vector<std::string>& full) {
  std::size_t n = 0;
  while (n < cut.size() && n < full.size() && cut[n] == full[n]) ++n;
  return n;
}

TEST(ImportSbdb, AJsonExportCutAnywhereKeepsTheRowsBeforeTheCut) {
  const std::string text = SampleText("sbdb-sample.json");
  const std::vector<std::string> full = ReadJson(text).Names();
  for (std::size_t size = 0; size < text.size(); ++size) {
    SourceFailure failure;
    const RecordedSource cut = ReadJson(text.substr(0, size), &failure);
    // A row is whole or not there: what was read is the start of the whole export.
    ASSERT_EQ(AgreeingNames(cut.Names(), full), cut.bodies.size()) << "cut at " << size;
    if (!failure.empty()) {
      EXPECT_TRUE(cut.bodies.empty()) << "cut at " << size;
    }
  }
}

TEST(ImportSbdb, ACsvExportCutAnywhereKeepsTheLinesBeforeTheCut) {
  const std::string text = SampleText("sbdb-sample.csv");
  const std::vector<std::string> full = ReadCsv(text).Names();
  for (std::size_t size = 0; size < text.size(); ++size) {
    const RecordedSource cut = ReadCsv(text.substr(0, size));
    // Only the line that was cut may differ.
    ASSERT_GE(AgreeingNames(cut.Names(), full) + 1, cut.bodies.size()) << "cut at " << size;
  }
}

}  // namespace
}  // namespace moid::sources

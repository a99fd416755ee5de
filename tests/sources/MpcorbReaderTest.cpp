#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "sources/MpcorbReader.h"
#include "sources/PackedForms.h"
#include "sources/SourceTestSupport.h"

namespace moid::sources {
namespace {

using testing::RecordedSource;
using testing::SampleText;

constexpr double K2555 = 2460800.5;  // 2025 May 5.0

RecordedSource ReadText(const std::string& text) {
  RecordedSource source;
  std::istringstream in(text);
  EXPECT_EQ(ReadMpcorb(in, source), "");
  return source;
}

// The line of Ceres in the sample, with its fields in their columns.
std::string CeresLine() {
  const std::string text = SampleText("mpcorb-sample.dat");
  const std::size_t start = text.find("00001 ");
  return text.substr(start, text.find('\n', start) - start);
}

TEST(ImportMpcorb, TheHeaderAboveTheDashesIsPassedOver) {
  const RecordedSource source = ReadText(SampleText("mpcorb-sample.dat"));
  EXPECT_EQ(source.Names(),
            (std::vector<std::string>{"(1) Ceres", "(433) Eros", "(99942) Apophis",
                                      "(100000) Astronautica", "(620000)", "2020 KQ11",
                                      "1998 SQ108", "2025 AB", "2021 DF2"}));
  std::vector<int> lines;
  for (const SourceBody& body : source.bodies) lines.push_back(body.line);
  EXPECT_EQ(lines, (std::vector<int>{16, 17, 18, 19, 20, 22, 23, 24, 29}));
}

TEST(ImportMpcorb, ElementsFromTheirColumns) {
  const RecordedSource source = ReadText(SampleText("mpcorb-sample.dat"));
  const SourceBody& ceres = source.bodies[0];
  EXPECT_EQ(ceres.epochJd, K2555);
  EXPECT_EQ(ceres.meanAnomaly, 188.70269);
  EXPECT_EQ(ceres.perihelionArgument, 73.27343);
  EXPECT_EQ(ceres.ascendingNode, 80.25221);
  EXPECT_EQ(ceres.inclination, 10.58780);
  EXPECT_EQ(ceres.eccentricity, 0.0794013);
  EXPECT_EQ(ceres.semiMajorAxis, 2.7660512);
  EXPECT_EQ(source.bodies[3].epochJd, JulianDayOfDate(2024, 12, 1));  // K24C1
  EXPECT_EQ(source.bodies[7].eccentricity, 1.0012345);  // read; dropped later
  EXPECT_EQ(source.bodies[8].meanAnomaly, std::nullopt);  // blank: missing
}

TEST(ImportMpcorb, NearEarthFlagsOfColumns162To165) {
  const RecordedSource source = ReadText(SampleText("mpcorb-sample.dat"));
  EXPECT_EQ(source.bodies[0].nearEarth, false);  // 0000
  EXPECT_EQ(source.bodies[1].nearEarth, true);   // 1804: Amor, NEO, 1-km NEO
  EXPECT_EQ(source.bodies[2].nearEarth, true);   // 8802: Aten, NEO, PHA
  EXPECT_EQ(source.bodies[5].nearEarth, true);   // 0803: Apollo, NEO; blank H and G
  std::string amorOnly = CeresLine();
  amorOnly.replace(161, 4, "0004");
  EXPECT_EQ(ParseMpcorbLine(amorOnly, 1).body.nearEarth, true);
  std::string noFlags = CeresLine().substr(0, 160);
  EXPECT_EQ(ParseMpcorbLine(noFlags, 1).body.nearEarth, std::nullopt);
}

TEST(ImportMpcorb, BadLinesAreReportedWithTheirNumbers) {
  const RecordedSource source = ReadText(SampleText("mpcorb-sample.dat"));
  EXPECT_EQ(source.ProblemLines(), (std::vector<int>{26, 27, 28}));
  ASSERT_EQ(source.problems.size(), 3u);
  EXPECT_EQ(source.problems[0].message,
            "truncated: the line ends at column 80, the elements run to column 103; skipped");
  EXPECT_EQ(source.problems[1].message, "epoch \"K25X5\" is not a packed date; skipped");
  EXPECT_EQ(source.problems[2].message, "mean anomaly \"1O.00000\" is not a number; skipped");
}

TEST(ImportMpcorb, FieldsOutOfPlace) {
  // One blank too many in front: H runs into column 14.
  const MpcorbLine shifted = ParseMpcorbLine(" " + CeresLine(), 7);
  EXPECT_EQ(shifted.problem, "column 14 is not blank: the fields are out of place");
  std::string longDesignation = CeresLine();
  longDesignation[7] = 'X';
  EXPECT_EQ(ParseMpcorbLine(longDesignation, 7).problem,
            "column 8 is not blank: the fields are out of place");
  std::string glued = CeresLine();
  glued[91] = '9';  // column 92, between the mean motion and a
  EXPECT_EQ(ParseMpcorbLine(glued, 7).problem, "column 92 is not blank: the fields are out of place");
  const MpcorbLine fine = ParseMpcorbLine(CeresLine() + "\r", 7);  // trailing bytes are harmless
  EXPECT_EQ(fine.problem, "");
  EXPECT_EQ(fine.body.line, 7);
}

TEST(ImportMpcorb, AFileWithoutHeaderHasDataFromItsFirstLine) {
  const std::string ceres = CeresLine();
  const RecordedSource source = ReadText(ceres + "\r\n\r\n" + ceres + "\r\n");
  EXPECT_EQ(source.Names(), (std::vector<std::string>{"(1) Ceres", "(1) Ceres"}));
  EXPECT_EQ(source.bodies[1].line, 3);
  EXPECT_TRUE(source.problems.empty());

  std::string longFile;
  for (int i = 0; i < 250; ++i) longFile += ceres + "\n";
  EXPECT_EQ(ReadText(longFile).bodies.size(), 250u);
}

TEST(ImportMpcorb, HeaderEnd) {
  EXPECT_TRUE(IsHeaderEnd(std::string(160, '-')));
  EXPECT_TRUE(IsHeaderEnd("  ----------  "));
  EXPECT_FALSE(IsHeaderEnd("---------"));
  EXPECT_FALSE(IsHeaderEnd("----- -----"));
  EXPECT_FALSE(IsHeaderEnd(""));
}

TEST(ImportMpcorb, ProgressIsReportedUpToTheWholeInput) {
  std::string text;
  const std::string ceres = CeresLine();
  for (int i = 0; i < 5000; ++i) text += ceres + "\n";
  const RecordedSource source = ReadText(text);
  ASSERT_FALSE(source.progress.empty());
  EXPECT_EQ(source.progress.back(), text.size());
  for (std::size_t i = 1; i < source.progress.size(); ++i) {
    EXPECT_LE(source.progress[i - 1], source.progress[i]);
  }
}

TEST(ImportMpcorb, AFileCutAnywhereKeepsTheLinesBeforeTheCut) {
  const std::string text = SampleText("mpcorb-sample.dat");
  const std::vector<std::string> full = ReadText(text).Names();
  for (std::size_t size = 0; size < text.size(); ++size) {
    const RecordedSource cut = ReadText(text.substr(0, size));
    std::size_t agreeing = 0;
    while (agreeing < cut.bodies.size() && cut.bodies[agreeing].name == full[agreeing]) ++agreeing;
    ASSERT_GE(agreeing + 1, cut.bodies.size()) << "cut at " << size;  // the cut line may differ
  }
}

// A visitor that wants no more after its second body.
struct TwoBodies final : SourceVisitor {
  std::vector<SourceBody> bodies;
  void OnBody(SourceBody&& body) override { bodies.push_back(std::move(body)); }
  void OnProblem(SourceProblem&&) override {}
  bool WantsMore() const override { return bodies.size() < 2; }
};

TEST(ImportMpcorb, ReadingStopsWhenNothingMoreIsWanted) {
  const std::string text = SampleText("mpcorb-sample.dat");
  std::istringstream in(text);
  TwoBodies two;
  EXPECT_EQ(ReadMpcorb(in, two), "");
  EXPECT_EQ(two.bodies.size(), 2u);
  RecordedSource all = ReadText(text);
  ASSERT_GT(all.bodies.size(), 2u);
  EXPECT_EQ(two.bodies[1].name, all.bodies[1].name);
}

}  // namespace
}  // namespace moid::sources

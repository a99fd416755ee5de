#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "data/TempDirectory.h"
#include "tools/CommandRunSupport.h"
#include "tools/Commands.h"
#include "tools/OddBodies.h"
#include "tools/SharedData.h"
#include "tools/ToolProcess.h"

namespace moid::tools {
namespace {


CommandRun RunMoid(const std::vector<std::string>& args) { return RunCommand(RunMoidCommand, args); }
CommandRun RunImport(const std::vector<std::string>& args) {
  return RunCommand(RunImportCommand, args);
}

struct Row {
  long index = 0;
  std::string name;
  double moidAu = 0;
  std::string epoch;
};

std::vector<Row> Rows(const std::string& out) {
  std::vector<Row> rows;
  const std::vector<std::string> lines = Split(out, '\n');
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> f = Split(lines[i], '\t');
    EXPECT_EQ(f.size(), 13u) << lines[i];
    if (f.size() != 13u) continue;
    rows.push_back({std::stol(f[0]), f[1], std::stod(f[2]), f[12]});
  }
  return rows;
}

// The NEA list's lines with their packed epoch (columns 21-25) replaced.
std::string WithEpoch(std::string line, const std::string& packed) {
  return line.replace(20, 5, packed);
}

const std::vector<std::string> EPOCHS = {"K1972", "K2555", "K0311"};  // 2019, 2025, 2003
const std::vector<std::string> EPOCH_JDS = {"2458666.5", "2460800.5", "2452640.5"};

TEST(MoidFromSource, EachBodyIsMeasuredAgainstTheEarthOfItsOwnEpoch) {
  const std::vector<std::string> nea = NeaLines();
  ASSERT_GE(nea.size(), 60u) << "the NEA list was not found";
  moid::testing::TempDirectory dir;
  std::vector<std::string> mixed;
  std::vector<std::vector<std::string>> byEpoch(3);
  for (std::size_t i = 0; i < 60; ++i) {
    mixed.push_back(WithEpoch(nea[i], EPOCHS[i % 3]));
    byEpoch[i % 3].push_back(mixed.back());
  }
  const std::string mixedPath = dir.WriteFile("mixed.txt", JoinLines(mixed));
  const CommandRun run = RunMoid({mixedPath, "--width", "72", "--threads", "3"});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::vector<Row> rows = Rows(run.out);
  ASSERT_EQ(rows.size(), 60u);
  // The same bodies one epoch at a time: import writes that epoch's Earth as record 0 and
  // refers the bodies to its plane; moid measures against record 0.
  double largestShift = 0;
  for (std::size_t e = 0; e < 3; ++e) {
    const std::string group = dir.WriteFile("group" + std::to_string(e) + ".txt", JoinLines(byEpoch[e]));
    const std::string catalogue = dir.Path("E" + std::to_string(e) + ".DAT");
    ASSERT_EQ(RunImport({group, "--epoch", EPOCH_JDS[e], "-o", catalogue}).code, 0);
    const std::vector<Row> alone = Rows(RunMoid({catalogue, "--width", "72"}).out);
    ASSERT_EQ(alone.size(), 20u);
    for (std::size_t k = 0; k < 20; ++k) {
      const Row& row = rows[k * 3 + e];
      EXPECT_EQ(row.index, static_cast<long>(k * 3 + e + 1));
      EXPECT_EQ(row.name, alone[k].name);
      EXPECT_EQ(row.epoch, EPOCH_JDS[e]);
      EXPECT_NEAR(row.moidAu, alone[k].moidAu, 1e-12) << row.name;
    }
    // Against another epoch's Earth the MOIDs differ: the check above can tell them apart.
    const std::string other = dir.Path("other" + std::to_string(e) + ".DAT");
    ASSERT_EQ(RunImport({group, "--epoch", EPOCH_JDS[(e + 1) % 3], "-o", other}).code, 0);
    const std::vector<Row> shifted = Rows(RunMoid({other, "--width", "72"}).out);
    for (std::size_t k = 0; k < 20; ++k) {
      largestShift = std::max(largestShift, std::fabs(shifted[k].moidAu - alone[k].moidAu));
    }
  }
  EXPECT_GT(largestShift, 1e-6);
}

TEST(MoidFromSource, RowsComeInInputOrderWhateverTheThreads) {
  const std::vector<std::string> nea = NeaLines();
  ASSERT_GE(nea.size(), 2000u);
  moid::testing::TempDirectory dir;
  const std::string path = dir.WriteFile(
      "nea.txt", JoinLines(std::vector<std::string>(nea.begin(), nea.begin() + 2000)));
  const CommandRun one = RunMoid({path, "--width", "72", "--threads", "1"});
  const CommandRun four = RunMoid({path, "--width", "72", "--threads", "4"});
  ASSERT_EQ(one.code, 0) << one.err;
  ASSERT_EQ(four.code, 0) << four.err;
  EXPECT_EQ(four.out, one.out);
  const std::vector<Row> rows = Rows(four.out);
  ASSERT_EQ(rows.size(), 2000u);
  for (std::size_t i = 0; i < rows.size(); ++i) ASSERT_EQ(rows[i].index, static_cast<long>(i + 1));
  EXPECT_EQ(rows[0].name, "\"(433) Eros\"");
  EXPECT_EQ(rows[0].epoch, "2458666.5");
  // JPL lists Eros's Earth MOID as 0.148353 AU (its 2025 orbit); the list's 2019 orbit
  // differs by little.
  EXPECT_NEAR(rows[0].moidAu, 0.1483, 2e-3);
  // --max-moid keeps the rows at or below it, in the same order.
  const CommandRun close = RunMoid({path, "--width", "72", "--max-moid", "0.05"});
  std::vector<Row> expected;
  for (const Row& row : rows) {
    if (row.moidAu <= 0.05) expected.push_back(row);
  }
  const std::vector<Row> kept = Rows(close.out);
  ASSERT_EQ(kept.size(), expected.size());
  ASSERT_FALSE(kept.empty());
  for (std::size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(kept[i].index, expected[i].index);
  EXPECT_NE(close.err.find("2000 bodies read, 2000 measured against the Earth at 1 epoch, " +
                           std::to_string(kept.size()) + " rows written (MOID at most 0.05 AU)\n"),
            std::string::npos)
      << close.err;
}

TEST(MoidFromSource, BrokenLinesInTheMiddleLoseOnlyThemselves) {
  const std::vector<std::string> nea = NeaLines();
  ASSERT_GE(nea.size(), 600u);
  std::vector<std::string> lines(nea.begin(), nea.begin() + 600);
  lines[99] = lines[99].substr(0, 60);         // cut short
  lines[299].replace(70, 9, "0.2x27385");       // eccentricity not a number
  lines[449].replace(92, 11, "-1.00000000");    // a < 0: measurable by nobody
  moid::testing::TempDirectory dir;
  const std::string path = dir.WriteFile("broken.txt", JoinLines(lines));
  const CommandRun run = RunMoid({path, "--width", "72"});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::vector<Row> rows = Rows(run.out);
  ASSERT_EQ(rows.size(), 597u);
  EXPECT_NE(run.err.find("moidtool moid: line 100: truncated"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("moidtool moid: line 300: eccentricity \"0.2x27385\" is not a number"),
            std::string::npos);
  EXPECT_NE(run.err.find("moidtool moid: line 450 \""), std::string::npos);
  EXPECT_NE(run.err.find("\": dropped: semi-major axis -1 AU is not positive\n"), std::string::npos);
  EXPECT_NE(run.err.find("598 bodies read, 597 measured against the Earth at 1 epoch, 597 rows "
                         "written, 1 dropped, 2 lines skipped\n"),
            std::string::npos)
      << run.err;
  // Every other body is there, in order: positions count the bodies read.
  std::vector<long> indices;
  for (const Row& row : rows) indices.push_back(row.index);
  EXPECT_EQ(indices.front(), 1);
  EXPECT_EQ(indices.back(), 598);
  // The body of line 450 is the 448th read (lines 100 and 300 hold none): dropped.
  EXPECT_EQ(std::count(indices.begin(), indices.end(), 448), 0);
  EXPECT_EQ(std::count(indices.begin(), indices.end(), 447), 1);
}

TEST(MoidFromSource, BodiesWhoseMoidCannotBeTrustedAreDroppedWithTheReason) {
  moid::testing::TempDirectory dir;
  const std::string path = dir.WriteFile(
      "odd.csv", ODD_BODIES_CSV);
  const CommandRun run = RunMoid({path, "--width", "72"});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::vector<Row> rows = Rows(run.out);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, "\"Fine\"");
  EXPECT_NE(run.err.find("line 2 \"Tiny\": dropped: perihelion distance 9e-301 AU lies inside the "
                         "Sun (below 0.00465 AU)\n"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("line 3 \"Sungrazer\": dropped: perihelion distance"), std::string::npos);
  EXPECT_NE(run.err.find("line 4 \"\": dropped: no name\n"), std::string::npos) << run.err;
  EXPECT_EQ(run.out.find("nan"), std::string::npos);
}

TEST(MoidFromSource, OptionsAndSelection) {
  const std::vector<std::string> nea = NeaLines();
  ASSERT_GE(nea.size(), 10u);
  moid::testing::TempDirectory dir;
  const std::string path =
      dir.WriteFile("ten.txt", JoinLines(std::vector<std::string>(nea.begin(), nea.begin() + 10)));
  const std::vector<Row> all = Rows(RunMoid({path, "--width", "72"}).out);
  ASSERT_EQ(all.size(), 10u);
  const std::vector<Row> third = Rows(RunMoid({path, "--width", "72", "--body", "3"}).out);
  ASSERT_EQ(third.size(), 1u);
  EXPECT_EQ(third[0].index, 3);
  EXPECT_EQ(third[0].moidAu, all[2].moidAu);
  const std::vector<Row> eros = Rows(RunMoid({path, "--width", "72", "--body", "eROS"}).out);
  ASSERT_EQ(eros.size(), 1u);
  EXPECT_EQ(eros[0].name, "\"(433) Eros\"");
  const CommandRun none = RunMoid({path, "--body", "Nobody"});
  EXPECT_EQ(none.code, 1);
  EXPECT_NE(none.err.find("no body of " + path + " is at position or named \"Nobody\""),
            std::string::npos);
  EXPECT_EQ(RunMoid({path, "--threads", "0"}).code, 2);
  EXPECT_EQ(RunMoid({path, "--max-moid", "-1"}).code, 2);
  EXPECT_EQ(RunMoid({path, "--format", "xml"}).code, 2);
  // Named formats are believed: the NEA list read as CSV has no field names it needs.
  const CommandRun asCsv = RunMoid({path, "--format", "sbdb-csv"});
  EXPECT_EQ(asCsv.code, 1);
  EXPECT_NE(asCsv.err.find("not usable as SBDB CSV"), std::string::npos) << asCsv.err;
}

TEST(MoidFromSource, UnrecognisedInputsAndDevicesSaySo) {
  moid::testing::TempDirectory dir;
  const CommandRun zero = RunMoid({"/dev/zero"});
  EXPECT_EQ(zero.code, 1);
  EXPECT_EQ(zero.err, "moidtool moid: /dev/zero (a character device): holds NUL bytes: it is not "
                      "a text file\n");
  const CommandRun empty = RunMoid({"/dev/null"});
  EXPECT_EQ(empty.code, 1);
  EXPECT_EQ(empty.err, "moidtool moid: /dev/null (a character device): not read: it is empty\n");
}

#ifdef MOIDTOOL_PATH
TEST(MoidFromSource, AClosedPipeOrAFullDiskEndsTheRunWithAMessage) {
  const std::vector<std::string> nea = NeaLines();
  ASSERT_GE(nea.size(), 3000u);
  moid::testing::TempDirectory dir;
  const std::string path = dir.WriteFile(
      "nea.txt", JoinLines(std::vector<std::string>(nea.begin(), nea.begin() + 3000)));
  const ToolRun closed = RunMoidtoolInto("moid '" + path + "' --width 72", "head -n 2 >/dev/null");
  EXPECT_EQ(closed.code, 141);
  EXPECT_NE(closed.err.find("moidtool moid: output closed after "), std::string::npos) << closed.err;
  const ToolRun full = RunMoidtool("moid '" + path + "' --width 72", "/dev/full");
  EXPECT_EQ(full.code, 1);
  EXPECT_NE(full.err.find("moidtool moid: "), std::string::npos);
  EXPECT_NE(full.err.find("No space left on device"), std::string::npos) << full.err;
  // Piped in, the source is read once and its format still found.
  const ToolRun piped = RunMoidtool("moid /dev/stdin --width 72 --body 5 <'" + path + "'");
  EXPECT_EQ(piped.code, 0) << piped.err;
  EXPECT_EQ(Split(piped.out, '\n').size(), 2u) << piped.out;
  // So is import's: an export piped in keeps the bytes its format was told from.
  const std::string catalogue = dir.Path("E.DAT");
  const ToolRun imported = RunMoidtool("import /dev/stdin -o '" + catalogue + "' <'" +
                                       std::string(MOID_SOURCE_DIR) +
                                       "/tests/sources/data/sbdb-sample.csv'");
  EXPECT_EQ(imported.code, 0) << imported.err;
  EXPECT_NE(imported.out.find("wrote 5 bodies"), std::string::npos) << imported.out;
  const ToolRun zero = RunMoidtool("import /dev/zero -o '" + catalogue + "'");
  EXPECT_EQ(zero.code, 1);
  EXPECT_EQ(zero.err, "moidtool import: /dev/zero (a character device): holds NUL bytes: it is "
                      "not a text file\n");
}
#endif

}  // namespace
}  // namespace moid::tools

namespace moid::tools {
namespace {

// JPL's Earth MOID as the API's answer lists it ("moid": ".148353", or "moid":"4.079E-5").
double ListedMoid(const std::string& answer) {
  std::size_t at = answer.find("\"moid\":");
  EXPECT_NE(at, std::string::npos);
  at = answer.find('"', at + 7) + 1;
  return std::stod("0" + answer.substr(at, answer.find('"', at) - at));
}

TEST(MoidFromSource, TheApisAnswersAgreeWithJplsListedMoids) {
  const std::vector<std::string> answers = {
      "101955_phys.json", "2001VB_phys.json", "2015AB_phys.json", "2022AP7_phys.json",
      "2022OB5_phys.json", "2023DZ2_phys.json", "2024YR4_phys.json", "25143_phys.json",
      "433_phys.json", "54509.json", "99942_phys.json"};
  for (const std::string& name : answers) {
    const std::string path = SharedDataPath("sbdb-2025/" + name);
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path << " was not found";
    const std::string answer((std::istreambuf_iterator<char>(in)), {});
    const double listed = ListedMoid(answer);
    for (const char* width : {"72", "432"}) {
      const CommandRun run = RunMoid({path, "--format", "sbdb-api", "--width", width});
      ASSERT_EQ(run.code, 0) << run.err;
      const std::vector<Row> rows = Rows(run.out);
      ASSERT_EQ(rows.size(), 1u) << name;
      // JPL gives six decimals: half a unit of the last one, and the rest of 1e-6.
      EXPECT_NEAR(rows[0].moidAu, listed, 1e-6) << name << " at width " << width;
    }
    // Found from the first bytes too.
    EXPECT_EQ(Rows(RunMoid({path, "--width", "72"}).out).size(), 1u) << name;
  }
}

}  // namespace
}  // namespace moid::tools

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "data/TempDirectory.h"
#include "tools/CommandRunSupport.h"
#include "tools/Commands.h"
#include "tools/OrbitCommandSupport.h"

namespace moid::tools {
namespace {

CommandRun RunMoid(const std::vector<std::string>& args) { return RunCommand(RunMoidCommand, args); }

const std::string HEADER =
    "index\tname\tmoidAu\tmoidGm\tlongitudeDeg\tgridMinEarthIndex\tgridMinAsteroidIndex\t"
    "minGm\tmaxGm\tgridMaxEarthIndex\tgridMaxAsteroidIndex\tcaption\tepoch";

// A circular Earth and bodies whose MOID is known in closed form.
const std::string CATALOG =
    "2459800.5,0.0,0.0,0.0,0.0,1.0,0.0,0,Earth\r\n"
    "0.0,90.0,30.0,40.0,1.2,0.0,Polar ring\r\n"      // 0.2 AU at the nodes, 40 or 220 deg
    "0.0,30.0,10.0,250.0,0.75,0.0,Inner ring\r\n"    // 0.25 AU
    "1.5,1,2,3,4,5,Hyperbolic\r\n"                   // skipped by the reader: no slot
    "0.3,0.0,60.0,40.0,2.0,0.0,Outer ellipse\r\n";   // perihelion 1.4 AU at 100 deg

TEST(MoidCommand, OneRowPerBodyWithTheViewersNumbers) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  const CommandRun run = RunMoid({path});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::vector<std::string> lines = Split(run.out, '\n');
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], HEADER);
  const double expected[] = {0.2, 0.25, 0.4};
  const char* names[] = {"\"Polar ring\"", "\"Inner ring\"", "\"Outer ellipse\""};
  for (int i = 0; i < 3; ++i) {
    const std::vector<std::string> f = Split(lines[static_cast<size_t>(i) + 1], '\t');
    ASSERT_EQ(f.size(), 13u) << lines[static_cast<size_t>(i) + 1];
    EXPECT_EQ(f[12], "2459800.5");  // the catalogue's epoch
    EXPECT_EQ(f[0], std::to_string(i));
    EXPECT_EQ(f[1], names[i]);
    const double moidAu = std::stod(f[2]);
    EXPECT_NEAR(moidAu, expected[i], 1e-12);
    EXPECT_EQ(std::stod(f[3]), moidAu * 149.597870691);
    const double lon = std::stod(f[4]);
    EXPECT_GE(lon, 0);
    EXPECT_LT(lon, 360);
    for (int c : {5, 6, 9, 10}) {
      EXPECT_GE(std::stoi(f[static_cast<size_t>(c)]), 0);
      EXPECT_LT(std::stoi(f[static_cast<size_t>(c)]), 432);  // the default width
    }
    EXPECT_LE(std::stod(f[7]), std::stod(f[8]));
    EXPECT_GE(std::stod(f[7]), moidAu * 149.597870691 - 1e-9);  // the grid never beats the MOID
  }
  const std::vector<std::string> polar = Split(lines[1], '\t');
  EXPECT_NEAR(std::fmod(std::stod(polar[4]), 180.0), 40, 1e-6);
  // 0.2 AU is 29.9195741382 Gm; the degree sign comes out as UTF-8.
  EXPECT_TRUE(polar[11] == "Moid =  29.9196 Gm,  0.200000 AU | Long =  40.000\xC2\xB0" ||
              polar[11] == "Moid =  29.9196 Gm,  0.200000 AU | Long = 220.000\xC2\xB0")
      << polar[11];
  const std::vector<std::string> outer = Split(lines[3], '\t');
  EXPECT_EQ(outer[11], "Moid =  59.8391 Gm,  0.400000 AU | Long = 100.000\xC2\xB0");
  EXPECT_EQ(run.err, "");
}

TEST(MoidCommand, BodyAndWidthChooseWhatIsComputed) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  const CommandRun all = RunMoid({path, "--width", "72"});
  ASSERT_EQ(all.code, 0);
  const std::vector<std::string> rows = Split(all.out, '\n');
  for (const std::string& sel : {std::string("2"), std::string("outer"), std::string("Outer ellipse")}) {
    const CommandRun one = RunMoid({path, "--body", sel, "--width", "72"});
    ASSERT_EQ(one.code, 0) << sel << one.err;
    const std::vector<std::string> lines = Split(one.out, '\n');
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], rows[3]) << sel;  // the same row as in the full list, slot 2
  }
  // The closest grid pair lies near the perihelion longitude, 100 deg, at index
  // 100 / 360 (W - 1) for either width.
  const CommandRun wide = RunMoid({path, "--body", "2", "--width", "1440"});
  ASSERT_EQ(wide.code, 0);
  const std::vector<std::string> f = Split(Split(wide.out, '\n')[1], '\t');
  EXPECT_NEAR(std::stoi(f[5]), 100.0 / 360 * 1439, 1.0);
  EXPECT_NEAR(std::stoi(Split(rows[3], '\t')[5]), 100.0 / 360 * 71, 1.0);
  EXPECT_NEAR(std::stod(f[2]), 0.4, 1e-12);
}

TEST(MoidCommand, BadUsageIsExitCodeTwo) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  const std::vector<std::vector<std::string>> bad = {
      {},
      {path, "--width"},
      {path, "--width", "100"},
      {path, "--width", "0"},
      {path, "--width", "1512"},
      {path, "--width", "72.0"},
      {path, "--width", "abc"},
      {path, "--body"},
      {path, "--frobnicate"},
      {path, path},
  };
  for (const auto& args : bad) {
    const CommandRun run = RunMoid(args);
    EXPECT_EQ(run.code, 2) << args.size();
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: moidtool moid FILE"), std::string::npos) << run.err;
  }
  const CommandRun help = RunMoid({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_EQ(help.out.rfind("usage: moidtool moid FILE", 0), 0u);
}

TEST(MoidCommand, UnusableInputIsExitCodeOne) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  CommandRun run = RunMoid({dir.Path("missing.dat")});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("no such file"), std::string::npos);
  run = RunMoid({dir.Path()});
  EXPECT_EQ(run.code, 1);
  run = RunMoid({path, "--body", "Pluto"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("no body is named \"Pluto\""), std::string::npos) << run.err;
  run = RunMoid({path, "--body", "3"});
  EXPECT_EQ(run.code, 1);
  const std::string hyperbolicEarth = dir.WriteFile("BAD.DAT",
      "2459800.5,1.5,0.0,0.0,0.0,1.0,0.0,0,Earth\r\n0.1,1,2,3,1.5,0,Body\r\n");
  run = RunMoid({hyperbolicEarth});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("reference orbit"), std::string::npos) << run.err;
}

// Several bodies for one name is a usage error: the user must say which, by slot.
TEST(MoidCommand, ANameOfSeveralBodiesIsExitCodeTwo) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  CommandRun run = RunMoid({path, "--body", "ring"});
  EXPECT_EQ(run.code, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("\"ring\" names 2 bodies"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("  0\tPolar ring"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("  1\tInner ring"), std::string::npos) << run.err;
  const std::string twins = dir.WriteFile("TWINS.DAT",
      "2459800.5,0.0,0.0,0.0,0.0,1.0,0.0,0,Earth\r\n"
      "0.0,90.0,30.0,40.0,1.2,0.0,(433) Eros\r\n"
      "0.0,30.0,10.0,250.0,0.75,0.0,(433) Eros\r\n");
  run = RunMoid({twins, "--body", "(433) Eros"});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("  0\t(433) Eros\n  1\t(433) Eros"), std::string::npos) << run.err;
  run = RunMoid({twins, "--body", "1", "--width", "72"});
  ASSERT_EQ(run.code, 0) << run.err;
  // The inner ring of radius 0.75 against the unit circle: 0.25 AU.
  EXPECT_NEAR(std::stod(Split(Split(run.out, '\n')[1], '\t')[2]), 0.25, 1e-9) << run.out;
}

// A name the catalogue has no slot for, because the reader skipped or never reached its
// record, is told as such.
TEST(MoidCommand, ASkippedOrUnreadBodyIsToldAsSuch) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  CommandRun run = RunMoid({path, "--body", "Hyperbolic"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err,
            "moidtool moid: \"Hyperbolic\" (record 3 of the file) was skipped when it was read: "
            "eccentricity 1.5 is not below 1 (not an ellipse)\n");
  run = RunMoid({path, "--body", "hyperb"});
  EXPECT_NE(run.err.find("(record 3 of the file) was skipped"), std::string::npos) << run.err;

  std::string big = "2459800.5,0.0,0.0,0.0,0.0,1.0,0.0,0,Earth\r\n";
  for (int i = 0; i < 25001; ++i) big += "0.1,1,2,3,1.5,5,B" + std::to_string(i) + "\r\n";
  big += "0.1,1,2,3,1.5,5,Beyond the end\r\n";
  const std::string bigPath = dir.WriteFile("BIG.DAT", big);
  run = RunMoid({bigPath, "--body", "Beyond the end"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err,
            "moidtool moid: \"Beyond the end\" (record 25002 of the file) lies beyond the 25001 "
            "bodies a catalogue holds: not read\n");
  const CommandRun ephem = RunCommand(RunEphemCommand, {bigPath, "--body", "Beyond the end",
                                                        "--start", "2459800.5", "--days", "1"});
  EXPECT_EQ(ephem.code, 1);
  EXPECT_NE(ephem.err.find("(record 25002 of the file) lies beyond the 25001"), std::string::npos)
      << ephem.err;
  run = RunMoid({path, "--body", "Nowhere"});  // truly unknown: as before
  EXPECT_EQ(run.err, "moidtool moid: no body is named \"Nowhere\"\n");
}

TEST(MoidCommand, ACatalogueWithoutBodiesGivesTheHeaderOnly) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", "2459800.5,0.0,0.0,0.0,0.0,1.0,0.0,0,Earth\r\n");
  const CommandRun run = RunMoid({path});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, HEADER + "\n");
}

TEST(OrbitCommandSupport, WidthsAreMultiplesOf72UpTo1440) {
  for (int w = 72; w <= 1440; w += 72) EXPECT_EQ(ParseWindowWidth(std::to_string(w)), w);
  for (const char* bad : {"", "0", "71", "73", "1512", "-72", "432x", " 432", "4.32e2"})
    EXPECT_FALSE(ParseWindowWidth(bad).has_value()) << bad;
}

TEST(OrbitCommandSupport, NumbersAreFiniteAndWhole) {
  EXPECT_EQ(ParseFiniteNumber("2459800.5"), 2459800.5);
  EXPECT_EQ(ParseFiniteNumber("-3"), -3.0);
  EXPECT_EQ(ParseFiniteNumber("1e3"), 1000.0);
  for (const char* bad : {"", "abc", "1.5x", "inf", "nan", "1e999", " 1"})
    EXPECT_FALSE(ParseFiniteNumber(bad).has_value()) << bad;
}

TEST(OrbitCommandSupport, ProgressBar) {
  EXPECT_EQ(ProgressBarText(0, 10, 10), "[..........]  0/10");
  EXPECT_EQ(ProgressBarText(5, 10, 10), "[#####.....]  5/10");
  EXPECT_EQ(ProgressBarText(10, 10, 10), "[##########] 10/10");
  EXPECT_EQ(ProgressBarText(6999, 7000, 4), "[###.] 6999/7000");
  EXPECT_EQ(ProgressBarText(0, 0, 3), "[###] 0/0");
}

}  // namespace
}  // namespace moid::tools

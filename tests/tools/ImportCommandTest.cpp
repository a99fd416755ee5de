#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "data/CatalogReader.h"
#include "data/TempDirectory.h"
#include "orbit/EarthOrbit.h"
#include "sources/SourceTestSupport.h"
#include "tools/CommandRunSupport.h"
#include "tools/Commands.h"
#include "tools/OddBodies.h"
#include "tools/ImportEarth.h"

namespace moid::tools {
namespace {

using sources::testing::ReadBytes;
using sources::testing::SamplePath;

constexpr const char* ON_J2000 =
    "; record 0: the Earth's osculating orbit, elements on the J2000 ecliptic\n";

constexpr double K_DEGREES_PER_DAY = 0.985607668601424903218332618290;

CommandRun Import(const std::vector<std::string>& args) { return RunCommand(RunImportCommand, args); }

std::unique_ptr<BodyCatalog> ReadBack(const std::string& path) {
  auto catalog = std::make_unique<BodyCatalog>();
  const CatalogReadReport report = ReadCatalog(path, *catalog);
  EXPECT_FALSE(report.unreadable);
  EXPECT_TRUE(report.skipped.empty());
  EXPECT_EQ(report.referenceProblem, "");
  return catalog;
}

std::vector<std::string> Names(const BodyCatalog& catalog) {
  std::vector<std::string> names;
  for (int i = 0; i <= catalog.lastIndex; ++i) names.push_back(catalog.bodies[static_cast<std::size_t>(i)].name);
  return names;
}

void ExpectElements(const ElementRecord& r, double e, double i, double w, double node, double a,
                    double m) {
  EXPECT_EQ(r.eccentricity, e) << r.name;
  EXPECT_EQ(r.inclination, i) << r.name;
  EXPECT_EQ(r.perihelionArgument, w) << r.name;
  EXPECT_EQ(r.ascendingNode, node) << r.name;
  EXPECT_EQ(r.semiMajorAxis, a) << r.name;
  EXPECT_EQ(r.meanAnomaly, m) << r.name;
}

// Record 0 of an import that keeps the elements on the J2000 ecliptic.
void ExpectEarthAt(const BodyCatalog& catalog, double epochJd,
                   EarthChoice choice = EarthChoice::Centre) {
  const ElementRecord earth = choice == EarthChoice::Centre ? EarthElementsAt(epochJd)
                                                            : EarthMoonBarycentreAt(epochJd);
  EXPECT_EQ(catalog.epoch, epochJd);
  ExpectElements(catalog.reference, earth.eccentricity, earth.inclination,
                 earth.perihelionArgument, earth.ascendingNode, earth.semiMajorAxis,
                 earth.meanAnomaly);
  EXPECT_EQ(catalog.reference.name, "Earth");
}

// A mean anomaly carried over `days` at the mean motion of semi-major axis `a`, by the
// published constant in degrees a day.
double Carried(double m, double a, double days) {
  return std::fmod(m + days * K_DEGREES_PER_DAY / std::pow(a, 1.5) + 720.0, 360.0);
}

TEST(ImportCommand, MpcorbRoundTrip) {
  moid::testing::TempDirectory dir;
  const std::string output = dir.Path("ELEMENTS.DAT");
  const CommandRun run =
      Import({SamplePath("mpcorb-sample.dat"), "-o", output, "--frame", "j2000"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "moidtool import: wrote 7 bodies at JD 2460800.5 to " + output +
                         " (9 bodies read, 2 dropped, 3 lines skipped)" + ON_J2000);
  EXPECT_EQ(run.err,
            "moidtool import: line 26: truncated: the line ends at column 80, the elements run to "
            "column 103; skipped\n"
            "moidtool import: line 27: epoch \"K25X5\" is not a packed date; skipped\n"
            "moidtool import: line 28: mean anomaly \"1O.00000\" is not a number; skipped\n"
            "moidtool import: 2 bodies dropped: ELEMENTS.DAT holds only named bodies with every "
            "element given, on elliptic orbits whose perihelion lies outside the Sun (--verbose "
            "lists them)\n");
  const auto catalog = ReadBack(output);
  ExpectEarthAt(*catalog, 2460800.5);
  EXPECT_EQ(Names(*catalog), (std::vector<std::string>{"(1) Ceres", "(433) Eros", "(99942) Apophis",
                                                       "(100000) Astronautica", "(620000)",
                                                       "2020 KQ11", "1998 SQ108"}));
  ExpectElements(catalog->bodies[0], 0.0794013, 10.5878, 73.27343, 80.25221, 2.7660512, 188.70269);
  ExpectElements(catalog->bodies[2], 0.1911403, 3.3388, 126.6537, 203.943, 0.922348, 142.31578);
  ExpectElements(catalog->bodies[6], 0.1, 8.0, 60.0, 70.0, 2.9, 45.0);
  // (100000) had its elements for 2024 Dec 1: 155 days of motion to the common epoch.
  EXPECT_NEAR(catalog->bodies[3].meanAnomaly, Carried(15.0, 2.45, 155.0), 1e-11);
  EXPECT_EQ(catalog->bodies[3].semiMajorAxis, 2.45);
  EXPECT_EQ(ReadBytes(output).substr(0, 10), "2460800.5,");
}

TEST(ImportCommand, MoidtoolCatalogReadsBackEveryBodyWithItsElements) {
  moid::testing::TempDirectory dir;
  const std::string output = dir.Path("ELEMENTS.DAT");
  ASSERT_EQ(Import({SamplePath("sbdb-sample.csv"), "-o", output, "--frame", "j2000"}).code, 0);
  const CommandRun catalog = RunCommand(RunCatalogCommand, {output});
  EXPECT_EQ(catalog.code, 0);
  EXPECT_EQ(catalog.err, "");
  const std::string& text = catalog.out;
  EXPECT_NE(text.find("\n0\t0.07863575691875528\t10.58679512153367\t73.53162522557164\t"
                      "80.2664361119415\t2.766619044655007\t334.3271698971151\t\"(1) Ceres\"\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\n1\t0.2228359407071628\t10.82846651399785\t178.9297536744151\t"
                      "304.2701025753316\t1.458120998474684\t246.9038297045412\t\"(433) Eros\"\n"),
            std::string::npos);
  EXPECT_NE(text.find("\n2\t0.1105937\t11.5873\t110.35\t320.8866\t2.71434\t96.4551\t"
                      "\"(5480) 1989 YK8\"\n"),
            std::string::npos);
  EXPECT_NE(text.find("\n4\t0.25\t4.5\t220\t110\t3\t330\t\"(7003) Gamma, Delta\"\n"),
            std::string::npos);
  EXPECT_EQ(text.find("\n5\t"), std::string::npos);  // five bodies, no more
}

TEST(ImportCommand, JsonExportBodiesAtOneEpoch) {
  moid::testing::TempDirectory dir;
  const std::string output = dir.Path("E.DAT");
  const CommandRun run =
      Import({SamplePath("sbdb-sample.json"), "-o", output, "--verbose", "--frame", "j2000"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "moidtool import: wrote 6 bodies at JD 2459800.5 to " + output +
                         " (8 bodies read, 2 dropped, 3 lines skipped)" + ON_J2000);
  EXPECT_NE(run.err.find("moidtool import: line 8 \"2002 PD153\": dropped: no mean anomaly\n"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("moidtool import: line 9 \"2017 U1\": dropped: eccentricity "
                         "1.201133796102373 is not below 1 (not an ellipse)\n"),
            std::string::npos);
  EXPECT_NE(run.err.find("moidtool import: 2 bodies dropped: ELEMENTS.DAT holds only named "
                         "bodies with every element given, on elliptic orbits whose perihelion "
                         "lies outside the Sun\n"),
            std::string::npos);
  const auto catalog = ReadBack(output);
  ExpectEarthAt(*catalog, 2459800.5);
  EXPECT_EQ(Names(*catalog),
            (std::vector<std::string>{"(1) Ceres", "(433) Eros", "(5480) 1989 YK8", "2020 KQ11",
                                      "(7003) Gamma, Delta", "(7004) D\xE9j\xE0 'Vu'"}));
  // 2020 KQ11 had its elements for MJD 59000: 800 days of motion.
  EXPECT_NEAR(catalog->bodies[3].meanAnomaly, Carried(50.25, 2.2031, 800.0), 1e-10);
  const std::string bytes = ReadBytes(output);
  EXPECT_NE(bytes.find(",\"(7003) Gamma, Delta\"\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(",(7004) D\xE9j\xE0 'Vu'\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);  // CR LF line ends
}

TEST(ImportCommand, FiltersAndLimit) {
  moid::testing::TempDirectory dir;
  const std::string output = dir.Path("E.DAT");
  ASSERT_EQ(Import({"--neo", SamplePath("mpcorb-sample.dat"), "-o", output}).code, 0);
  EXPECT_EQ(Names(*ReadBack(output)),
            (std::vector<std::string>{"(433) Eros", "(99942) Apophis", "2020 KQ11"}));

  const CommandRun named = Import({"--name-contains", "EROS", SamplePath("sbdb-sample.json"),
                                   "--output", output});
  EXPECT_EQ(named.code, 0);
  EXPECT_NE(named.out.find(", 5 not matching"), std::string::npos) << named.out;
  EXPECT_EQ(Names(*ReadBack(output)), (std::vector<std::string>{"(433) Eros"}));

  const CommandRun limited = Import({"--limit", "2", SamplePath("sbdb-sample.json"), "-o", output});
  EXPECT_EQ(limited.code, 0);
  EXPECT_NE(limited.out.find(", 4 beyond --limit"), std::string::npos) << limited.out;
  EXPECT_EQ(Names(*ReadBack(output)), (std::vector<std::string>{"(1) Ceres", "(433) Eros"}));
}

TEST(ImportCommand, ChosenEpoch) {
  moid::testing::TempDirectory dir;
  const std::string output = dir.Path("E.DAT");
  const CommandRun run = Import({"--epoch", "2460000.5", "--format", "sbdb-json",
                                 SamplePath("sbdb-sample.json"), "-o", output, "--frame", "j2000"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.err.find("warning"), std::string::npos);
  const auto catalog = ReadBack(output);
  ExpectEarthAt(*catalog, 2460000.5);
  EXPECT_NEAR(catalog->bodies[0].meanAnomaly, Carried(334.3271698971151, 2.766619044655007, 200.0),
              1e-10);
  EXPECT_EQ(catalog->bodies[0].eccentricity, 0.07863575691875528);  // the rest stays

  const CommandRun early = Import({"--epoch", "2300000.5", SamplePath("sbdb-sample.json"), "-o",
                                   output, "--earth", "barycentre"});
  EXPECT_EQ(early.code, 0);
  EXPECT_NE(early.err.find("moidtool import: warning: epoch JD 2300000.5 lies outside 1800 to 2050, "
                           "the years the Earth's mean elements are made for\n"),
            std::string::npos)
      << early.err;

  // 398 centuries on, the mean eccentricity has run below zero: no orbit to write.
  const std::string before = ReadBytes(output);
  const CommandRun absurd = Import({"--epoch", "17000000.5", SamplePath("sbdb-sample.json"), "-o",
                                    output, "--earth", "barycentre"});
  EXPECT_EQ(absurd.code, 1);
  EXPECT_NE(absurd.err.find("moidtool import: nothing written: at JD 17000000.5 the Earth's mean "
                            "elements give no orbit (eccentricity -0.000782"),
            std::string::npos)
      << absurd.err;
  EXPECT_EQ(ReadBytes(output), before);
}

TEST(ImportCommand, MoreBodiesThanTheCatalogueHoldsAreCutWithAClearMessage) {
  moid::testing::TempDirectory dir;
  std::string csv = "full_name,epoch_mjd,e,a,i,om,w,ma\n";
  for (int n = 1; n <= 25003; ++n) {
    csv += std::to_string(n) + " Body" + std::to_string(n) + ",59800,0.1,2.5,5,10,20," +
           std::to_string(n % 360) + "\n";
  }
  const std::string input = dir.WriteFile("many.csv", csv);
  const std::string output = dir.Path("E.DAT");
  const CommandRun run = Import({input, "-o", output});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.err,
            "moidtool import: 3 bodies left out: ELEMENTS.DAT holds at most 25000 bodies, and the "
            "first 25000 in input order were taken; choose which with --neo, --name-contains TEXT "
            "or --limit N\n");
  const auto catalog = ReadBack(output);
  EXPECT_EQ(catalog->lastIndex, 24999);
  EXPECT_EQ(catalog->bodies[24999].name, "(25000) Body25000");
}

TEST(ImportCommand, TheOutputIsReplacedWholeOrNotAtAll) {
  moid::testing::TempDirectory dir;
  const std::string output = dir.WriteFile("E.DAT", "old catalogue");
  const CommandRun unreadable = Import({dir.Path("missing.json"), "-o", output});
  EXPECT_EQ(unreadable.code, 1);
  EXPECT_EQ(unreadable.err, "moidtool import: " + dir.Path("missing.json") + ": cannot be read: there is no such file\n");
  const CommandRun directory = Import({dir.Path(), "-o", output});
  EXPECT_EQ(directory.code, 1);
  const CommandRun nothing = Import({"--name-contains", "zzz", SamplePath("sbdb-sample.json"), "-o", output});
  EXPECT_EQ(nothing.code, 1);
  EXPECT_NE(nothing.err.find("nothing written: no body matches the filters\n"), std::string::npos)
      << nothing.err;
  EXPECT_EQ(ReadBytes(output), "old catalogue");

  const CommandRun nowhere = Import({SamplePath("sbdb-sample.json"), "-o", dir.Path("no/such/E.DAT")});
  EXPECT_EQ(nowhere.code, 1);
  const std::string cannot = "moidtool import: " + dir.Path("no/such/E.DAT") +
                            ": cannot be written: No such file or directory\n";
  ASSERT_GE(nowhere.err.size(), cannot.size());
  EXPECT_EQ(nowhere.err.substr(nowhere.err.size() - cannot.size()), cannot);

  ASSERT_EQ(Import({SamplePath("sbdb-sample.json"), "-o", output}).code, 0);
  EXPECT_EQ(ReadBytes(output).substr(0, 10), "2459800.5,");
  std::vector<std::string> leftovers;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    leftovers.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(leftovers, (std::vector<std::string>{"E.DAT"}));  // no temporary file left behind
}

TEST(ImportCommand, InputsThatAreNoCatalogue) {
  moid::testing::TempDirectory dir;
  const std::string output = dir.Path("E.DAT");
  const CommandRun wrongFormat = Import({"--format", "sbdb-csv", SamplePath("sbdb-sample.json"), "-o", output});
  EXPECT_EQ(wrongFormat.code, 1);
  EXPECT_NE(wrongFormat.err.find(": not usable as SBDB CSV: line 1: text follows the closing "
                                 "quote of value 2\n"),
            std::string::npos)
      << wrongFormat.err;
  const std::string text = dir.WriteFile("notes.txt", "shopping list\nmilk\n");
  const CommandRun notes = Import({text, "-o", output});
  EXPECT_EQ(notes.code, 1);
  EXPECT_EQ(notes.err, "moidtool import: " + text +
                           ": not read: its first lines are neither MPCORB's columns nor an "
                           "export of JPL's Small-Body Database (a JSON object, or CSV whose "
                           "first line names full_name or pdes); name the format with --format\n");
  const CommandRun notesAsMpcorb = Import({"--format", "mpcorb", text, "-o", output});
  EXPECT_EQ(notesAsMpcorb.code, 1);
  EXPECT_NE(notesAsMpcorb.err.find("moidtool import: line 1: truncated"), std::string::npos)
      << notesAsMpcorb.err;
  EXPECT_NE(notesAsMpcorb.err.find("(read as MPCORB): nothing written: no body could be read from it\n"),
            std::string::npos);
  const CommandRun empty = Import({dir.WriteFile("empty.dat", "\n  \n"), "-o", output});
  EXPECT_EQ(empty.code, 1);
  EXPECT_NE(empty.err.find("empty.dat: not read: it is empty\n"), std::string::npos) << empty.err;
  const std::string hyperbolic = dir.WriteFile(
      "h.csv", "full_name,epoch_mjd,e,a,i,om,w,ma\n(2017 U1),58080,1.2,-1.27,122.7,24.6,241.8,36.4\n");
  const CommandRun none = Import({hyperbolic, "-o", output});
  EXPECT_EQ(none.code, 1);
  EXPECT_NE(none.err.find("nothing written: none of its bodies can be held by ELEMENTS.DAT\n"),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST(ImportCommand, BadUsage) {
  const std::string input = SamplePath("sbdb-sample.json");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {input},
           {input, "-o"},
           {"-o", "E.DAT"},
           {input, "-o", "E.DAT", "--format", "xml"},
           {input, "-o", "E.DAT", "--limit", "0"},
           {input, "-o", "E.DAT", "--limit", "2x"},
           {input, "-o", "E.DAT", "--epoch", "soon"},
           {input, "-o", "E.DAT", "--frobnicate"},
           {input, "-o", "E.DAT", "--earth", "moon"},
           {input, "-o", "E.DAT", "--earth"},
           {input, "-o", "E.DAT", "--frame", "ecliptic"}}) {
    const CommandRun run = Import(args);
    EXPECT_EQ(run.code, 2) << (args.empty() ? "" : args.back());
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("moidtool import: ", 0), 0u);
    EXPECT_NE(run.err.find("usage: moidtool import"), std::string::npos);
  }
  EXPECT_EQ(Import({input, "-o", "E.DAT", "--limit", "0"})
                .err.rfind("moidtool import: --limit takes a whole number from 1 up, not \"0\"\n"
                           "usage: moidtool import",
                           0),
            0u);
  const CommandRun help = Import({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_EQ(help.out.rfind("usage: moidtool import", 0), 0u);
}

TEST(ImportCommand, SeveralInputsFollowOneAnother) {
  moid::testing::TempDirectory dir;
  const std::string extra = dir.WriteFile(
      "extra.csv",
      "full_name,neo,epoch,e,a,i,om,w,ma\n"
      "\"99942 Apophis (2004 MN4)\",Y,2459215.5,.1915216892529348,.9225071817339578,"
      "3.336751319526047,204.0389271089114,126.6520518833791,127.3225632500591\n"
      "\"(2017 U1)\",N,2458080.5,1.2,-1.27,122.7,24.6,241.8,36.4\n"
      "broken,\"Y\n");
  const std::string output = dir.Path("E.DAT");
  const CommandRun run = Import(
      {SamplePath("sbdb-sample.json"), extra, "-o", output, "--verbose", "--frame", "j2000"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "moidtool import: wrote 7 bodies at JD 2459800.5 to " + output +
                         " (10 bodies read, 3 dropped, 4 lines skipped)" + ON_J2000);
  const std::string json = SamplePath("sbdb-sample.json");
  EXPECT_NE(run.err.find("moidtool import: " + json + ": line 10: data row 7: "), std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("moidtool import: " + extra +
                         ": line 4: the quote of value 2 is not closed on its line; skipped\n"),
            std::string::npos);
  EXPECT_NE(run.err.find("moidtool import: " + extra + ": line 3 \"2017 U1\": dropped: "),
            std::string::npos);
  const auto catalog = ReadBack(output);
  ASSERT_EQ(catalog->lastIndex, 6);
  EXPECT_EQ(catalog->bodies[6].name, "(99942) Apophis");
  // Apophis had its elements for JD 2459215.5: 585 days of motion to the JSON's epoch.
  EXPECT_NEAR(catalog->bodies[6].meanAnomaly,
              Carried(127.3225632500591, 0.9225071817339578, 585.0), 1e-10);

  const CommandRun oneBad = Import({SamplePath("sbdb-sample.json"), dir.Path("none.csv"), "-o", output});
  EXPECT_EQ(oneBad.code, 1);
  EXPECT_EQ(oneBad.out, "");
}

// share/ELEMENTS.DAT is what scripts/make-catalog writes from its sources, byte for byte.
TEST(ImportCommand, TheBundledCatalogueIsWhatMakeCatalogWrites) {
  const std::string kstars = "/usr/share/kstars/asteroids.dat";
  if (!std::filesystem::exists(kstars)) GTEST_SKIP() << kstars << " is not installed";
  const std::string root = MOID_SOURCE_DIR;
  moid::testing::TempDirectory dir;
  const std::string output = dir.Path("ELEMENTS.DAT");
  const std::string command = "'" + root + "/scripts/make-catalog' --moidtool '" +
                              MOIDTOOL_PATH + "' --output '" + output + "' >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  EXPECT_EQ(ReadBytes(output), ReadBytes(root + "/share/ELEMENTS.DAT"));
}

}  // namespace
}  // namespace moid::tools

namespace moid::tools {
namespace {

TEST(ImportCommand, NoNumberThatIsNotANumberIsEverWritten) {
  moid::testing::TempDirectory dir;
  const std::string source = dir.WriteFile(
      "odd.csv", ODD_BODIES_CSV);
  const std::string output = dir.Path("E.DAT");
  const CommandRun run = RunCommand(RunImportCommand, {source, "-o", output, "--verbose"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.err.find("line 2 \"Tiny\": dropped: perihelion distance 9e-301 AU lies inside "
                         "the Sun (below 0.00465 AU)\n"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("line 3 \"Sungrazer\": dropped: perihelion distance 3.0000000000"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("line 4 \"\": dropped: no name\n"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("not elliptic"), std::string::npos);
  const std::string text = ReadBytes(output);
  EXPECT_EQ(text.find("nan"), std::string::npos) << text;
  EXPECT_EQ(text.find("inf"), std::string::npos) << text;
  EXPECT_NE(text.find(",Fine\r\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace moid::tools

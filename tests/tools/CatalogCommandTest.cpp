#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "data/TempDirectory.h"
#include "tools/CommandRunSupport.h"
#include "tools/Commands.h"

namespace moid::tools {
namespace {

CommandRun RunCatalog(const std::vector<std::string>& args) { return RunCommand(RunCatalogCommand, args); }

const std::string HEADER =
    "index\teccentricity\tinclination\tperihelionArgument\tascendingNode\tsemiMajorAxis\t"
    "meanAnomaly\tname\n";

TEST(CatalogCommand, PrintsWhatTheReaderMade) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile(
      "ELEMENTS.DAT",
      "2460000.5,0.0167,0.0,102.9,0.0,1.0000010178,357.5,0,Earth\r\n"
      "0.2229,10.83,178.9,304.3,1.458,110.8,(433) Eros\r\n"
      "1.5,1,2,3,4,5,Hyper \xB0\r\n"
      "0.1,1e-5,2D1,-3,4,5,Say \"hi\"\r\n"
      "0.3,1,2,3,4,5,\"Tab\there, \\ too\"\r\n"
      "0.3,1,2,3,-4,5,No axis\r\n");
  const CommandRun run = RunCatalog({path});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out,
            "# epoch 2460000.5\n"
            "# reference\t0.0167\t0\t102.9\t0\t1.0000010178\t357.5\t\"Earth\"\n" +
                HEADER +
                "0\t0.2229\t10.83\t178.9\t304.3\t1.458\t110.8\t\"(433) Eros\"\n"
                "1\t0.1\t1e-05\t20\t-3\t4\t5\t\"Say \\\"hi\\\"\"\n"
                "2\t0.3\t1\t2\t3\t4\t5\t\"Tab\\there, \\\\ too\"\n");
  EXPECT_EQ(run.err,
            "record 2 \"Hyper \xC2\xB0\": skipped: eccentricity 1.5 is not below 1 (not an ellipse)\n"
            "record 5 \"No axis\": skipped: semi-major axis -4 AU is not positive\n");
}

TEST(CatalogCommand, EmptyCatalogueAndReferenceProblems) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("e.dat", "");
  const CommandRun run = RunCatalog({path});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "# epoch 0\n# reference\t0\t0\t0\t0\t0\t0\t\"\"\n" + HEADER);
  EXPECT_EQ(run.err, "reference record: semi-major axis 0 AU is not positive\n");
}

TEST(CatalogCommand, TooManyBodies) {
  testing::TempDirectory dir;
  std::string text = "2451545,0.1,0,0,0,1,0,0,Earth\r\n";
  for (int i = 0; i < 25003; ++i) text += "0.1,1,2,3,4,5,B\r\n";
  const CommandRun run = RunCatalog({dir.WriteFile("big.dat", text)});
  EXPECT_EQ(run.code, 0);
  EXPECT_NE(run.out.find("\n25000\t0.1\t1\t2\t3\t4\t5\t\"B\"\n"), std::string::npos);
  EXPECT_EQ(run.out.find("\n25001\t"), std::string::npos);
  EXPECT_EQ(run.err, "record 25002 and after: not read: the catalogue holds at most 25001 bodies\n");
}

TEST(CatalogCommand, MissingOrUnreadableFileExitsWithOne) {
  testing::TempDirectory dir;
  const CommandRun missing = RunCatalog({dir.Path("none.dat")});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "moidtool catalog: " + dir.Path("none.dat") + ": no such file\n");

  const CommandRun directory = RunCatalog({dir.MakeDirectory("sub")});
  EXPECT_EQ(directory.code, 1);
  EXPECT_EQ(directory.out, "");
  EXPECT_EQ(directory.err, "moidtool catalog: " + dir.Path("sub") +
                               ": cannot be read: it is a directory\n");
}

TEST(CatalogCommand, BadUsageExitsWithTwo) {
  const struct {
    std::vector<std::string> args;
    std::string problem;
  } bad[] = {{{}, "FILE is needed"},
             {{"a.dat", "b.dat"}, "one FILE only"},
             {{"--bogus"}, "unknown option \"--bogus\""},
             {{"-x"}, "unknown option \"-x\""}};
  for (const auto& [args, problem] : bad) {
    const CommandRun run = RunCatalog(args);
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "moidtool catalog: " + problem + "\nusage: moidtool catalog FILE\n");
  }
  const CommandRun help = RunCatalog({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_EQ(help.out, "usage: moidtool catalog FILE\n");
}

}  // namespace
}  // namespace moid::tools

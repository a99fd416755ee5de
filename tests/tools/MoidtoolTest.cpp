// moidtool as a user runs it: dispatch, --help and exit codes.
#include <gtest/gtest.h>

#include <string>

#include "data/TempDirectory.h"
#include "tools/ToolProcess.h"

#ifdef MOIDTOOL_PATH

namespace moid::tools {
namespace {

TEST(Moidtool, HelpListsTheSubcommands) {
  for (const char* option : {"--help", "-h", "help"}) {
    const ToolRun run = RunMoidtool(option);
    EXPECT_EQ(run.code, 0) << option;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("usage: moidtool COMMAND", 0), 0u);
    EXPECT_NE(run.out.find("\n  moidtool catalog FILE\n"), std::string::npos) << run.out;
  }
}

TEST(Moidtool, VersionIsTheProjectsAndExitsZero) {
  const ToolRun run = RunMoidtool("--version");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, std::string("moidtool ") + MOIDVIEW_VERSION + "\n");
  EXPECT_EQ(run.err, "");
}

TEST(Moidtool, EveryCommandsHelpExitsZeroOnStandardOutput) {
  for (const char* command : {"catalog", "render", "moid", "ephem", "import"}) {
    const ToolRun run = RunMoidtool(std::string(command) + " --help");
    EXPECT_EQ(run.code, 0) << command;
    EXPECT_EQ(run.out.rfind(std::string("usage: moidtool ") + command, 0), 0u) << run.out;
    EXPECT_EQ(run.err, "");
  }
}

TEST(Moidtool, NoCommandOrAnUnknownOneIsBadUsage) {
  const ToolRun none = RunMoidtool("");
  EXPECT_EQ(none.code, 2);
  EXPECT_EQ(none.out, "");
  EXPECT_NE(none.err.find("usage: moidtool"), std::string::npos);

  const ToolRun unknown = RunMoidtool("frobnicate x");
  EXPECT_EQ(unknown.code, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err.rfind("moidtool: unknown command \"frobnicate\"\n", 0), 0u);
}

TEST(Moidtool, CatalogExitCodes) {
  testing::TempDirectory dir;
  const std::string good = dir.WriteFile("good.dat", "2451545,0.1,0,0,0,1,0,0,Earth\r\n"
                                                     "0.2,1,2,3,4,5,(433) Eros\r\n");
  const ToolRun ok = RunMoidtool("catalog '" + good + "'");
  EXPECT_EQ(ok.code, 0);
  EXPECT_NE(ok.out.find("\n0\t0.2\t1\t2\t3\t4\t5\t\"(433) Eros\"\n"), std::string::npos);
  EXPECT_EQ(ok.err, "");

  const ToolRun missing = RunMoidtool("catalog '" + dir.Path("missing.dat") + "'");
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.err, "moidtool catalog: " + dir.Path("missing.dat") + ": no such file\n");

  EXPECT_EQ(RunMoidtool("catalog").code, 2);
  EXPECT_EQ(RunMoidtool("catalog a b").code, 2);
}

}  // namespace
}  // namespace moid::tools

#endif  // MOIDTOOL_PATH

// The moidview program itself, started through the shell without any display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "data/TempDirectory.h"

#ifdef MOIDVIEW_PATH

namespace moid {
namespace {

struct ProgramRun {
  int code = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs moidview with `arguments` and no display at all, its standard output going to
// `output` (a shell redirection target; by default a file read back into `out`).
ProgramRun RunWithoutDisplay(const std::string& arguments, const std::string& output = "") {
  testing::TempDirectory dir;
  const std::string target = output.empty() ? "'" + dir.Path("out") + "'" : output;
  const std::string command = std::string("cd '") + dir.Path() +
                              "' && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER '" +
                              MOIDVIEW_PATH + "' " + arguments + " >" + target + " 2>'" +
                              dir.Path("err") + "' </dev/null; echo $? >'" + dir.Path("code") +
                              "'";
  ProgramRun run;
  if (std::system(command.c_str()) != 0) return run;
  run.code = std::stoi(Slurp(dir.Path("code")));
  if (output.empty()) run.out = Slurp(dir.Path("out"));
  run.err = Slurp(dir.Path("err"));
  return run;
}

TEST(MoidviewProgram, HelpPrintsTheUsageWithoutADisplay) {
  for (const char* option : {"--help", "-h"}) {
    const ProgramRun run = RunWithoutDisplay(option);
    EXPECT_EQ(run.code, 0) << option << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("usage: moidview\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("KORIX12DIR"), std::string::npos);
  }
}

TEST(MoidviewProgram, VersionIsTheProjectsWithoutADisplay) {
  const ProgramRun run = RunWithoutDisplay("--version");
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, std::string("moidview ") + MOIDVIEW_VERSION + "\n");
  EXPECT_EQ(run.err, "");
}

TEST(MoidviewProgram, AnOutputThatCannotBeWrittenIsAFailure) {
  for (const char* option : {"--help", "--version"}) {
    const ProgramRun run = RunWithoutDisplay(option, "/dev/full");
    EXPECT_EQ(run.code, 1) << option;
    EXPECT_EQ(run.err, "moidview: standard output could not be written\n");
  }
}

TEST(MoidviewProgram, WithoutOptionsAndWithoutADisplayItSaysSo) {
  const ProgramRun run = RunWithoutDisplay("");
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("moidview: ", 0), 0u) << run.err;
}

}  // namespace
}  // namespace moid

#endif  // MOIDVIEW_PATH

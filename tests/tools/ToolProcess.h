#pragma once
// Runs the moidtool program itself through the shell and keeps what it printed and returned.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "data/TempDirectory.h"

#ifdef MOIDTOOL_PATH

namespace moid::tools {

struct ToolRun {
  int code = -1;
  std::string out;
  std::string err;
};

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs moidtool with `arguments` (already quoted for the shell). Its standard output goes to
// `output`, a shell redirection target such as '/dev/full'; by default a file read back into
// `out`.
inline ToolRun RunMoidtool(const std::string& arguments, const std::string& output = "") {
  testing::TempDirectory dir;
  const std::string target = output.empty() ? "'" + dir.Path("out") + "'" : output;
  const std::string command = std::string("'") + MOIDTOOL_PATH + "' " + arguments + " >" +
                              target + " 2>'" + dir.Path("err") + "'; echo $? >'" +
                              dir.Path("code") + "'";
  ToolRun run;
  if (std::system(command.c_str()) != 0) return run;
  run.code = std::stoi(Slurp(dir.Path("code")));
  if (output.empty()) run.out = Slurp(dir.Path("out"));
  run.err = Slurp(dir.Path("err"));
  return run;
}

// Runs moidtool with its standard output piped into `reader` (a shell command, such as
// "head -c 1 >/dev/null"), which may stop reading early.
inline ToolRun RunMoidtoolInto(const std::string& arguments, const std::string& reader) {
  testing::TempDirectory dir;
  const std::string command = std::string("{ '") + MOIDTOOL_PATH + "' " + arguments + " 2>'" +
                              dir.Path("err") + "'; echo $? >'" + dir.Path("code") + "'; } | " +
                              reader;
  ToolRun run;
  if (std::system(command.c_str()) != 0) return run;
  run.code = std::stoi(Slurp(dir.Path("code")));
  run.err = Slurp(dir.Path("err"));
  return run;
}

}  // namespace moid::tools

#endif  // MOIDTOOL_PATH

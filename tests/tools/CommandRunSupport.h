#pragma once
// Runs one moidtool subcommand in-process and keeps what it printed and returned.
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace moid::tools {

struct CommandRun {
  int code = -1;
  std::string out;
  std::string err;
};

using SubcommandFn = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

inline CommandRun RunCommand(SubcommandFn command, const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  CommandRun run;
  run.code = command(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

// The pieces of a text between separators (a trailing separator adds no empty piece).
inline std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, sep)) parts.push_back(part);
  return parts;
}

}  // namespace moid::tools

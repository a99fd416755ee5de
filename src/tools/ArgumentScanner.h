#pragma once
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The command line of a moidtool subcommand: its options (some with a value), its operands
// (files), and --help; and how every subcommand answers a wrong one.
namespace moid::tools {

struct OptionSpec {
  std::string_view name;        // "--width"
  bool takesValue = false;      // the next argument is its value, whatever it looks like
  std::string_view alias = {};  // a short spelling ("-o")
};

struct ScannedOption {
  std::string name;   // the long name, whichever spelling was given
  std::string value;  // empty for an option without a value
};

struct ScannedArguments {
  bool help = false;                   // --help or -h came before anything wrong
  std::vector<ScannedOption> options;  // in the order given; an option may repeat
  std::vector<std::string> operands;   // everything else, in order ("-" alone is one)
  std::string error;                   // the first thing wrong, for a message; empty if none
};

// Reads `args` from the left and stops at --help or at the first thing wrong: an unknown
// option (`unknown option "--zoom"`) or one whose value is missing (`--body needs a value`).
ScannedArguments ScanArguments(const std::vector<std::string>& args,
                               const std::vector<OptionSpec>& specs);

// The operand of a command that takes exactly one; the problem ("FILE is needed",
// "one FILE only") is set when there is not exactly one.
std::string SingleOperand(const ScannedArguments& scanned, std::string& problem,
                          std::string_view what = "FILE");

// Prints `usage` on `out`; the exit status of a command asked for help (0).
int ShowHelp(std::ostream& out, std::string_view usage);
// "moidtool COMMAND: PROBLEM" and the usage on `err`; the exit status of bad usage (2).
int BadUsage(std::ostream& err, std::string_view command, std::string_view problem,
             std::string_view usage);

}  // namespace moid::tools

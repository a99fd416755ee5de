// moidtool: the command-line companion of moidview.
#include <iostream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/process/DescriptorOutput.h"
#include "tools/CheckedOutput.h"
#include "tools/Commands.h"

namespace moid::tools {
namespace {

using CommandFunction = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

struct Subcommand {
  std::string_view name;
  std::string_view synopsis;
  std::string_view summary;
  CommandFunction run;
};

// One line per subcommand.
constexpr Subcommand SUBCOMMANDS[] = {
    {"catalog", "catalog FILE", "print what the catalogue reader makes of FILE", RunCatalogCommand},
    {"render", "render FILE --body SEL [--width W] [--keys KEYS] [--out DIR]", "run the program headless on FILE and write Orbits.bmp and Orbdis.bmp", RunRenderCommand},
    {"moid", "moid FILE [--width W] [--body SEL]", "the MOID and distance grid extremes the viewer finds for every body (or one)", RunMoidCommand},
    {"ephem", "ephem FILE --body SEL --start JD --days N [--step DAYS]", "positions of the Earth and a body over time, and their distance", RunEphemCommand},
    {"import", "import [--format mpcorb|sbdb-json|sbdb-csv|sbdb-api] [--epoch JD] [--limit N] [--neo] [--name-contains TEXT] [--earth centre|barycentre] [--frame earth|j2000] [--verbose] INPUT... -o ELEMENTS.DAT", "bring MPCORB.DAT or JPL small-body exports in as ELEMENTS.DAT, every body at one epoch", RunImportCommand},
};

void WriteUsage(std::ostream& out) {
  out << "usage: moidtool COMMAND [ARGUMENTS...]\n"
         "       moidtool --help\n"
         "       moidtool --version\n\n"
         "commands:\n";
  for (const Subcommand& command : SUBCOMMANDS) {
    out << "  moidtool " << command.synopsis << "\n      " << command.summary << '\n';
  }
}

const Subcommand* FindSubcommand(std::string_view name) {
  for (const Subcommand& command : SUBCOMMANDS) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    WriteUsage(err);
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    WriteUsage(out);
    return 0;
  }
  if (args[0] == "--version") {
    out << "moidtool " << MOIDVIEW_VERSION << '\n';
    return 0;
  }
  const Subcommand* command = FindSubcommand(args[0]);
  if (command == nullptr) {
    err << "moidtool: unknown command \"" << args[0] << "\"\n";
    WriteUsage(err);
    return 2;
  }
  return command->run(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
}

// Who speaks in a message about the output: "moidtool moid", or "moidtool" itself.
std::string Speaker(const std::vector<std::string>& args) {
  if (!args.empty() && FindSubcommand(args[0]) != nullptr) return "moidtool " + args[0];
  return "moidtool";
}

}  // namespace
}  // namespace moid::tools

int main(int argc, char** argv) {
  using namespace moid;
  const std::vector<std::string> args(argv + 1, argv + argc);
  process::IgnoreBrokenPipeSignal();
  process::DescriptorOutput standardOutput(process::STANDARD_OUTPUT_DESCRIPTOR);
  std::ostream out(&standardOutput);
  const int code = tools::RunTool(args, out, std::cerr);
  // A command that failed has said why; one that succeeded succeeded only if its output arrived.
  if (code != 0) return code;
  return tools::FinishOutput(out, std::cerr, tools::Speaker(args));
}

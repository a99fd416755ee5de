#pragma once
#include <ostream>
#include <string>
#include <vector>

// moidtool's subcommands. Each takes the arguments after its own name, writes its results to
// `out` and its complaints to `err`, and returns the process exit code: 0 done, 1 the input
// could not be used, 2 bad usage.
namespace moid::tools {

int RunCatalogCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunMoidCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunEphemCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace moid::tools

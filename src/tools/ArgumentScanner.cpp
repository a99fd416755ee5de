#include "tools/ArgumentScanner.h"

namespace moid::tools {
namespace {

constexpr int BAD_USAGE_STATUS = 2;

const OptionSpec* FindOption(const std::vector<OptionSpec>& specs, const std::string& arg) {
  for (const OptionSpec& spec : specs) {
    if (arg == spec.name || (!spec.alias.empty() && arg == spec.alias)) return &spec;
  }
  return nullptr;
}

bool LooksLikeAnOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

}  // namespace

ScannedArguments ScanArguments(const std::vector<std::string>& args,
                               const std::vector<OptionSpec>& specs) {
  ScannedArguments scanned;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      scanned.help = true;
      return scanned;
    }
    const OptionSpec* spec = FindOption(specs, arg);
    if (spec == nullptr && LooksLikeAnOption(arg)) {
      scanned.error = "unknown option \"" + arg + "\"";
      return scanned;
    }
    if (spec == nullptr) {
      scanned.operands.push_back(arg);
      continue;
    }
    if (spec->takesValue && i + 1 == args.size()) {
      scanned.error = arg + " needs a value";
      return scanned;
    }
    scanned.options.push_back({std::string(spec->name), spec->takesValue ? args[++i] : ""});
  }
  return scanned;
}

std::string SingleOperand(const ScannedArguments& scanned, std::string& problem,
                          std::string_view what) {
  if (scanned.operands.empty()) {
    problem = std::string(what) + " is needed";
    return "";
  }
  if (scanned.operands.size() > 1) {
    problem = "one " + std::string(what) + " only";
    return "";
  }
  return scanned.operands.front();
}

int ShowHelp(std::ostream& out, std::string_view usage) {
  out << usage;
  return 0;
}

int BadUsage(std::ostream& err, std::string_view command, std::string_view problem,
             std::string_view usage) {
  err << "moidtool " << command << ": " << problem << '\n' << usage;
  return BAD_USAGE_STATUS;
}

}  // namespace moid::tools

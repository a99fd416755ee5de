#pragma once
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sources/SourceFormat.h"
#include "tools/ArgumentScanner.h"

// The command line of moidtool moid.
namespace moid::tools {

extern const char* const MOID_USAGE;

struct MoidOptions {
  std::string file;
  int width = 432;
  std::string body;
  bool haveBody = false;
  sources::SourceFormat format = sources::SourceFormat::Detect;
  std::optional<double> maxMoidAu;  // keep only rows at or below this MOID
  int threads = 0;                  // 0: one per processor
};

// The options given by `scanned`; the problem with them, or empty.
std::string ParseMoidOptions(const ScannedArguments& scanned, MoidOptions& o);

const std::vector<OptionSpec>& MoidOptionSpecs();

// The number of threads to compute on: the option's, else one per processor.
int ThreadsToUse(const MoidOptions& o);

}  // namespace moid::tools

#pragma once
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sources/SourceFormat.h"

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

enum class MoidParse { Ok, Help, Bad };

// Reads `args` into `o`; for Bad, says why on `err`.
MoidParse ParseMoidOptions(const std::vector<std::string>& args, MoidOptions& o,
                           std::ostream& err);

// The number of threads to compute on: the option's, else one per processor.
int ThreadsToUse(const MoidOptions& o);

}  // namespace moid::tools

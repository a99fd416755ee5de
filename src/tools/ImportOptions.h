#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sources/SourceFormat.h"
#include "tools/ImportEarth.h"
#include "tools/ImportSelection.h"

// The command line of moidtool import.
namespace moid::tools {

struct ImportOptions {
  sources::SourceFormat format = sources::SourceFormat::Detect;
  std::optional<double> epochJd;  // the common epoch; by default the inputs' most common one
  ImportFilters filters;
  EarthChoice earth = EarthChoice::Centre;
  FrameChoice frame = FrameChoice::EarthPlane;
  bool verbose = false;
  std::vector<std::string> inputs;  // read in this order; their bodies follow one another
  std::string output;
};

struct ImportOptionsParse {
  std::optional<ImportOptions> options;  // set when the arguments make sense
  std::string error;                     // otherwise why not (empty when help was asked for)
  bool help = false;
};

ImportOptionsParse ParseImportOptions(const std::vector<std::string>& args);

extern const char* const IMPORT_USAGE;

}  // namespace moid::tools

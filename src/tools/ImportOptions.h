#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/ImportSelection.h"

// The command line of moidtool import.
namespace moid::tools {

enum class SourceFormat { Detect, Mpcorb, SbdbJson, SbdbCsv };

struct ImportOptions {
  SourceFormat format = SourceFormat::Detect;
  std::optional<double> epochJd;  // the common epoch; by default the inputs' most common one
  ImportFilters filters;
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

// The format of an input from its first bytes: a JSON object, a CSV line of field names that
// names full_name or pdes, or else the Minor Planet Center's fixed columns.
SourceFormat DetectFormat(std::string_view head);

// "MPCORB", "SBDB JSON", "SBDB CSV".
std::string_view FormatName(SourceFormat format);

extern const char* const IMPORT_USAGE;

}  // namespace moid::tools

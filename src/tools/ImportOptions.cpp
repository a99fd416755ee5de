#include "tools/ImportOptions.h"

#include <charconv>

#include "sources/Decimal.h"
#include "tools/ArgumentScanner.h"

namespace moid::tools {

const char* const IMPORT_USAGE =
    "usage: moidtool import [--format mpcorb|sbdb-json|sbdb-csv|sbdb-api] [--epoch JD]\n"
    "                       [--limit N] [--neo] [--name-contains TEXT]\n"
    "                       [--earth centre|barycentre] [--frame earth|j2000] [--verbose]\n"
    "                       INPUT... -o ELEMENTS.DAT\n"
    "  INPUT is MPCORB.DAT (or a file of its format), an export of JPL's Small-Body\n"
    "  Database as JSON or CSV (fields full_name, epoch_mjd, e, a, i, om, w, ma; neo), or\n"
    "  the answer of its API for one object (sbdb.api, full precision) saved as JSON.\n"
    "  Several inputs are read in turn, their bodies in that order.\n"
    "  --format         the inputs' format (found from the first bytes of each when not given)\n"
    "  --epoch JD       the common epoch of the catalogue (default: the inputs' most common)\n"
    "  --limit N        take at most N bodies\n"
    "  --neo            take near-Earth objects only\n"
    "  --name-contains  take bodies whose name contains TEXT (letter case ignored)\n"
    "  --earth          record 0: the osculating orbit of the Earth's centre at the epoch\n"
    "                   (centre, the default: MOIDs as JPL and the MPC list them) or the\n"
    "                   Earth-Moon barycentre's mean orbit (barycentre)\n"
    "  --frame          refer the elements to the plane of record 0's orbit (earth, the\n"
    "                   default: the viewer draws the Earth in that plane) or keep them on\n"
    "                   the J2000 ecliptic as published (j2000)\n"
    "  --verbose        list every body dropped and every line skipped\n"
    "  -o, --output     the catalogue to write (replaced whole, never left half written)\n";

namespace {

std::optional<long> PositiveCount(const std::string& text) {
  long value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (result.ec != std::errc() || result.ptr != end || value < 1) return std::nullopt;
  return value;
}

// Takes the value of an option that has one; the error when it is missing or wrong.
std::string TakeValue(const std::string& option, const std::string& value, ImportOptions& o) {
  if (option == "--format") {
    const std::optional<sources::SourceFormat> format = sources::FormatNamed(value);
    if (!format) return "--format takes mpcorb, sbdb-json, sbdb-csv or sbdb-api, not \"" + value + "\"";
    o.format = *format;
  } else if (option == "--earth") {
    if (value != "centre" && value != "barycentre") {
      return "--earth takes centre or barycentre, not \"" + value + "\"";
    }
    o.earth = value == "centre" ? EarthChoice::Centre : EarthChoice::Barycentre;
  } else if (option == "--frame") {
    if (value != "earth" && value != "j2000") {
      return "--frame takes earth or j2000, not \"" + value + "\"";
    }
    o.frame = value == "earth" ? FrameChoice::EarthPlane : FrameChoice::J2000;
  } else if (option == "--epoch") {
    o.epochJd = sources::ParseDecimal(value);
    if (!o.epochJd) return "--epoch takes a Julian day, not \"" + value + "\"";
  } else if (option == "--limit") {
    o.filters.limit = PositiveCount(value);
    if (!o.filters.limit) return "--limit takes a whole number from 1 up, not \"" + value + "\"";
  } else if (option == "--name-contains") {
    o.filters.nameContains = value;
  } else {
    o.output = value;
  }
  return "";
}

const std::vector<OptionSpec> IMPORT_OPTIONS = {
    {"--format", true},        {"--epoch", true},   {"--earth", true},
    {"--frame", true},         {"--limit", true},   {"--name-contains", true},
    {"--output", true, "-o"},  {"--neo", false},    {"--verbose", false, "-v"}};

// Takes one option; the problem with its value, or empty.
std::string TakeOption(const ScannedOption& option, ImportOptions& o) {
  if (option.name == "--neo") {
    o.filters.nearEarthOnly = true;
  } else if (option.name == "--verbose") {
    o.verbose = true;
  } else {
    return TakeValue(option.name, option.value, o);
  }
  return "";
}

std::string CheckComplete(const ImportOptions& o) {
  if (o.inputs.empty()) return "no INPUT given";
  if (o.output.empty()) return "no output given: -o ELEMENTS.DAT";
  return "";
}

}  // namespace

ImportOptionsParse ParseImportOptions(const std::vector<std::string>& args) {
  const ScannedArguments scanned = ScanArguments(args, IMPORT_OPTIONS);
  ImportOptionsParse parse;
  parse.help = scanned.help;
  parse.error = scanned.error;
  if (parse.help || !parse.error.empty()) return parse;
  ImportOptions options;
  for (const ScannedOption& option : scanned.options) {
    parse.error = TakeOption(option, options);
    if (!parse.error.empty()) return parse;
  }
  options.inputs = scanned.operands;
  parse.error = CheckComplete(options);
  if (parse.error.empty()) parse.options = std::move(options);
  return parse;
}

}  // namespace moid::tools

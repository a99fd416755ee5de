#include "tools/MoidOptions.h"

#include <algorithm>
#include <charconv>
#include <thread>

#include "tools/ArgumentScanner.h"
#include "tools/OrbitCommandSupport.h"

namespace moid::tools {

const char* const MOID_USAGE =
    "usage: moidtool moid FILE [--format mpcorb|sbdb-json|sbdb-csv|sbdb-api] [--width W]\n"
    "                     [--body SEL] [--max-moid AU] [--threads N]\n"
    "  FILE        ELEMENTS.DAT (its record 0 is the Earth), or what import reads: MPCORB.DAT,\n"
    "              an export of JPL's Small-Body Database or its API's answer for one body;\n"
    "              each of these bodies is measured against the Earth's osculating orbit at\n"
    "              the body's own epoch\n"
    "  --format    the source's format (found from its first bytes when not given)\n"
    "  W           window width, a multiple of 72 from 72 to 1440 (default 432)\n"
    "  SEL         ELEMENTS.DAT: a slot number, or a body's name or a unique part of it;\n"
    "              other sources: a body's position in the input, or every body whose name\n"
    "              contains SEL (letter case ignored)\n"
    "  --max-moid  only bodies whose MOID is at most AU\n"
    "  --threads   how many threads compute (default: one per processor)\n";

namespace {

constexpr int MAX_THREADS = 256;

const std::vector<OptionSpec> MOID_OPTIONS = {{"--width", true},    {"--body", true},
                                               {"--format", true},   {"--max-moid", true},
                                               {"--threads", true}};

std::optional<int> ThreadCount(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (result.ec != std::errc() || result.ptr != end || value < 1 || value > MAX_THREADS) {
    return std::nullopt;
  }
  return value;
}

// Takes the value of an option; the complaint when it is wrong, else empty.
std::string TakeValue(const std::string& option, const std::string& value, MoidOptions& o) {
  if (option == "--body") {
    o.body = value;
    o.haveBody = true;
  } else if (option == "--format") {
    const std::optional<sources::SourceFormat> format = sources::FormatNamed(value);
    if (!format) return "--format takes mpcorb, sbdb-json, sbdb-csv or sbdb-api, not \"" + value + "\"";
    o.format = *format;
  } else if (option == "--max-moid") {
    o.maxMoidAu = ParseFiniteNumber(value);
    if (!o.maxMoidAu || *o.maxMoidAu < 0) {
      return "--max-moid takes a distance in AU from 0 up, not \"" + value + "\"";
    }
  } else if (option == "--threads") {
    const std::optional<int> threads = ThreadCount(value);
    if (!threads) return "--threads takes a whole number from 1 to 256, not \"" + value + "\"";
    o.threads = *threads;
  } else {
    const std::optional<int> w = ParseWindowWidth(value);
    if (!w) return "width \"" + value + "\" is not a multiple of 72 from 72 to 1440";
    o.width = *w;
  }
  return "";
}

}  // namespace

std::string ParseMoidOptions(const ScannedArguments& scanned, MoidOptions& o) {
  if (!scanned.error.empty()) return scanned.error;
  for (const ScannedOption& option : scanned.options) {
    if (std::string problem = TakeValue(option.name, option.value, o); !problem.empty()) {
      return problem;
    }
  }
  std::string problem;
  o.file = SingleOperand(scanned, problem);
  return problem;
}

const std::vector<OptionSpec>& MoidOptionSpecs() { return MOID_OPTIONS; }

int ThreadsToUse(const MoidOptions& o) {
  if (o.threads > 0) return o.threads;
  return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 256u));
}

}  // namespace moid::tools

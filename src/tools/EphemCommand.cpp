// moidtool ephem FILE --body SEL --start JD --days N [--step DAYS]: where the animation puts
// the Earth and the body, instant by instant, and how far apart they are.
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "orbit/CalendarDate.h"
#include "orbit/OrbitModel.h"
#include "tools/ArgumentScanner.h"
#include "tools/BodySelector.h"
#include "tools/CheckedOutput.h"
#include "tools/Commands.h"
#include "tools/OrbitCommandSupport.h"
#include "tools/ToolText.h"

namespace moid::tools {
namespace {

constexpr const char* EPHEM_USAGE =
    "usage: moidtool ephem FILE --body SEL --start JD --days N [--step DAYS]\n"
    "  SEL   a slot number, or a body's name or a unique part of it\n"
    "  rows at JD, JD + DAYS, ... up to JD + N (DAYS defaults to 1)\n";

constexpr const char* EPHEM_HEADER =
    "jd\tdate\tearthX\tearthY\tearthZ\tbodyX\tbodyY\tbodyZ\tdistanceAu\n";

// More rows than anyone reads (some 150 GB of text); a guard against a step far too small for
// the span. Rows are written as they are made, so a long span costs no memory.
constexpr double MAX_ROWS = 1e9;
// The calendar's dates mean nothing further out than this from the year 0, and a Julian day
// there no longer resolves hours.
constexpr double CALENDAR_LIMIT_YEARS = 1e7;
// January 1 of the year 0 and the mean length of a year, in days.
constexpr double JD_OF_YEAR_ZERO = 1721059.5;
constexpr double DAYS_PER_YEAR = 365.25;
// A span that is a whole number of steps but for the rounding of its quotient ends on a row:
// 0.3 / 0.1 is 2.9999999999999996.
constexpr double WHOLE_STEPS_TOLERANCE = 16 * std::numeric_limits<double>::epsilon();

struct EphemOptions {
  std::string file, body;
  std::optional<double> start, days;
  double step = 1;
};

const std::vector<OptionSpec> EPHEM_OPTIONS = {
    {"--body", true}, {"--start", true}, {"--days", true}, {"--step", true}};

// The problem with a number given for `option`; empty when it is one.
std::string TakeNumber(const std::string& option, const std::string& value,
                       std::optional<double>& slot) {
  slot = ParseFiniteNumber(value);
  return slot ? "" : option + " \"" + value + "\" is not a number";
}

std::string TakeOption(const ScannedOption& option, EphemOptions& o) {
  if (option.name == "--body") {
    o.body = option.value;
    return "";
  }
  if (option.name == "--start") return TakeNumber(option.name, option.value, o.start);
  if (option.name == "--days") return TakeNumber(option.name, option.value, o.days);
  std::optional<double> step;
  std::string problem = TakeNumber(option.name, option.value, step);
  if (step) o.step = *step;
  return problem;
}

bool WithinCalendar(double jd) {
  return std::abs(jd - JD_OF_YEAR_ZERO) <= CALENDAR_LIMIT_YEARS * DAYS_PER_YEAR;
}

// The number of whole steps in the span, counted so that a span meant as a whole number of
// steps ends on its last row.
long long WholeSteps(double days, double step) {
  const double steps = days / step;
  const double nearest = std::round(steps);
  if (std::abs(steps - nearest) <= WHOLE_STEPS_TOLERANCE * nearest) {
    return static_cast<long long>(nearest);
  }
  return static_cast<long long>(std::floor(steps));
}

// What is wrong with the options taken together; empty when nothing is.
std::string CheckOptions(const EphemOptions& o) {
  if (o.file.empty() || o.body.empty() || !o.start || !o.days) {
    return "FILE, --body, --start and --days are needed";
  }
  if (*o.days < 0 || !(o.step > 0)) {
    return "--days must not be negative and --step must be above 0";
  }
  if (*o.days / o.step >= MAX_ROWS) {
    return "that would be more than " + ShortestNumber(MAX_ROWS) + " rows";
  }
  if (!WithinCalendar(*o.start) || !WithinCalendar(*o.start + *o.days)) {
    return "the rows must lie within " +
           std::to_string(static_cast<long long>(CALENDAR_LIMIT_YEARS)) +
           " years of the year 0 (JD " + ShortestNumber(JD_OF_YEAR_ZERO) + ")";
  }
  return "";
}

// The options, or the problem with them.
std::string ParseEphemOptions(const ScannedArguments& scanned, EphemOptions& o) {
  if (!scanned.error.empty()) return scanned.error;
  for (const ScannedOption& option : scanned.options) {
    if (std::string problem = TakeOption(option, o); !problem.empty()) return problem;
  }
  if (scanned.operands.size() > 1) return "one FILE only";
  if (!scanned.operands.empty()) o.file = scanned.operands.front();
  return CheckOptions(o);
}

void AppendRow(std::string& out, double jd, const Vec3& e, const Vec3& b) {
  const double dx = b.x - e.x, dy = b.y - e.y, dz = b.z - e.z;
  out += ShortestNumber(jd) + '\t' + Windows1252ToUtf8(JulianDayToDateText(jd)) + '\t' +
         ShortestNumber(e.x) + '\t' + ShortestNumber(e.y) + '\t' + ShortestNumber(e.z) + '\t' +
         ShortestNumber(b.x) + '\t' + ShortestNumber(b.y) + '\t' + ShortestNumber(b.z) + '\t' +
         ShortestNumber(std::sqrt(dx * dx + dy * dy + dz * dz)) + '\n';
}

}  // namespace

int RunEphemCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ScannedArguments scanned = ScanArguments(args, EPHEM_OPTIONS);
  if (scanned.help) return ShowHelp(out, EPHEM_USAGE);
  EphemOptions o;
  if (const std::string problem = ParseEphemOptions(scanned, o); !problem.empty()) {
    return BadUsage(err, "ephem", problem, EPHEM_USAGE);
  }
  CatalogReadReport report;
  const std::unique_ptr<BodyCatalog> catalog = LoadOrbitCatalog("ephem", o.file, err, &report);
  if (!catalog) return 1;
  const BodySelection chosen = SelectBody(*catalog, o.body, &report);
  if (chosen.index < 0) {
    err << "moidtool ephem: " << chosen.error << '\n';
    return chosen.ambiguous ? 2 : 1;
  }
  const OrbitGeometry earth = PrepareEarthGeometry(catalog->reference);
  const OrbitGeometry body =
      PrepareAsteroidGeometry(catalog->bodies[static_cast<std::size_t>(chosen.index)]);
  out << EPHEM_HEADER;
  const long long steps = WholeSteps(*o.days, o.step);
  std::string row;
  for (long long i = 0; i <= steps && out; ++i) {
    const double jd = *o.start + static_cast<double>(i) * o.step;
    row.clear();
    AppendRow(row, jd, PositionAtTime(earth, jd, catalog->epoch),
              PositionAtTime(body, jd, catalog->epoch));
    out << row;
  }
  return FinishOutput(out, err, "moidtool ephem");
}

}  // namespace moid::tools

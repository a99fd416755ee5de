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

enum class Parse { Ok, Help, Bad };

bool TakeNumber(const std::string& option, const std::string& value, std::optional<double>& slot,
                std::ostream& err) {
  slot = ParseFiniteNumber(value);
  if (!slot) err << "moidtool ephem: " << option << " \"" << value << "\" is not a number\n";
  return slot.has_value();
}

bool TakeOption(const std::string& a, const std::string& value, EphemOptions& o,
                std::ostream& err) {
  if (a == "--body") {
    o.body = value;
    return true;
  }
  if (a == "--start") return TakeNumber(a, value, o.start, err);
  if (a == "--days") return TakeNumber(a, value, o.days, err);
  std::optional<double> step;
  if (!TakeNumber(a, value, step, err)) return false;
  o.step = *step;
  return true;
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

bool CheckOptions(const EphemOptions& o, std::ostream& err) {
  if (o.file.empty() || o.body.empty() || !o.start || !o.days) {
    err << "moidtool ephem: FILE, --body, --start and --days are needed\n";
    return false;
  }
  if (*o.days < 0 || !(o.step > 0)) {
    err << "moidtool ephem: --days must not be negative and --step must be above 0\n";
    return false;
  }
  if (*o.days / o.step >= MAX_ROWS) {
    err << "moidtool ephem: that would be more than " << MAX_ROWS << " rows\n";
    return false;
  }
  if (!WithinCalendar(*o.start) || !WithinCalendar(*o.start + *o.days)) {
    err << "moidtool ephem: the rows must lie within "
        << static_cast<long long>(CALENDAR_LIMIT_YEARS)
        << " years of the year 0 (JD " << ShortestNumber(JD_OF_YEAR_ZERO) << ")\n";
    return false;
  }
  return true;
}

Parse ParseEphemOptions(const std::vector<std::string>& args, EphemOptions& o,
                        std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") return Parse::Help;
    if (a == "--body" || a == "--start" || a == "--days" || a == "--step") {
      if (i + 1 >= args.size()) {
        err << "moidtool ephem: " << a << " needs a value\n";
        return Parse::Bad;
      }
      if (!TakeOption(a, args[++i], o, err)) return Parse::Bad;
    } else if (a.size() > 1 && a[0] == '-') {
      err << "moidtool ephem: unknown option \"" << a << "\"\n";
      return Parse::Bad;
    } else if (o.file.empty()) {
      o.file = a;
    } else {
      err << "moidtool ephem: one FILE only\n";
      return Parse::Bad;
    }
  }
  return CheckOptions(o, err) ? Parse::Ok : Parse::Bad;
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
  EphemOptions o;
  const Parse parsed = ParseEphemOptions(args, o, err);
  if (parsed == Parse::Help) {
    out << EPHEM_USAGE;
    return 0;
  }
  if (parsed == Parse::Bad) {
    err << EPHEM_USAGE;
    return 2;
  }
  const std::unique_ptr<BodyCatalog> catalog = LoadOrbitCatalog("ephem", o.file, err);
  if (!catalog) return 1;
  const BodySelection chosen = SelectBody(*catalog, o.body);
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

// moidtool catalog FILE: what the catalogue reader made of FILE.
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "data/CatalogReader.h"
#include "data/DataDirectory.h"
#include "data/ElementRecord.h"
#include "tools/ArgumentScanner.h"
#include "tools/Commands.h"
#include "tools/OrbitCommandSupport.h"
#include "tools/ToolText.h"

namespace moid::tools {
namespace {

constexpr const char* CATALOG_USAGE = "usage: moidtool catalog FILE\n";

void WriteElements(std::ostream& out, const ElementRecord& r) {
  out << ShortestNumber(r.eccentricity) << '\t' << ShortestNumber(r.inclination) << '\t'
      << ShortestNumber(r.perihelionArgument) << '\t' << ShortestNumber(r.ascendingNode) << '\t'
      << ShortestNumber(r.semiMajorAxis) << '\t' << ShortestNumber(r.meanAnomaly) << '\t'
      << QuotedText(r.name);
}

void WriteCatalog(std::ostream& out, const BodyCatalog& catalog) {
  out << "# epoch " << ShortestNumber(catalog.epoch) << '\n';
  out << "# reference\t";
  WriteElements(out, catalog.reference);
  out << "\nindex\teccentricity\tinclination\tperihelionArgument\tascendingNode\t"
         "semiMajorAxis\tmeanAnomaly\tname\n";
  for (int index = 0; index <= catalog.lastIndex; ++index) {
    out << index << '\t';
    WriteElements(out, catalog.bodies[static_cast<std::size_t>(index)]);
    out << '\n';
  }
}

void WriteProblems(std::ostream& err, const CatalogReadReport& report) {
  if (!report.referenceProblem.empty()) {
    err << "reference record: " << report.referenceProblem << '\n';
  }
  for (const SkippedRecord& skipped : report.skipped) {
    err << "record " << skipped.position << ' ' << QuotedText(skipped.name)
        << ": skipped: " << skipped.reason << '\n';
  }
  const int unlisted = report.skippedCount - static_cast<int>(report.skipped.size());
  if (unlisted > 0) err << "... and " << unlisted << " more skipped records\n";
  for (const ReadNote& note : report.notes) {
    err << "record " << note.position << (note.field.empty() ? "" : " " + note.field) << ": "
        << note.what << '\n';
  }
  const int unlistedNotes = report.noteCount - static_cast<int>(report.notes.size());
  if (unlistedNotes > 0) err << "... and " << unlistedNotes << " more such fields\n";
  if (report.truncated) {
    err << "record " << report.firstUnreadPosition << " and after: not read: the catalogue holds "
        << "at most " << CATALOG_LAST_INDEX + 1 << " bodies (" << report.unreadCount
        << " records not read)\n";
  }
}

}  // namespace

int RunCatalogCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ScannedArguments scanned = ScanArguments(args, {});
  if (scanned.help) return ShowHelp(out, CATALOG_USAGE);
  std::string problem = scanned.error;
  const std::string path = problem.empty() ? SingleOperand(scanned, problem) : "";
  if (!problem.empty()) return BadUsage(err, "catalog", problem, CATALOG_USAGE);
  if (!PathExists(path)) {
    err << "moidtool catalog: " << path << ": no such file\n";
    return 1;
  }
  auto catalog = std::make_unique<BodyCatalog>();
  const CatalogReadReport report = ReadCatalog(path, *catalog);
  if (report.unreadable) {
    err << "moidtool catalog: " << path << ": cannot be read: " << WhyUnreadable(path) << '\n';
    return 1;
  }
  WriteCatalog(out, *catalog);
  WriteProblems(err, report);
  return 0;
}

}  // namespace moid::tools

// moidtool moid FILE: the MOID and distance grid extremes that the viewer works out for every
// body of a catalogue or source (or the ones chosen), with the caption's numbers as drawn.
#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "data/DataDirectory.h"
#include "orbit/ViewerMoid.h"
#include "sources/SourceInput.h"
#include "platform/process/TerminalQuery.h"
#include "tools/BodySelector.h"
#include "tools/CheckedOutput.h"
#include "tools/Commands.h"
#include "tools/OrbitCommandSupport.h"
#include "tools/ProgressLine.h"
#include "tools/MoidFromSource.h"
#include "tools/MoidOptions.h"
#include "tools/MoidRows.h"

namespace moid::tools {
namespace {

// A short run shows no progress at all.
constexpr std::chrono::seconds PROGRESS_QUIET_START{1};

std::vector<ViewerMoid> ComputeAll(const BodyCatalog& catalog,
                                   const std::vector<const ElementRecord*>& bodies, int W,
                                   int threads, std::ostream& err) {
  if (!process::StandardErrorIsTerminal())
    return ComputeViewerMoids(catalog.reference, bodies, W, threads);
  ProgressLine progress(err, "", bodies.size(), ProgressLine::Form::CountBar,
                       PROGRESS_QUIET_START);
  return ComputeViewerMoids(catalog.reference, bodies, W, threads,
                            [&](int done, int) { progress.Update(static_cast<std::uint64_t>(done)); });
}

// ELEMENTS.DAT: every body (or the one chosen) against record 0.
int MoidFromCatalogue(const MoidOptions& o, std::ostream& out, std::ostream& err) {
  CatalogReadReport report;
  const std::unique_ptr<BodyCatalog> catalog = LoadOrbitCatalog("moid", o.file, err, &report);
  if (!catalog) return 1;
  std::vector<int> slots;
  if (o.haveBody) {
    const BodySelection chosen = SelectBody(*catalog, o.body, &report);
    if (chosen.index < 0) {
      err << "moidtool moid: " << chosen.error << '\n';
      return chosen.ambiguous ? 2 : 1;
    }
    slots.push_back(chosen.index);
  } else {
    for (int i = 0; i <= catalog->lastIndex; ++i) slots.push_back(i);
  }
  std::vector<const ElementRecord*> bodies;
  for (int slot : slots) bodies.push_back(&catalog->bodies[static_cast<std::size_t>(slot)]);
  const std::vector<ViewerMoid> results =
      ComputeAll(*catalog, bodies, o.width, ThreadsToUse(o), err);
  out << MOID_HEADER;
  long rows = 0;
  for (std::size_t i = 0; i < slots.size() && out; ++i) {
    if (o.maxMoidAu && !(results[i].moid.moidAu <= *o.maxMoidAu)) continue;
    std::string row;
    AppendMoidRow(row, slots[i], bodies[i]->name, results[i], catalog->epoch);
    if (out << row) ++rows;
  }
  return FinishRowOutput(out, err, "moidtool moid", rows);
}

}  // namespace

int RunMoidCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ScannedArguments scanned = ScanArguments(args, MoidOptionSpecs());
  if (scanned.help) return ShowHelp(out, MOID_USAGE);
  MoidOptions o;
  if (const std::string problem = ParseMoidOptions(scanned, o); !problem.empty()) {
    return BadUsage(err, "moid", problem, MOID_USAGE);
  }
  if (!PathExists(o.file)) return MoidFromCatalogue(o, out, err);  // says it is missing
  sources::SourceInput source(o.file);
  if (!source.Failure().empty()) {
    err << "moidtool moid: " << sources::DescribedPath(o.file) << ": " << source.Failure() << '\n';
    return 1;
  }
  const sources::SourceFormat format = source.FormatFor(o.format);
  if (format != sources::SourceFormat::Unknown) return MoidFromSource(o, source, format, out, err);
  // Not a source catalogue: ELEMENTS.DAT, read by name.
  if (source.Size()) return MoidFromCatalogue(o, out, err);
  err << "moidtool moid: " << sources::DescribedPath(o.file) << ": not read: "
      << sources::UnrecognisedFormatReason(source.Head()) << '\n';
  return 1;
}

}  // namespace moid::tools

// moidtool import: a catalogue users already have (MPCORB.DAT, or an export of JPL's
// Small-Body Database) as ELEMENTS.DAT, every body at one common epoch.
#include <ostream>
#include <string>
#include <vector>

#include "data/BodyCheck.h"
#include "platform/process/OutputFile.h"
#include "platform/process/ProcessServices.h"
#include "platform/process/TerminalQuery.h"
#include "sources/SourceInput.h"
#include "tools/ArgumentScanner.h"
#include "tools/Commands.h"
#include "tools/ImportEarth.h"
#include "tools/ImportOptions.h"
#include "tools/ProgressLine.h"
#include "tools/ImportSelection.h"
#include "tools/ImportWriter.h"
#include "tools/ToolText.h"

namespace moid::tools {
namespace {

constexpr const char* PREFIX = "moidtool import: ";
// Without --verbose, at most this many skipped lines are listed one by one.
constexpr std::size_t LISTED_PROBLEMS = 100;

std::string Plural(long count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Where a line is: "line 12", or "FILE: line 12" when several inputs are read.
std::string Where(const std::string& source, int line, bool severalInputs) {
  return (severalInputs ? source + ": " : std::string()) + "line " + std::to_string(line);
}

// Reads one input into `collector`, with a progress line when it is large and standard error
// is a terminal; false, after saying why, when it cannot be used.
bool ReadInput(const std::string& input, const ImportOptions& options, BodyCollector& collector,
               std::string& formatName, std::ostream& err) {
  sources::SourceInput source(input);
  if (!source.Failure().empty()) {
    err << PREFIX << sources::DescribedPath(input) << ": " << source.Failure() << '\n';
    return false;
  }
  const sources::SourceFormat format = source.FormatFor(options.format);
  if (format == sources::SourceFormat::Unknown) {
    err << PREFIX << sources::DescribedPath(input) << ": not read: "
        << sources::UnrecognisedFormatReason(source.Head()) << '\n';
    return false;
  }
  formatName = sources::FormatName(format);
  const std::uint64_t size = source.Size().value_or(0);
  const bool showProgress = size >= LARGE_INPUT_BYTES && process::StandardErrorIsTerminal();
  ProgressLine progress(err, std::string(PREFIX) + "reading " + input, showProgress ? size : 0);
  collector.StartSource(input, [&progress](std::uint64_t bytes) { progress.Update(bytes); });
  const sources::SourceFailure failure = sources::ReadSource(format, source.Stream(), collector);
  progress.Finish();
  collector.StartSource(input, {});
  if (failure.empty()) return true;
  err << PREFIX << sources::DescribedPath(input) << ": not usable as " << formatName << ": "
      << failure << '\n';
  return false;
}

void ReportProblems(const Collection& c, const ImportOptions& options, std::ostream& err) {
  const bool several = options.inputs.size() > 1;
  const std::size_t listed =
      options.verbose ? c.problems.size() : std::min(c.problems.size(), LISTED_PROBLEMS);
  for (std::size_t i = 0; i < listed; ++i) {
    const sources::SourceProblem& problem = c.problems[i];
    err << PREFIX << Where(problem.source, problem.line, several) << ": " << problem.message
        << '\n';
  }
  if (listed < c.problems.size()) {
    err << PREFIX << "... and " << Plural(static_cast<long>(c.problems.size() - listed), "more line", "more lines")
        << " skipped (--verbose lists them all)\n";
  }
}

void ReportDropped(const Collection& c, const ImportOptions& options, std::ostream& err) {
  const bool verbose = options.verbose;
  if (verbose) {
    for (const DroppedBody& body : c.dropped) {
      err << PREFIX << Where(body.source, body.line, options.inputs.size() > 1) << " \""
          << body.name << "\": dropped: " << body.reason << '\n';
    }
  }
  if (c.dropped.empty()) return;
  err << PREFIX << Plural(static_cast<long>(c.dropped.size()), "body", "bodies")
      << " dropped: ELEMENTS.DAT holds only named bodies with every element given, on "
         "elliptic orbits whose perihelion lies outside the Sun"
      << (verbose ? "\n" : " (--verbose lists them)\n");
}

void ReportLeftOut(const Collection& c, std::ostream& err) {
  if (c.leftOut == 0) return;
  err << PREFIX << Plural(c.leftOut, "body", "bodies") << " left out: ELEMENTS.DAT holds at most "
      << MAX_IMPORTED_BODIES << " bodies, and the first " << MAX_IMPORTED_BODIES
      << " in input order were taken; choose which with --neo, --name-contains TEXT or --limit N\n";
}

std::string Summary(const Collection& c, const ImportOptions& options, double epochJd,
                    long written) {
  std::string text = std::string(PREFIX) + "wrote " +
                     Plural(written, "body", "bodies") + " at JD " +
                     ShortestNumber(epochJd) + " to " + options.output + " (" +
                     Plural(c.bodiesRead, "body", "bodies") + " read";
  if (!c.dropped.empty()) text += ", " + std::to_string(c.dropped.size()) + " dropped";
  if (c.filteredOut > 0) text += ", " + std::to_string(c.filteredOut) + " not matching";
  if (c.beyondLimit > 0) text += ", " + std::to_string(c.beyondLimit) + " beyond --limit";
  if (c.leftOut > 0) text += ", " + std::to_string(c.leftOut) + " left out";
  if (!c.problems.empty()) text += ", " + Plural(static_cast<long>(c.problems.size()), "line", "lines") + " skipped";
  return text + "); record 0: " + EarthAndFrameText(options.earth, options.frame) + "\n";
}

std::string WhyNothingTaken(const Collection& c, const std::string& inputs) {
  if (c.bodiesRead == 0) return "no body could be read from " + inputs;
  if (c.dropped.size() == static_cast<std::size_t>(c.bodiesRead)) {
    return "none of its bodies can be held by ELEMENTS.DAT";
  }
  return "no body matches the filters";
}

// Writes the catalogue; the exit code.
int WriteCatalogue(const ImportOptions& options, const Collection& c, std::ostream& out,
                   std::ostream& err) {
  const double epochJd = options.epochJd ? *options.epochJd : *c.epochs.MostCommon();
  if (const std::string warning = EarthSpanWarning(options.earth, epochJd); !warning.empty()) {
    err << PREFIX << "warning: " << warning << '\n';
  }
  const ElementRecord earth = ReferenceEarthAt(options.earth, epochJd);
  if (const std::string problem = UndrawableReason(earth); !problem.empty()) {
    err << PREFIX << "nothing written: at JD " << ShortestNumber(epochJd) << " the Earth's "
        << (options.earth == EarthChoice::Centre ? "ephemeris" : "mean elements")
        << " give no orbit (" << problem << ")\n";
    return 1;
  }
  std::vector<ElementRecord> records;
  records.reserve(c.kept.size());
  for (const sources::SourceBody& body : c.kept) {
    ElementRecord record = InCatalogueFrame(RecordAtEpoch(body, epochJd), earth, options.frame);
    if (const std::string problem = UndrawableReason(record); !problem.empty()) {
      err << PREFIX << "line " << body.line << " \""
          << body.name << "\": dropped: at JD " << ShortestNumber(epochJd) << " " << problem
          << '\n';
      continue;
    }
    records.push_back(std::move(record));
  }
  if (records.empty()) {
    err << PREFIX << "nothing written: no body has a usable orbit at JD "
        << ShortestNumber(epochJd) << '\n';
    return 1;
  }
  const ElementRecord reference = InCatalogueFrame(earth, earth, options.frame);
  const std::string text = CatalogText(epochJd, reference, records);
  const std::string problem =
      process::WriteOutputFile(options.output, text, process::PathChooser::User);
  if (!problem.empty()) {
    err << PREFIX << options.output << ": cannot be written: " << problem << '\n';
    return 1;
  }
  out << Summary(c, options, epochJd, static_cast<long>(records.size()));
  return 0;
}

// "A (read as MPCORB)", or "A, B (read as SBDB JSON, SBDB CSV)".
std::string InputsRead(const ImportOptions& options, const std::vector<std::string>& formats) {
  std::string names;
  std::string kinds;
  for (std::size_t i = 0; i < options.inputs.size(); ++i) {
    names += (i > 0 ? ", " : "") + options.inputs[i];
    kinds += (i > 0 ? ", " : "") + formats[i];
  }
  return names + " (read as " + kinds + ")";
}

int Import(const ImportOptions& options, std::ostream& out, std::ostream& err) {
  BodyCollector collector(options.filters);
  std::vector<std::string> formats(options.inputs.size());
  for (std::size_t i = 0; i < options.inputs.size(); ++i) {
    if (!ReadInput(options.inputs[i], options, collector, formats[i], err)) return 1;
  }
  const Collection& collection = collector.Result();
  ReportProblems(collection, options, err);
  ReportDropped(collection, options, err);
  ReportLeftOut(collection, err);
  if (collection.kept.empty()) {
    err << PREFIX << InputsRead(options, formats) << ": nothing written: "
        << WhyNothingTaken(collection, options.inputs.size() > 1 ? "them" : "it") << '\n';
    return 1;
  }
  return WriteCatalogue(options, collection, out, err);
}

}  // namespace

int RunImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ImportOptionsParse parse = ParseImportOptions(args);
  if (parse.help) return ShowHelp(out, IMPORT_USAGE);
  if (!parse.options) return BadUsage(err, "import", parse.error, IMPORT_USAGE);
  return Import(*parse.options, out, err);
}

}  // namespace moid::tools

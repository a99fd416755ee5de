// moidtool import: a catalogue users already have (MPCORB.DAT, or an export of JPL's
// Small-Body Database) as ELEMENTS.DAT, every body at one common epoch.
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "platform/process/ProcessServices.h"
#include "platform/process/TerminalQuery.h"
#include "tools/Commands.h"
#include "tools/ImportEarth.h"
#include "tools/ImportMpcorb.h"
#include "tools/ImportOptions.h"
#include "tools/ImportProgress.h"
#include "tools/ImportSbdb.h"
#include "tools/ImportSelection.h"
#include "tools/ImportWriter.h"
#include "tools/ToolText.h"

namespace moid::tools {
namespace {

constexpr const char* PREFIX = "moidtool import: ";
// Without --verbose, at most this many skipped lines are listed one by one.
constexpr std::size_t LISTED_PROBLEMS = 100;
constexpr std::size_t FORMAT_SNIFF_BYTES = 4096;

std::string Plural(long count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

SourceFormat FormatOf(const ImportOptions& options, std::istream& in) {
  if (options.format != SourceFormat::Detect) return options.format;
  std::string head(FORMAT_SNIFF_BYTES, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  in.clear();
  in.seekg(0);
  return DetectFormat(head);
}

SourceFailure ReadSource(SourceFormat format, std::istream& in, SourceVisitor& bodies) {
  switch (format) {
    case SourceFormat::SbdbJson: return ReadSbdbJson(in, bodies);
    case SourceFormat::SbdbCsv: return ReadSbdbCsv(in, bodies);
    default: return ReadMpcorb(in, bodies);
  }
}

// Reads the input with a progress line when it is large and standard error is a terminal.
Collection CollectBodies(const ImportOptions& options, std::istream& in, SourceFormat format,
                         std::ostream& err, SourceFailure& failure) {
  std::error_code ignored;
  const std::uintmax_t size = std::filesystem::file_size(options.input, ignored);
  const bool showProgress = !ignored && size >= LARGE_INPUT_BYTES &&
                            process::StandardErrorIsTerminal();
  ProgressLine progress(err, std::string(PREFIX) + "reading " + options.input, showProgress ? size : 0);
  BodyCollector collector(options.filters, MAX_IMPORTED_BODIES,
                          [&progress](std::uint64_t bytes) { progress.Update(bytes); });
  failure = ReadSource(format, in, collector);
  progress.Finish();
  return collector.Result();
}

void ReportProblems(const Collection& c, bool verbose, std::ostream& err) {
  const std::size_t listed = verbose ? c.problems.size() : std::min(c.problems.size(), LISTED_PROBLEMS);
  for (std::size_t i = 0; i < listed; ++i) {
    err << PREFIX << "line " << c.problems[i].line << ": " << c.problems[i].message << '\n';
  }
  if (listed < c.problems.size()) {
    err << PREFIX << "... and " << Plural(static_cast<long>(c.problems.size() - listed), "more line", "more lines")
        << " skipped (--verbose lists them all)\n";
  }
}

void ReportDropped(const Collection& c, bool verbose, std::ostream& err) {
  if (verbose) {
    for (const DroppedBody& body : c.dropped) {
      err << PREFIX << "line " << body.line << " \"" << body.name << "\": dropped: " << body.reason
          << '\n';
    }
  }
  if (c.dropped.empty()) return;
  err << PREFIX << Plural(static_cast<long>(c.dropped.size()), "body", "bodies")
      << " dropped: ELEMENTS.DAT holds only elliptic orbits with every element given"
      << (verbose ? "\n" : " (--verbose lists them)\n");
}

void ReportLeftOut(const Collection& c, std::ostream& err) {
  if (c.leftOut == 0) return;
  err << PREFIX << Plural(c.leftOut, "body", "bodies") << " left out: ELEMENTS.DAT holds at most "
      << MAX_IMPORTED_BODIES << " bodies, and the first " << MAX_IMPORTED_BODIES
      << " in input order were taken; choose which with --neo, --name-contains TEXT or --limit N\n";
}

std::string Summary(const Collection& c, double epochJd, const std::string& output) {
  std::string text = std::string(PREFIX) + "wrote " +
                     Plural(static_cast<long>(c.kept.size()), "body", "bodies") + " at JD " +
                     ShortestNumber(epochJd) + " to " + output + " (" +
                     Plural(c.bodiesRead, "body", "bodies") + " read";
  if (!c.dropped.empty()) text += ", " + std::to_string(c.dropped.size()) + " dropped";
  if (c.filteredOut > 0) text += ", " + std::to_string(c.filteredOut) + " not matching";
  if (c.beyondLimit > 0) text += ", " + std::to_string(c.beyondLimit) + " beyond --limit";
  if (c.leftOut > 0) text += ", " + std::to_string(c.leftOut) + " left out";
  if (!c.problems.empty()) text += ", " + Plural(static_cast<long>(c.problems.size()), "line", "lines") + " skipped";
  return text + ")\n";
}

std::string WhyNothingTaken(const Collection& c) {
  if (c.bodiesRead == 0) return "no body could be read from it";
  if (c.dropped.size() == static_cast<std::size_t>(c.bodiesRead)) {
    return "none of its bodies can be held by ELEMENTS.DAT";
  }
  return "no body matches the filters";
}

// Writes the catalogue; the exit code.
int WriteCatalogue(const ImportOptions& options, const Collection& c, std::ostream& out,
                   std::ostream& err) {
  const double epochJd = options.epochJd ? *options.epochJd : *c.epochs.MostCommon();
  if (!WithinMeanElementSpan(epochJd)) {
    err << PREFIX << "warning: epoch JD " << ShortestNumber(epochJd)
        << " lies outside 1800 to 2050, the years the Earth's mean elements are made for\n";
  }
  std::vector<ElementRecord> records;
  records.reserve(c.kept.size());
  for (const SourceBody& body : c.kept) records.push_back(RecordAtEpoch(body, epochJd));
  const std::string text = CatalogText(epochJd, EarthMoonBarycentreAt(epochJd), records);
  if (!process::WriteFileAtomically(options.output, text)) {
    err << PREFIX << options.output << ": cannot be written\n";
    return 1;
  }
  out << Summary(c, epochJd, options.output);
  return 0;
}

int Import(const ImportOptions& options, std::ostream& out, std::ostream& err) {
  std::error_code ignored;
  std::ifstream in(options.input, std::ios::binary);
  if (std::filesystem::is_directory(options.input, ignored) || !in) {
    err << PREFIX << options.input << ": cannot be read\n";
    return 1;
  }
  const SourceFormat format = FormatOf(options, in);
  SourceFailure failure;
  const Collection collection = CollectBodies(options, in, format, err, failure);
  if (!failure.empty()) {
    err << PREFIX << options.input << ": not usable as " << FormatName(format) << ": " << failure << '\n';
    return 1;
  }
  ReportProblems(collection, options.verbose, err);
  ReportDropped(collection, options.verbose, err);
  ReportLeftOut(collection, err);
  if (collection.kept.empty()) {
    err << PREFIX << options.input << " (read as " << FormatName(format)
        << "): nothing written: " << WhyNothingTaken(collection) << '\n';
    return 1;
  }
  return WriteCatalogue(options, collection, out, err);
}

}  // namespace

int RunImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ImportOptionsParse parse = ParseImportOptions(args);
  if (parse.help) {
    out << IMPORT_USAGE;
    return 0;
  }
  if (!parse.options) {
    err << PREFIX << parse.error << '\n' << IMPORT_USAGE;
    return 2;
  }
  return Import(*parse.options, out, err);
}

}  // namespace moid::tools

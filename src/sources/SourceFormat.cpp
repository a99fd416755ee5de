#include "sources/SourceFormat.h"

#include "sources/BodyNames.h"
#include "sources/Decimal.h"
#include "sources/MpcorbReader.h"
#include "sources/SbdbApiReader.h"
#include "sources/SbdbReader.h"

namespace moid::sources {
namespace {

bool IsMpcorbLine(std::string_view line, int lineNumber) {
  if (IsBlank(line)) return false;
  return IsHeaderEnd(line) || ParseMpcorbLine(line, lineNumber).problem.empty();
}

// True when a whole line of `head` (the last one may be cut off) is a data line of MPCORB's
// columns or the line of dashes that ends its header.
bool HasMpcorbLine(std::string_view head) {
  int lineNumber = 0;
  while (!head.empty()) {
    const std::size_t end = head.find('\n');
    if (end == std::string_view::npos) break;  // cut off by the end of the head
    std::string_view line = head.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber;
    if (IsMpcorbLine(line, lineNumber)) return true;
    head.remove_prefix(end + 1);
  }
  return IsMpcorbLine(head, lineNumber + 1);
}

}  // namespace

std::optional<SourceFormat> FormatNamed(std::string_view name) {
  if (name == "mpcorb") return SourceFormat::Mpcorb;
  if (name == "sbdb-json") return SourceFormat::SbdbJson;
  if (name == "sbdb-csv") return SourceFormat::SbdbCsv;
  if (name == "sbdb-api") return SourceFormat::SbdbApi;
  return std::nullopt;
}

SourceFormat DetectFormat(std::string_view head) {
  if (head.substr(0, 3) == "\xEF\xBB\xBF") head.remove_prefix(3);
  const std::size_t first = head.find_first_not_of(" \t\r\n");
  if (first != std::string_view::npos && head[first] == '{') {
    return LooksLikeSbdbApi(head) ? SourceFormat::SbdbApi : SourceFormat::SbdbJson;
  }
  const std::string_view line = head.substr(0, head.find('\n'));
  const bool namesFields = ContainsIgnoringCase(line, "full_name") || ContainsIgnoringCase(line, "pdes");
  if (line.find(',') != std::string_view::npos && namesFields) return SourceFormat::SbdbCsv;
  return HasMpcorbLine(head) ? SourceFormat::Mpcorb : SourceFormat::Unknown;
}

std::string_view FormatName(SourceFormat format) {
  switch (format) {
    case SourceFormat::SbdbJson: return "SBDB JSON";
    case SourceFormat::SbdbCsv: return "SBDB CSV";
    case SourceFormat::SbdbApi: return "SBDB API";
    case SourceFormat::Unknown: return "an unknown format";
    default: return "MPCORB";
  }
}

SourceFailure ReadSource(SourceFormat format, std::istream& in, SourceVisitor& bodies) {
  switch (format) {
    case SourceFormat::SbdbJson: return ReadSbdbJson(in, bodies);
    case SourceFormat::SbdbCsv: return ReadSbdbCsv(in, bodies);
    case SourceFormat::SbdbApi: return ReadSbdbApi(in, bodies);
    case SourceFormat::Unknown: return "its format is not known";
    default: return ReadMpcorb(in, bodies);
  }
}

}  // namespace moid::sources

#include "sources/SourceFormat.h"

#include "sources/BodyNames.h"
#include "sources/MpcorbReader.h"
#include "sources/SbdbApiReader.h"
#include "sources/SbdbReader.h"

namespace moid::sources {

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
  return SourceFormat::Mpcorb;
}

std::string_view FormatName(SourceFormat format) {
  switch (format) {
    case SourceFormat::SbdbJson: return "SBDB JSON";
    case SourceFormat::SbdbCsv: return "SBDB CSV";
    case SourceFormat::SbdbApi: return "SBDB API";
    default: return "MPCORB";
  }
}

SourceFailure ReadSource(SourceFormat format, std::istream& in, SourceVisitor& bodies) {
  switch (format) {
    case SourceFormat::SbdbJson: return ReadSbdbJson(in, bodies);
    case SourceFormat::SbdbCsv: return ReadSbdbCsv(in, bodies);
    case SourceFormat::SbdbApi: return ReadSbdbApi(in, bodies);
    default: return ReadMpcorb(in, bodies);
  }
}

}  // namespace moid::sources

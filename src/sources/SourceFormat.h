#pragma once
#include <istream>
#include <optional>
#include <string_view>

#include "sources/SourceBody.h"

// The kinds of source catalogue the readers know, and telling them apart.
namespace moid::sources {

// Unknown: what DetectFormat says of bytes that are none of them.
enum class SourceFormat { Detect, Mpcorb, SbdbJson, SbdbCsv, SbdbApi, Unknown };

// The format a --format value names ("mpcorb", "sbdb-json", "sbdb-csv", "sbdb-api"); nullopt
// for others.
std::optional<SourceFormat> FormatNamed(std::string_view name);

// The format of an input from its first bytes: a JSON object (the API's answer for one object
// when it has an "orbit" member and no "fields", else a table export), a CSV line of field
// names that names full_name or pdes, the Minor Planet Center's fixed columns (a line of them,
// or the line of dashes that ends their header), else Unknown.
SourceFormat DetectFormat(std::string_view head);

// "MPCORB", "SBDB JSON", "SBDB CSV", "SBDB API".
std::string_view FormatName(SourceFormat format);

// Reads `in` as `format` (MPCORB for Detect) into `bodies`.
SourceFailure ReadSource(SourceFormat format, std::istream& in, SourceVisitor& bodies);

}  // namespace moid::sources

#pragma once
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sources/SourceTable.h"

namespace moid::sources {

// The values of one CSV line: separated by commas, each optionally within double quotes (""
// for a quote inside); blanks around a value are dropped, and a blank value is nullopt. On a
// malformed line (text after a closing quote, a quote not closed on its line) `error` says
// what is wrong.
struct CsvLine {
  std::vector<std::optional<std::string>> values;
  std::string error;
  bool unclosedQuote = false;  // the error is a quote still open at the end of the text
};
CsvLine SplitCsvLine(std::string_view line);

// Reads a table export in CSV (RFC 4180): the first record that is not blank names the fields,
// every further record that is not blank is a row. A quoted value may hold line breaks; a
// malformed line is reported and skipped.
SourceFailure ReadCsvTable(std::istream& in, TableVisitor& visitor);

}  // namespace moid::sources

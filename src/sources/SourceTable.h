#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sources/SourceBody.h"

// Table exports (a row of field names, then rows of values), as JSON or CSV.
namespace moid::sources {

// One row of values; a null or empty value is nullopt.
struct TableRow {
  int line = 0;       // input line where the row begins
  std::string label;  // how messages name the row ("data row 12"), or empty
  std::vector<std::optional<std::string>> values;
};

// Receives the field names first, then the rows in input order.
class TableVisitor {
 public:
  virtual ~TableVisitor() = default;
  // The field names; a non-empty result says why rows with these fields cannot be used, and
  // reading stops.
  virtual std::string OnFields(const std::vector<std::string>& fields) = 0;
  virtual void OnRow(TableRow&& row) = 0;
  virtual void OnProblem(SourceProblem&& problem) = 0;
  virtual void OnProgress(std::uint64_t bytes) { (void)bytes; }
  virtual bool WantsMore() const { return true; }
};

}  // namespace moid::sources

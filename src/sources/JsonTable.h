#pragma once
#include <string_view>

#include "sources/SourceTable.h"

namespace moid::sources {

// Reads a table export in JSON: an object whose "fields" member is an array of field names
// and whose "data" member is an array of rows, each an array of strings, numbers or nulls
// (the shape of JPL's Small-Body Database query exports). Other members are passed over.
// A malformed row is reported with its line and skipped; input that ends inside the data
// keeps the rows before it. The result is a failure only when no row can be had.
SourceFailure ReadJsonTable(std::string_view text, TableVisitor& visitor);

}  // namespace moid::sources

#pragma once
#include <string>
#include <vector>

#include "data/CatalogReader.h"

namespace moid {

// What the program says, line by line, when there is no catalogue at `path`: the classic line,
// then where it looked and how to point it elsewhere.
std::vector<std::string> MissingCatalogLines(const std::string& path);

// What the program says when the catalogue at `path` was found but cannot be used: it cannot
// be read (with the reason), or its reference orbit is unusable. Empty when it can be used.
std::vector<std::string> CatalogRefusalLines(const std::string& path,
                                             const CatalogReadReport& report);

}  // namespace moid

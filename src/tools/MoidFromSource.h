#pragma once
#include <ostream>

#include "sources/SourceInput.h"
#include "tools/MoidOptions.h"

namespace moid::tools {

// moidtool moid on MPCORB or an SBDB export: every body against the Earth of its own epoch,
// its rows in input order; the exit code.
int MoidFromSource(const MoidOptions& options, sources::SourceInput& source,
                   sources::SourceFormat format, std::ostream& out, std::ostream& err);

}  // namespace moid::tools

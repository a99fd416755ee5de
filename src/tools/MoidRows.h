#pragma once
#include <string>
#include <string_view>

#include "orbit/ViewerMoid.h"

// The table moidtool moid writes: one row per body, its columns separated by TABs.
namespace moid::tools {

extern const char* const MOID_HEADER;

// The row of one body: `index` (its slot or position), its Windows-1252 name, what the
// viewer works out for it, and the epoch (Julian day) of the orbit it was measured on.
void AppendMoidRow(std::string& out, long index, std::string_view name, const ViewerMoid& v,
                   double epochJd);

}  // namespace moid::tools

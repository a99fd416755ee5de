#pragma once
#include "data/ElementRecord.h"
#include "sources/SourceBody.h"

namespace moid::tools {

// The six elements of a body read from a source, which must hold all six (the name and the
// epoch are left to the caller).
ElementRecord ElementsOf(const sources::SourceBody& body);

}  // namespace moid::tools

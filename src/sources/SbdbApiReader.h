#pragma once
#include <istream>
#include <string_view>

#include "sources/SourceBody.h"

// One body from an answer of JPL's Small-Body Database API for a single object (sbdb.api):
// an "object" with its "fullname" (and "neo"), and an "orbit" with its "epoch" (JD TDB) and
// an "elements" list of name/value pairs (e, a, i, om, w, ma, ...). Other members, the
// covariance with its own epoch and elements among them, are passed over.
namespace moid::sources {

SourceFailure ReadSbdbApi(std::istream& in, SourceVisitor& bodies);

// True when the first bytes of a JSON object hold an "orbit" member and no "fields" of a
// table export.
bool LooksLikeSbdbApi(std::string_view head);

}  // namespace moid::sources

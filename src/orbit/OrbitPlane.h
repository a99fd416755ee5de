#pragma once
#include "data/ElementRecord.h"

namespace moid {

// `body` (J2000 ecliptic elements) referred to the plane of `earth`'s orbit: the rotation
// about the Earth's node line on the J2000 ecliptic by the Earth's inclination. Applied to
// `earth` itself it gives inclination 0. a, e and M are unchanged.
ElementRecord ReferToEarthPlane(const ElementRecord& body, const ElementRecord& earth);

}  // namespace moid

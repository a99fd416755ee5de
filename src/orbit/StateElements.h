#pragma once
#include "data/ElementRecord.h"
#include "orbit/OrbitModel.h"

namespace moid {

// Osculating elements (degrees, AU; name left empty) of the two-body orbit through
// `position` (AU) with `velocity` (AU/day) about a centre of gravitational parameter
// `mu` (AU^3/day^2). Made for elliptic orbits of small but nonzero inclination, as the
// Earth's is on the J2000 ecliptic; an orbit in the plane z = 0 gets node 0.
ElementRecord ElementsFromState(const Vec3& position, const Vec3& velocity, double mu);

}  // namespace moid

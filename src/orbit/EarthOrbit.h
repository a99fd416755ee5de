#pragma once
#include "data/ElementRecord.h"
#include "orbit/OrbitModel.h"

namespace moid {

struct StateVector {
  Vec3 position;  // AU
  Vec3 velocity;  // AU/day
};

// Heliocentric position and velocity of the Earth's centre at TDB Julian day `tdbJd`,
// J2000 ecliptic axes (ERFA's eraEpv00 in ICRS/BCRS axes, rotated by the J2000 obliquity
// 84381.448 arcseconds).
StateVector EarthStateAt(double tdbJd);

// The Earth's heliocentric osculating elements at `tdbJd` (mu = k^2, k = 0.01720209895):
// J2000 ecliptic, degrees, AU; named "Earth".
ElementRecord EarthElementsAt(double tdbJd);

// True for the years eraEpv00 is made for (1900-2100); outside them it still answers.
bool EarthEphemerisCovers(double tdbJd);

}  // namespace moid

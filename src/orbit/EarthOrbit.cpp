#include "orbit/EarthOrbit.h"

#include <erfa.h>

#include <cmath>

#include "orbit/StateElements.h"

namespace moid {
namespace {

constexpr double J2000_OBLIQUITY_ARCSEC = 84381.448;
constexpr double ARCSEC_PER_DEGREE = 3600.0;

// ICRS axes to J2000 ecliptic axes: a turn about x by the obliquity.
Vec3 EclipticFromIcrs(const double v[3]) {
  const double eps = J2000_OBLIQUITY_ARCSEC / ARCSEC_PER_DEGREE * RadPerDeg();
  const double c = std::cos(eps), s = std::sin(eps);
  return {v[0], c * v[1] + s * v[2], -s * v[1] + c * v[2]};
}

}  // namespace

StateVector EarthStateAt(double tdbJd) {
  double heliocentric[2][3] = {}, barycentric[2][3] = {};
  // The status only says whether the date lies in 1900-2100; the answer is filled anyway.
  (void)eraEpv00(tdbJd, 0.0, heliocentric, barycentric);
  return {EclipticFromIcrs(heliocentric[0]), EclipticFromIcrs(heliocentric[1])};
}

ElementRecord EarthElementsAt(double tdbJd) {
  const StateVector s = EarthStateAt(tdbJd);
  ElementRecord earth = ElementsFromState(s.position, s.velocity, GAUSS_K * GAUSS_K);
  earth.name = "Earth";
  return earth;
}

bool EarthEphemerisCovers(double tdbJd) {
  double heliocentric[2][3] = {}, barycentric[2][3] = {};
  return eraEpv00(tdbJd, 0.0, heliocentric, barycentric) == 0;
}

}  // namespace moid

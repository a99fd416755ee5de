#include "orbit/EarthOrbit.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>

#include "orbit/StateElements.h"

namespace moid {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMu = 0.01720209895 * 0.01720209895;  // Gaussian constant squared

// J2000, the epoch of the bundled catalogue's MPC list and the epoch of JPL's 2025 solutions.
constexpr double kEpochs[] = {2451545.0, 2458666.5, 2461000.5};

// Position and velocity from elements by the eccentric anomaly and the perifocal axes
// turned by Rz(node) Rx(i) Rz(omega).
StateVector StateFromElements(const ElementRecord& el, double mu) {
  const double d = kPi / 180, e = el.eccentricity, a = el.semiMajorAxis;
  const double M = el.meanAnomaly * d;
  double E = M;
  for (int k = 0; k < 50; ++k) E -= (E - e * std::sin(E) - M) / (1 - e * std::cos(E));
  const double b = a * std::sqrt(1 - e * e), n = std::sqrt(mu / (a * a * a));
  const double xp = a * (std::cos(E) - e), yp = b * std::sin(E);
  const double rate = n / (1 - e * std::cos(E));
  const double vxp = -a * std::sin(E) * rate, vyp = b * std::cos(E) * rate;
  const double W = el.ascendingNode * d, w = el.perihelionArgument * d, i = el.inclination * d;
  const double P[3] = {std::cos(W) * std::cos(w) - std::sin(W) * std::sin(w) * std::cos(i),
                       std::sin(W) * std::cos(w) + std::cos(W) * std::sin(w) * std::cos(i),
                       std::sin(w) * std::sin(i)};
  const double Q[3] = {-std::cos(W) * std::sin(w) - std::sin(W) * std::cos(w) * std::cos(i),
                       -std::sin(W) * std::sin(w) + std::cos(W) * std::cos(w) * std::cos(i),
                       std::cos(w) * std::sin(i)};
  return {{xp * P[0] + yp * Q[0], xp * P[1] + yp * Q[1], xp * P[2] + yp * Q[2]},
          {vxp * P[0] + vyp * Q[0], vxp * P[1] + vyp * Q[1], vxp * P[2] + vyp * Q[2]}};
}

// ERFA's own heliocentric state, turned to the ecliptic with ERFA's rotation routine.
StateVector ErfaEclipticState(double jd) {
  double pvh[2][3], pvb[2][3], r[3][3];
  eraEpv00(jd, 0.0, pvh, pvb);
  eraIr(r);
  eraRx(84381.448 * ERFA_DAS2R, r);
  double p[3], v[3];
  eraRxp(r, pvh[0], p);
  eraRxp(r, pvh[1], v);
  return {{p[0], p[1], p[2]}, {v[0], v[1], v[2]}};
}

TEST(EarthOrbit, ElementsGiveBackTheEphemerisState) {
  for (double jd : kEpochs) {
    const StateVector truth = ErfaEclipticState(jd);
    const ElementRecord el = EarthElementsAt(jd);
    const StateVector back = StateFromElements(el, kMu);
    EXPECT_NEAR(back.position.x, truth.position.x, 1e-12) << jd;
    EXPECT_NEAR(back.position.y, truth.position.y, 1e-12) << jd;
    EXPECT_NEAR(back.position.z, truth.position.z, 1e-12) << jd;
    EXPECT_NEAR(back.velocity.x, truth.velocity.x, 1e-14) << jd;
    EXPECT_NEAR(back.velocity.y, truth.velocity.y, 1e-14) << jd;
    EXPECT_NEAR(back.velocity.z, truth.velocity.z, 1e-14) << jd;
  }
}

TEST(EarthOrbit, StateIsTheEphemerisOnEclipticAxes) {
  for (double jd : kEpochs) {
    const StateVector truth = ErfaEclipticState(jd);
    const StateVector s = EarthStateAt(jd);
    EXPECT_NEAR(s.position.x, truth.position.x, 1e-15) << jd;
    EXPECT_NEAR(s.position.y, truth.position.y, 1e-15) << jd;
    EXPECT_NEAR(s.position.z, truth.position.z, 1e-15) << jd;
    EXPECT_NEAR(s.velocity.y, truth.velocity.y, 1e-17) << jd;
    EXPECT_NEAR(s.velocity.z, truth.velocity.z, 1e-17) << jd;
    // Within decades of J2000 the ecliptic has moved by less than 50 arcseconds per century
    // and the Moon tilts the Earth's path by under 500 km: the Earth stays within 1e-4 AU of
    // z = 0 on J2000 ecliptic axes.
    EXPECT_LT(std::fabs(s.position.z), 1e-4) << jd;
  }
}

// Known figures of the Earth's orbit: a = 1.0000 AU and e = 0.0167 for the barycentre, the
// Earth's centre moving 12.6 m/s about it (4e-4 of its 29.8 km/s) so that its osculating a
// and e swing by up to 1e-3 in a month; an inclination to the J2000 ecliptic of at most a few thousandths
// of a degree, and perihelion in early January (longitude of perihelion about 103 degrees).
TEST(EarthOrbit, ElementsHaveTheKnownShapeOfTheEarthsOrbit) {
  for (double jd : kEpochs) {
    const ElementRecord el = EarthElementsAt(jd);
    EXPECT_EQ(el.name, "Earth");
    EXPECT_NEAR(el.semiMajorAxis, 1.0, 1.5e-3) << jd;
    EXPECT_NEAR(el.eccentricity, 0.0167, 1.2e-3) << jd;
    EXPECT_GT(el.inclination, 0.0) << jd;
    EXPECT_LT(el.inclination, 0.005) << jd;
    const double varpi = std::fmod(el.ascendingNode + el.perihelionArgument, 360.0);
    EXPECT_NEAR(varpi, 103.0, 3.0) << jd;
    EXPECT_GE(el.meanAnomaly, 0.0);
    EXPECT_LT(el.meanAnomaly, 360.0);
  }
}

TEST(EarthOrbit, CoverageIsTheEphemerisYearsAndOutsideItStillAnswers) {
  EXPECT_TRUE(EarthEphemerisCovers(2451545.0));
  EXPECT_TRUE(EarthEphemerisCovers(2415021.0));  // 1900 January 1
  EXPECT_TRUE(EarthEphemerisCovers(2488069.0));  // 2100 December 31
  EXPECT_FALSE(EarthEphemerisCovers(2415019.0));  // 1899 December 30
  EXPECT_FALSE(EarthEphemerisCovers(2488071.0));  // 2101 January 2
  for (double jd : {2378496.5, 2524593.5}) {      // 1800 and 2200
    const ElementRecord el = EarthElementsAt(jd);
    EXPECT_NEAR(el.semiMajorAxis, 1.0, 1e-3) << jd;
    EXPECT_NEAR(el.eccentricity, 0.0167, 1e-3) << jd;
    EXPECT_TRUE(std::isfinite(el.inclination) && std::isfinite(el.meanAnomaly)) << jd;
  }
}

TEST(StateElements, RoundTripOfSteepEccentricOrbits) {
  const ElementRecord cases[] = {
      {0.6, 40.0, 250.0, 120.0, 2.2, 300.0, ""},
      {0.05, 0.5, 10.0, 350.0, 0.9, 5.0, ""},
      {0.97, 150.0, 95.0, 200.0, 17.8, 1.0, ""},
  };
  for (const ElementRecord& el : cases) {
    const StateVector s = StateFromElements(el, kMu);
    const ElementRecord back = ElementsFromState(s.position, s.velocity, kMu);
    EXPECT_NEAR(back.eccentricity, el.eccentricity, 1e-12);
    EXPECT_NEAR(back.semiMajorAxis, el.semiMajorAxis, 1e-10 * el.semiMajorAxis);
    EXPECT_NEAR(back.inclination, el.inclination, 1e-10);
    EXPECT_NEAR(back.ascendingNode, el.ascendingNode, 1e-10);
    EXPECT_NEAR(back.perihelionArgument, el.perihelionArgument, 1e-9);
    EXPECT_NEAR(back.meanAnomaly, el.meanAnomaly, 1e-9);
  }
}

TEST(StateElements, CircularOrbitOfOneAuAtTheGaussianSpeed) {
  // At r = 1 AU a circular speed of k AU/day gives a = 1 AU, e = 0, in the plane z = 0.
  const ElementRecord el = ElementsFromState({1, 0, 0}, {0, 0.01720209895, 0}, kMu);
  EXPECT_NEAR(el.semiMajorAxis, 1.0, 1e-14);
  EXPECT_NEAR(el.eccentricity, 0.0, 1e-14);
  EXPECT_EQ(el.inclination, 0.0);
  EXPECT_EQ(el.ascendingNode, 0.0);
}

}  // namespace
}  // namespace moid

#pragma once
// The two-body orbit model: positions on the Earth's and the asteroid's orbits for a true
// anomaly, the sampled tables the view and the MOID search use, and the motion over time.
//
// Frame: heliocentric, ecliptic, of the catalogue's equinox (J2000 for the MPC's and JPL's
// elements): x towards ecliptic longitude 0, y towards longitude 90 degrees, z towards the
// north ecliptic pole. The Earth's orbit is taken in the ecliptic (its z is 0; its
// inclination is not used); where the Earth is the osculating orbit of a given epoch, the
// asteroid's elements are first referred to that orbit's plane (OrbitPlane.h).
//
// Units: distances in AU; angles in radians (ElementRecord holds degrees; PrepareXGeometry
// converts them); time in Julian days; meanMotion in radians per day.
//
// Constants:
//   GAUSS_K            0.01720209895 rad/day, the Gaussian gravitational constant k (IAU
//                      1976 System of Astronomical Constants): n = k sqrt(massFactor / a^3).
//   EARTH_MASS_FACTOR  1 + (Earth + Moon) / Sun = 1 + 1 / 328900.5 (IAU 1976 mass ratio), the
//                      mass factor of the Earth-Moon barycentre's mean motion.
//   GM_PER_AU          149.597870691 Gm per AU: the AU of JPL's DE405 and the IERS
//                      Conventions (2003), 149,597,870.691 km. Used for the grid's Gm only.
//
// SolveKepler handles elliptic orbits, 0 <= e < 1: Halley's iteration from E = M until a
// step is below 1e-13 rad (at most 7 passes for e up to 0.999, |M| up to 10). E then solves
// Kepler's equation to 3e-15 rad at worst over that range (measured; the tests hold it to
// 1e-12 against bisection for e up to 0.99). M is not reduced to one turn: for large |M|
// the absolute accuracy is that of M itself. Records with e >= 1 or a <= 0 are refused
// before they reach this model (data/BodyCheck.h).
#include <vector>

#include "data/ElementRecord.h"

namespace moid {

constexpr double GAUSS_K = 0.01720209895;
constexpr double EARTH_MASS_FACTOR = 1.0000030404;
constexpr double ASTEROID_MASS_FACTOR = 1.0;
constexpr double GM_PER_AU = 149.597870691;

double Pi();             // 4 * atan(1)
double RadPerDeg();      // Pi() / 180

// The constants of one orbit (angles in radians, a in AU).
struct OrbitGeometry {
  double e = 0, a = 0, i = 0, omega = 0, node = 0, M0 = 0;
  double massFactor = 1;
  double meanMotion = 0;  // radians per day
  double sqrtOneMinusE = 1, sqrtOnePlusE = 1;
  double P1 = 0, P2 = 0, P3 = 0, Q1 = 0, Q2 = 0, Q3 = 0;  // asteroid only
  bool isEarth = false;
};

struct Vec3 {
  double x = 0, y = 0, z = 0;
};

// W + 1 slots; slots 0..W-1 the orbit, slot W the animated body.
struct OrbitTable {
  std::vector<double> nu, x, y, z;
  void Resize(int W) {
    nu.assign(W + 1, 0.0); x.assign(W + 1, 0.0); y.assign(W + 1, 0.0); z.assign(W + 1, 0.0);
  }
};

OrbitGeometry PrepareEarthGeometry(const ElementRecord& r);
OrbitGeometry PrepareAsteroidGeometry(const ElementRecord& r);
// x, y, z = 0 and the longitude lambda = node + nu + omega (not reduced).
Vec3 EarthPointAt(const OrbitGeometry& g, double nu, double* lambda = nullptr);
Vec3 AsteroidPointAt(const OrbitGeometry& g, double nu);
// Fills slots 0..W-1 of one orbit's table (which must hold W + 1 slots).
void FillOrbitTable(const OrbitGeometry& g, int W, OrbitTable& table);
// Fills slots 0..W-1 of both tables (which must hold W + 1 slots).
void BuildOrbitTables(const OrbitGeometry& earth, const OrbitGeometry& asteroid, int W,
                      OrbitTable& earthTable, OrbitTable& asteroidTable);
double SolveKepler(double e, double M);
double TwoArgArctan(double y, double x);
// Position of the body at Julian day T, epoch t0 the catalogue's.
Vec3 PositionAtTime(const OrbitGeometry& g, double T, double t0);
double Normalize360(double x);

}  // namespace moid

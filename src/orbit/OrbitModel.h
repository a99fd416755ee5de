#pragma once
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

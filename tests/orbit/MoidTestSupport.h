#pragma once
// Runs the program's orbit set-up for one body, for the MOID tests.
#include "orbit/IndependentMoid.h"
#include "orbit/DistanceScan.h"
#include "orbit/MoidRefinement.h"

namespace moid::independent {

inline ElementRecord Record(const Elements& el) {
  ElementRecord r;
  r.eccentricity = el.e;
  r.inclination = el.iDeg;
  r.perihelionArgument = el.omegaDeg;
  r.ascendingNode = el.nodeDeg;
  r.semiMajorAxis = el.a;
  return r;
}

// Everything the program computes for one asteroid at one width.
struct BodySetup {
  OrbitGeometry earth, asteroid;
  OrbitTable earthTable, asteroidTable;
  DistanceGrid grid;
  GridMinimum start;
  MoidResult moid;
};

inline BodySetup RunSetup(const Elements& earth, const Elements& ast, int W) {
  BodySetup s;
  s.earth = PrepareEarthGeometry(Record(earth));
  s.asteroid = PrepareAsteroidGeometry(Record(ast));
  s.earthTable.Resize(W);
  s.asteroidTable.Resize(W);
  s.grid.Resize(W);
  BuildOrbitTables(s.earth, s.asteroid, W, s.earthTable, s.asteroidTable);
  s.start = ScanDistanceGrid(s.earthTable, s.asteroidTable, W, s.grid);
  s.moid = RefineMoid(s.earth, s.asteroid, s.start);
  return s;
}

// Difference of two longitudes in degrees, folded into [0, 180].
inline double LongitudeGap(double a, double b) {
  const double d = std::fabs(std::fmod(a - b, 360.0));
  return d > 180 ? 360 - d : d;
}

// Semi-major axis that puts the ascending node of an orbit (e, omega) on the reference
// orbit at longitude node.
inline double CrossingAxis(const Elements& earth, double e, double omegaDeg, double nodeDeg) {
  const double pe = earth.a * (1 - earth.e * earth.e);
  const double varpi = earth.omegaDeg + earth.nodeDeg;
  const double rEarth = pe / (1 + earth.e * std::cos(DegToRad(nodeDeg - varpi)));
  return rEarth * (1 + e * std::cos(DegToRad(omegaDeg))) / (1 - e * e);
}

}  // namespace moid::independent

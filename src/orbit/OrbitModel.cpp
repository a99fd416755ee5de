#include "orbit/OrbitModel.h"

#include <cmath>
#include <cstddef>

#include "Contract.h"

namespace moid {

double Pi() {
  static const double pi = 4.0 * std::atan(1.0);
  return pi;
}

double RadPerDeg() { return Pi() / 180.0; }

namespace {

// The angles, size and mean motion that both orbits share.
OrbitGeometry PrepareCommonGeometry(const ElementRecord& r, double massFactor) {
  const double rad = RadPerDeg();
  OrbitGeometry g;
  g.e = r.eccentricity;
  g.a = r.semiMajorAxis;
  g.i = r.inclination * rad;
  g.omega = r.perihelionArgument * rad;
  g.node = r.ascendingNode * rad;
  g.M0 = r.meanAnomaly * rad;
  g.massFactor = massFactor;
  g.meanMotion = GAUSS_K * std::sqrt(massFactor / (g.a * g.a * g.a));
  g.sqrtOneMinusE = std::sqrt(1.0 - g.e);
  g.sqrtOnePlusE = std::sqrt(1.0 + g.e);
  return g;
}

// Unit vectors towards perihelion (P) and 90 degrees ahead of it (Q), ecliptic frame.
void SetRotation(OrbitGeometry& g) {
  const double cn = std::cos(g.node), sn = std::sin(g.node);
  const double cw = std::cos(g.omega), sw = std::sin(g.omega);
  const double ci = std::cos(g.i), si = std::sin(g.i);
  g.P1 = cn * cw - sn * sw * ci;
  g.Q1 = -sw * cn - sn * cw * ci;
  g.P2 = sn * cw + cn * sw * ci;
  g.Q2 = -sw * sn + cn * cw * ci;
  g.P3 = si * sw;
  g.Q3 = si * cw;
}

double RadiusAt(const OrbitGeometry& g, double nu) {
  const double p = g.a * (1.0 - g.e * g.e);
  return p / (1.0 + g.e * std::cos(nu));
}

}  // namespace

OrbitGeometry PrepareEarthGeometry(const ElementRecord& r) {
  OrbitGeometry g = PrepareCommonGeometry(r, EARTH_MASS_FACTOR);
  g.isEarth = true;
  return g;
}

OrbitGeometry PrepareAsteroidGeometry(const ElementRecord& r) {
  OrbitGeometry g = PrepareCommonGeometry(r, ASTEROID_MASS_FACTOR);
  SetRotation(g);
  return g;
}

Vec3 EarthPointAt(const OrbitGeometry& g, double nu, double* lambda) {
  const double r = RadiusAt(g, nu);
  const double lam = g.node + nu + g.omega;
  if (lambda) *lambda = lam;
  return {r * std::cos(lam), r * std::sin(lam), 0.0};
}

Vec3 AsteroidPointAt(const OrbitGeometry& g, double nu) {
  const double r = RadiusAt(g, nu);
  const double xi = r * std::cos(nu);
  const double eta = r * std::sin(nu);
  return {xi * g.P1 + eta * g.Q1, xi * g.P2 + eta * g.Q2, xi * g.P3 + eta * g.Q3};
}

void FillOrbitTable(const OrbitGeometry& g, int W, OrbitTable& table) {
  MOID_EXPECT(W >= 2, "a width of at least 2 samples");
  MOID_EXPECT(table.nu.size() >= static_cast<std::size_t>(W) + 1 &&
                  table.x.size() >= static_cast<std::size_t>(W) + 1 &&
                  table.y.size() >= static_cast<std::size_t>(W) + 1 &&
                  table.z.size() >= static_cast<std::size_t>(W) + 1,
              "an orbit table resized to the width (W + 1 slots)");
  const double pi = Pi();
  const double nu0 = -(g.node + g.omega);
  for (int j = 0; j < W; ++j) {
    const double nu = j * 2 * pi / (W - 1) + nu0;
    const Vec3 p = g.isEarth ? EarthPointAt(g, nu) : AsteroidPointAt(g, nu);
    table.nu[j] = nu;
    table.x[j] = p.x;
    table.y[j] = p.y;
    table.z[j] = p.z;
  }
}

void BuildOrbitTables(const OrbitGeometry& earth, const OrbitGeometry& asteroid, int W,
                      OrbitTable& earthTable, OrbitTable& asteroidTable) {
  FillOrbitTable(earth, W, earthTable);
  FillOrbitTable(asteroid, W, asteroidTable);
}

namespace {

// Halley's iteration stops once its step is below this. The constant is held in single
// precision (9.99999982e-14 once widened), as the animation's positions have always used.
constexpr float KEPLER_TOLERANCE = 1e-13f;
// Passes before SolveKepler gives its last iterate: Halley's method needs at most 7 for
// e up to 0.999 and |M| up to 10, so the limit only ends an iteration that cannot converge
// (a NaN input, e >= 1).
constexpr int KEPLER_PASS_LIMIT = 1000;

}  // namespace

double SolveKepler(double e, double M) {
  const double tolerance = static_cast<double>(KEPLER_TOLERANCE);
  double E = M;
  for (int pass = 0; pass < KEPLER_PASS_LIMIT; ++pass) {
    const double d = e * std::cos(E) - 1.0;
    const double s = e * std::sin(E);
    const double f = s + M - E;
    const double delta = f / (d + 0.5 * f * s / d);
    E = E - delta;
    if (std::fabs(delta) < tolerance || std::isnan(delta)) break;
  }
  return E;
}

// Not std::atan2: this one gives pi/2 at (0, 0) and +pi at (-0, x < 0), where std::atan2
// gives 0 and -pi; the animation's
// positions are the ones this formula gives. atan(y/x) + pi may also differ from std::atan2
// in the last bit.
double TwoArgArctan(double y, double x) {
  const double s = y < 0 ? -1.0 : 1.0;
  if (x == 0) return s * Pi() / 2;
  const double angle = std::atan(y / x);
  return x < 0 ? angle + s * Pi() : angle;
}

Vec3 PositionAtTime(const OrbitGeometry& g, double T, double t0) {
  const double M = g.M0 + g.meanMotion * (T - t0);
  const double E = SolveKepler(g.e, M);
  const double nu =
      2 * TwoArgArctan(g.sqrtOnePlusE * std::sin(E / 2), g.sqrtOneMinusE * std::cos(E / 2));
  return g.isEarth ? EarthPointAt(g, nu) : AsteroidPointAt(g, nu);
}

double Normalize360(double x) { return x - std::floor(x / 360) * 360; }

}  // namespace moid

#include "orbit/OrbitModel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace moid {
namespace {

constexpr double kPi = 3.14159265358979323846;

ElementRecord Elements(double e, double iDeg, double omegaDeg, double nodeDeg, double a,
                       double mDeg = 0) {
  ElementRecord r;
  r.eccentricity = e;
  r.inclination = iDeg;
  r.perihelionArgument = omegaDeg;
  r.ascendingNode = nodeDeg;
  r.semiMajorAxis = a;
  r.meanAnomaly = mDeg;
  return r;
}

double Norm(const Vec3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

// Difference of two angles in degrees, folded into (-180, 180].
double AngleDiffDeg(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d;
}

TEST(OrbitModel, ConstantsAndConversions) {
  EXPECT_EQ(Pi(), kPi);
  EXPECT_EQ(RadPerDeg(), kPi / 180);
  const OrbitGeometry g = PrepareAsteroidGeometry(Elements(0.1, 30, 45, 60, 2.0, 90));
  EXPECT_DOUBLE_EQ(g.i, kPi / 6);
  EXPECT_DOUBLE_EQ(g.omega, kPi / 4);
  EXPECT_DOUBLE_EQ(g.node, kPi / 3);
  EXPECT_DOUBLE_EQ(g.M0, kPi / 2);
  EXPECT_EQ(g.e, 0.1);
  EXPECT_EQ(g.a, 2.0);
  EXPECT_EQ(g.massFactor, 1.0);
  EXPECT_DOUBLE_EQ(g.sqrtOneMinusE, std::sqrt(0.9));
  EXPECT_DOUBLE_EQ(g.sqrtOnePlusE, std::sqrt(1.1));
}

TEST(OrbitModel, MeanMotionGivesKeplersThirdLaw) {
  // The Earth-Moon barycentre goes round in one sidereal year, 365.25636 days.
  const OrbitGeometry earth = PrepareEarthGeometry(Elements(0.0167, 0, 103, 0, 1.00000261));
  EXPECT_NEAR(2 * kPi / earth.meanMotion, 365.25636, 2e-3);
  EXPECT_EQ(earth.massFactor, 1.0000030404);
  // An asteroid at 4 AU takes 8 Gaussian years of 2 pi / k days.
  const OrbitGeometry ast = PrepareAsteroidGeometry(Elements(0.2, 5, 0, 0, 4.0));
  EXPECT_NEAR(2 * kPi / ast.meanMotion, 8 * 2 * kPi / GAUSS_K, 1e-9);
}

TEST(OrbitModel, RotationVectorsAreOrthonormalAndPointAtTheNode) {
  const OrbitGeometry g = PrepareAsteroidGeometry(Elements(0.3, 23, 71, 140, 1.7));
  const Vec3 P{g.P1, g.P2, g.P3}, Q{g.Q1, g.Q2, g.Q3};
  EXPECT_NEAR(Norm(P), 1, 1e-15);
  EXPECT_NEAR(Norm(Q), 1, 1e-15);
  EXPECT_NEAR(P.x * Q.x + P.y * Q.y + P.z * Q.z, 0, 1e-15);
  // The orbit normal P x Q is tilted by i from the ecliptic pole.
  const double nz = P.x * Q.y - P.y * Q.x;
  EXPECT_NEAR(nz, std::cos(23 * kPi / 180), 1e-15);
  // Argument of latitude 0 is the ascending node: on the ecliptic at longitude 140 deg,
  // going north.
  const Vec3 node = AsteroidPointAt(g, -g.omega);
  EXPECT_NEAR(node.z, 0, 1e-15);
  EXPECT_NEAR(AngleDiffDeg(std::atan2(node.y, node.x) * 180 / kPi, 140), 0, 1e-12);
  EXPECT_GT(AsteroidPointAt(g, -g.omega + 0.1).z, 0);
  // 90 degrees past the node the orbit is highest: z = r sin i.
  const double nuTop = kPi / 2 - g.omega;
  const Vec3 top = AsteroidPointAt(g, nuTop);
  const double r = 1.7 * (1 - 0.09) / (1 + 0.3 * std::cos(nuTop));
  EXPECT_NEAR(top.z, r * std::sin(23 * kPi / 180), 1e-14);
}

TEST(OrbitModel, PerihelionAndAphelionDistances) {
  const OrbitGeometry g = PrepareAsteroidGeometry(Elements(0.4, 12, 200, 30, 2.5));
  EXPECT_NEAR(Norm(AsteroidPointAt(g, 0)), 2.5 * 0.6, 1e-14);
  EXPECT_NEAR(Norm(AsteroidPointAt(g, kPi)), 2.5 * 1.4, 1e-14);
  const OrbitGeometry earth = PrepareEarthGeometry(Elements(0.1, 0, 50, 20, 1.0));
  double lambda = 0;
  const Vec3 peri = EarthPointAt(earth, 0, &lambda);
  EXPECT_NEAR(Norm(peri), 0.9, 1e-15);
  EXPECT_DOUBLE_EQ(lambda, 70 * kPi / 180);
  EXPECT_NEAR(std::atan2(peri.y, peri.x), 70 * kPi / 180, 1e-15);
}

TEST(OrbitModel, CircularOrbitHasConstantRadius) {
  const OrbitGeometry earth = PrepareEarthGeometry(Elements(0, 0, 10, 20, 1.3));
  const OrbitGeometry ast = PrepareAsteroidGeometry(Elements(0, 40, 10, 20, 2.1));
  for (double nu = -7; nu < 7; nu += 0.37) {
    EXPECT_NEAR(Norm(EarthPointAt(earth, nu)), 1.3, 1e-15);
    EXPECT_NEAR(Norm(AsteroidPointAt(ast, nu)), 2.1, 1e-15);
  }
}

TEST(OrbitModel, EarthLongitudeIsNotReduced) {
  const OrbitGeometry earth = PrepareEarthGeometry(Elements(0.0167, 0, 300, 200, 1.0));
  double lambda = 0;
  EarthPointAt(earth, 5.0, &lambda);
  EXPECT_DOUBLE_EQ(lambda, 200 * kPi / 180 + 5.0 + 300 * kPi / 180);
  EXPECT_GT(lambda, 2 * kPi);
}

TEST(OrbitModel, EarthStaysInTheEclipticWhateverItsInclination) {
  const OrbitGeometry earth = PrepareEarthGeometry(Elements(0.0167, 7.5, 103, 11, 1.0));
  OrbitTable et, at;
  et.Resize(432);
  at.Resize(432);
  BuildOrbitTables(earth, PrepareAsteroidGeometry(Elements(0.2, 10, 0, 0, 2)), 432, et, at);
  for (int j = 0; j < 432; ++j) EXPECT_EQ(et.z[j], 0.0) << j;
  EXPECT_EQ(PositionAtTime(earth, 2460000.5, 2459000.5).z, 0.0);
}

TEST(OrbitModel, TablesSampleEqualLongitudeStepsAndCloseTheLoop) {
  const int W = 432;
  const OrbitGeometry earth = PrepareEarthGeometry(Elements(0.0167, 0, 102.9, 0, 1.0));
  const OrbitGeometry ast = PrepareAsteroidGeometry(Elements(0.5, 0, 250, 80, 2.2));
  OrbitTable et, at;
  et.Resize(W);
  at.Resize(W);
  BuildOrbitTables(earth, ast, W, et, at);
  ASSERT_EQ(et.x.size(), static_cast<size_t>(W + 1));
  for (int j = 0; j < W; ++j) {
    const double expected = 360.0 * j / (W - 1);
    const double e = std::atan2(et.y[j], et.x[j]) * 180 / kPi;
    const double a = std::atan2(at.y[j], at.x[j]) * 180 / kPi;
    EXPECT_NEAR(AngleDiffDeg(e, expected), 0, 1e-10) << j;
    EXPECT_NEAR(AngleDiffDeg(a, expected), 0, 1e-10) << j;  // i = 0: ecliptic longitude
    EXPECT_EQ(at.z[j], 0.0) << j;
  }
  // Slot W - 1 repeats slot 0 up to rounding; slot W is left for the animation.
  EXPECT_NEAR(et.x[W - 1], et.x[0], 1e-14);
  EXPECT_NEAR(et.y[W - 1], et.y[0], 1e-14);
  EXPECT_NEAR(at.x[W - 1], at.x[0], 1e-14);
  EXPECT_NEAR(at.y[W - 1], at.y[0], 1e-14);
  EXPECT_EQ(et.x[W], 0.0);
  EXPECT_EQ(at.nu[W], 0.0);
  // Slot 0 starts at longitude 0 for both orbits.
  EXPECT_NEAR(et.y[0], 0, 1e-15);
  EXPECT_GT(et.x[0], 0);
  EXPECT_NEAR(at.y[0], 0, 1e-15);
  EXPECT_GT(at.x[0], 0);
  EXPECT_DOUBLE_EQ(at.nu[0], -(80 + 250) * kPi / 180);
  EXPECT_NEAR(at.nu[1] - at.nu[0], 2 * kPi / 431, 1e-15);
}

TEST(OrbitModel, InclinedTableSamplesOrbitalLongitude) {
  const int W = 72;
  const OrbitGeometry earth = PrepareEarthGeometry(Elements(0.0167, 0, 102.9, 0, 1.0));
  const OrbitGeometry ast = PrepareAsteroidGeometry(Elements(0.3, 25, 40, 100, 1.4));
  OrbitTable et, at;
  et.Resize(W);
  at.Resize(W);
  BuildOrbitTables(earth, ast, W, et, at);
  for (int k = 0; k < W; ++k) {
    const double orbitalLongitude = (at.nu[k] + ast.node + ast.omega) * 180 / kPi;
    EXPECT_NEAR(orbitalLongitude, 360.0 * k / (W - 1), 1e-11);
    const Vec3 p = AsteroidPointAt(ast, at.nu[k]);
    EXPECT_EQ(p.x, at.x[k]);
    EXPECT_EQ(p.y, at.y[k]);
    EXPECT_EQ(p.z, at.z[k]);
  }
}

// Solves M = E - e sin E by bisection: slow but independent of the Halley iteration.
double BisectKepler(double e, double M) {
  double lo = M - 1.0, hi = M + 1.0;
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    (mid - e * std::sin(mid) < M ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

TEST(Kepler, CircularOrbitReturnsTheMeanAnomalyAfterOnePass) {
  for (double M : {0.0, 1.0, -2.5, 100.0, 1e6}) EXPECT_EQ(SolveKepler(0, M), M);
}

TEST(Kepler, SolvesKeplersEquationForEveryEccentricity) {
  for (double e : {0.001, 0.0167, 0.2, 0.5, 0.8, 0.95, 0.99}) {
    for (double M = -10; M <= 10; M += 0.173) {
      const double E = SolveKepler(e, M);
      EXPECT_NEAR(E - e * std::sin(E), M, 1e-12) << e << " " << M;
      EXPECT_NEAR(E, BisectKepler(e, M), 1e-9) << e << " " << M;
    }
  }
}

TEST(Kepler, MeanAnomalyIsNotReducedToOneTurn) {
  const double M = 50 * kPi + 0.3;
  const double E = SolveKepler(0.3, M);
  EXPECT_NEAR(E - 0.3 * std::sin(E), M, 1e-11);
  EXPECT_GT(E, 50 * kPi);
}

TEST(Kepler, NotANumberStopsTheIteration) {
  EXPECT_TRUE(std::isnan(SolveKepler(0.5, std::nan(""))));
  EXPECT_TRUE(std::isnan(SolveKepler(std::nan(""), 1.0)));
}

TEST(TwoArgArctan, AxesAndQuadrants) {
  EXPECT_EQ(TwoArgArctan(0, -1), kPi);
  EXPECT_EQ(TwoArgArctan(1, 0), kPi / 2);
  EXPECT_EQ(TwoArgArctan(0, 0), kPi / 2);
  EXPECT_EQ(TwoArgArctan(-1, 0), -kPi / 2);
  EXPECT_EQ(TwoArgArctan(0, 1), 0.0);
  for (double y : {-2.0, -0.5, 0.7, 3.0})
    for (double x : {-1.5, -0.2, 0.4, 2.0})
      EXPECT_NEAR(TwoArgArctan(y, x), std::atan2(y, x), 1e-15) << y << " " << x;
}

TEST(Normalize360, ReducesToOneTurn) {
  EXPECT_EQ(Normalize360(-30), 330);
  EXPECT_EQ(Normalize360(720), 0);
  EXPECT_EQ(Normalize360(-10), 350);
  EXPECT_EQ(Normalize360(360), 0);
  EXPECT_EQ(Normalize360(0), 0);
  EXPECT_EQ(Normalize360(359.5), 359.5);
  EXPECT_EQ(Normalize360(-720.25), 359.75);
  EXPECT_EQ(Normalize360(1000), 280);
}

TEST(PositionAtTime, AtTheEpochEachBodyIsAtItsMeanAnomaly) {
  const double t0 = 2459800.5;
  const OrbitGeometry ast = PrepareAsteroidGeometry(Elements(0.6, 15, 30, 60, 1.8, 123.0));
  const double E = BisectKepler(0.6, 123.0 * kPi / 180);
  const double nu = 2 * std::atan(std::sqrt(1.6 / 0.4) * std::tan(E / 2));
  const Vec3 expected = AsteroidPointAt(ast, nu);
  const Vec3 p = PositionAtTime(ast, t0, t0);
  EXPECT_NEAR(p.x, expected.x, 1e-12);
  EXPECT_NEAR(p.y, expected.y, 1e-12);
  EXPECT_NEAR(p.z, expected.z, 1e-12);
  // Distance from the Sun agrees with r = a (1 - e cos E).
  EXPECT_NEAR(Norm(p), 1.8 * (1 - 0.6 * std::cos(E)), 1e-12);

  const OrbitGeometry earth = PrepareEarthGeometry(Elements(0.0167, 0, 102.9, 0, 1.0, 0));
  const Vec3 q = PositionAtTime(earth, t0, t0);  // at perihelion
  EXPECT_NEAR(Norm(q), 1 - 0.0167, 1e-15);
  EXPECT_NEAR(std::atan2(q.y, q.x), 102.9 * kPi / 180, 1e-14);
}

TEST(PositionAtTime, OnePeriodLaterTheBodyIsBack) {
  const OrbitGeometry ast = PrepareAsteroidGeometry(Elements(0.3, 8, 10, 20, 1.5, 40));
  const double period = 2 * kPi / ast.meanMotion;
  const Vec3 a = PositionAtTime(ast, 1000.0, 1000.0);
  const Vec3 b = PositionAtTime(ast, 1000.0 + period, 1000.0);
  EXPECT_NEAR(a.x, b.x, 1e-10);
  EXPECT_NEAR(a.y, b.y, 1e-10);
  EXPECT_NEAR(a.z, b.z, 1e-10);
  // Half a period after perihelion the body is at aphelion.
  const OrbitGeometry peri = PrepareAsteroidGeometry(Elements(0.3, 8, 10, 20, 1.5, 0));
  EXPECT_NEAR(Norm(PositionAtTime(peri, period / 2, 0)), 1.5 * 1.3, 1e-12);
}

#if !defined(NDEBUG)
TEST(OrbitTableContractDeathTest, ATableNotResizedToTheWidthNamesWhatWasExpected) {
  const OrbitGeometry earth = PrepareEarthGeometry(Elements(0.0167, 0, 103, 0, 1.00000261));
  OrbitTable table;
  table.Resize(72);
  FillOrbitTable(earth, 72, table);  // W + 1 slots: fine
  EXPECT_DEATH(FillOrbitTable(earth, 144, table), "expected an orbit table resized to the width");
  EXPECT_DEATH(FillOrbitTable(earth, 1, table), "expected a width of at least 2 samples");
}
#endif

}  // namespace
}  // namespace moid

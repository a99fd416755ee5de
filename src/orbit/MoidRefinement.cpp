#include "orbit/MoidRefinement.h"

#include <cmath>

namespace moid {
namespace {

struct RefineConstants {
  double h;          // finite-difference step, 1/1024 degree
  double maxStep;    // largest step in the asteroid's anomaly, 16 degrees
  double tolerance;  // about 0.1 arcsecond
};

RefineConstants MakeConstants() {
  const double pi = Pi();
  return {(pi / 180) / 1024, 16 * pi / 180, 2.77e-5 * pi / 180};
}

double SquaredDistance(const Vec3& a, const Vec3& e) {
  const double dx = a.x - e.x, dy = a.y - e.y, dz = a.z - e.z;
  return dx * dx + dy * dy + dz * dz;
}

struct NewtonStep {
  double dA = 0, dE = 0;
};

// One Newton step in both anomalies from central differences of the squared distance.
NewtonStep ComputeNewtonStep(const OrbitGeometry& earth, const OrbitGeometry& asteroid,
                             double nuE, double nuA, double h) {
  Vec3 E[3], A[3];
  for (int i = -1; i <= 1; ++i) {
    E[i + 1] = EarthPointAt(earth, nuE + i * h);
    A[i + 1] = AsteroidPointAt(asteroid, nuA + i * h);
  }
  double D[3][3];  // D[i + 1][k + 1] = |A(k) - E(i)|^2
  for (int i = 0; i < 3; ++i)
    for (int k = 0; k < 3; ++k) D[i][k] = SquaredDistance(A[k], E[i]);
  const double h2 = h * h;
  const double dAA = (D[1][2] - 2 * D[1][1] + D[1][0]) / h2;
  const double dEE = (D[2][1] - 2 * D[1][1] + D[0][1]) / h2;
  const double dAE = (D[2][2] - D[2][0] - D[0][2] + D[0][0]) * 0.25 / h2;
  const double gA = (D[1][2] - D[1][0]) / (2 * h);
  const double gE = (D[2][1] - D[0][1]) / (2 * h);
  const double q = 1 / (dEE * dAA - dAE * dAE);
  return {q * (dEE * gA - dAE * gE), q * (dAA * gE - dAE * gA)};
}

}  // namespace

RefinedPoint RefineFrom(const OrbitGeometry& earth, const OrbitGeometry& asteroid, double nuE,
                        double nuA, int& passCounter) {
  const RefineConstants k = MakeConstants();
  int passes = 0;
  for (;;) {
    ++passCounter;
    ++passes;
    NewtonStep step = ComputeNewtonStep(earth, asteroid, nuE, nuA, k.h);
    // A singular matrix gives no usable step: keep the anomalies reached so far.
    if (!std::isfinite(step.dA) || !std::isfinite(step.dE)) break;
    while (std::fabs(step.dA) > k.maxStep) {
      step.dA /= 2;
      step.dE /= 2;
    }
    nuA = nuA - step.dA;
    nuE = nuE - step.dE;
    if (std::fabs(step.dA) < k.tolerance && std::fabs(step.dE) < k.tolerance) break;
    if (passCounter > PASS_LIMIT) break;
  }
  RefinedPoint end = MeasureRefinedPoint(earth, asteroid, nuE, nuA);
  end.passes = passes;
  return end;
}

RefinedPoint MeasureRefinedPoint(const OrbitGeometry& earth, const OrbitGeometry& asteroid,
                                 double nuE, double nuA) {
  double lambda = 0;
  const Vec3 e = EarthPointAt(earth, nuE, &lambda);
  const Vec3 a = AsteroidPointAt(asteroid, nuA);
  RefinedPoint p;
  p.earthAnomaly = nuE;
  p.asteroidAnomaly = nuA;
  p.distanceAu = std::sqrt(SquaredDistance(a, e));
  p.longitudeDeg = lambda * 180 / Pi();
  return p;
}

namespace {

// The lowest result of a fresh Newton run (its own pass budget) from each start.
RefinedPoint BestValleyRun(const OrbitGeometry& earth, const OrbitGeometry& asteroid,
                           const std::vector<GridStart>& starts) {
  RefinedPoint best;
  best.distanceAu = INFINITY;
  for (const GridStart& v : starts) {
    int passCounter = PASS_COUNTER_START;
    const RefinedPoint p =
        RefineFrom(earth, asteroid, v.earthAnomaly, v.asteroidAnomaly, passCounter);
    if (p.distanceAu < best.distanceAu) best = p;
  }
  return best;
}

}  // namespace

MoidResult RefineMoid(const OrbitGeometry& earth, const OrbitGeometry& asteroid,
                      const GridMinimum& start) {
  MoidResult result = RefineFromClosestPair(earth, asteroid, start);
  // The closest grid pair may lie in the shallower of two valleys: a deeper one elsewhere
  // replaces the result when it is clearly lower.
  const RefinedPoint other = BestValleyRun(earth, asteroid, start.valleyStarts);
  if (other.distanceAu < result.moidAu - VALLEY_IMPROVEMENT_AU) {
    result.moidAu = other.distanceAu;
    result.longitudeDeg = Normalize360(other.longitudeDeg);
  }
  return result;
}

MoidResult RefineFromClosestPair(const OrbitGeometry& earth, const OrbitGeometry& asteroid,
                                 const GridMinimum& start) {
  int passCounter = PASS_COUNTER_START;  // shared by both runs
  const double pi = Pi();
  const RefinedPoint run1 =
      RefineFrom(earth, asteroid, start.earthAnomaly, start.asteroidAnomaly, passCounter);
  const RefinedPoint run2 = RefineFrom(earth, asteroid, start.earthAnomaly + pi,
                                       start.asteroidAnomaly + pi, passCounter);
  return ChooseBetterRun(run1, run2, start);
}

MoidResult ChooseBetterRun(const RefinedPoint& run1, const RefinedPoint& run2,
                           const GridMinimum& start) {
  const RefinedPoint& chosen = run2.distanceAu < run1.distanceAu ? run2 : run1;
  MoidResult result;
  result.moidAu = chosen.distanceAu;
  result.longitudeDeg = Normalize360(chosen.longitudeDeg);
  result.gridMinEarthIndex = start.earthIndex;
  result.gridMinAsteroidIndex = start.asteroidIndex;
  return result;
}

}  // namespace moid

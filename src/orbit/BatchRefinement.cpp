#include "orbit/BatchRefinement.h"

#include <cmath>

#include "orbit/AngleSteps.h"
#include "orbit/MoidRefinement.h"

namespace moid {
namespace {

// Passes one run may make: the viewer's budget for its first run.
constexpr int MAX_PASSES = 1002;
// A run is given up only once its steps are below this (radians, about 1 degree): past
// that point Newton's steps shrink fast and the run ends close to where it is.
constexpr double SETTLED_STEP = 0.02;
// The remaining way of a settled run is taken as at most this many times its last step.
constexpr double REMAINING_WAY_FACTOR = 4;
// How far above the best result (AU) a settled run must be to be given up.
constexpr double GIVE_UP_MARGIN_AU = 1e-9;
// A settled run this close (radians, on both orbits) to where an earlier run ended is
// on its way to the same minimum, far inside its basin: it is given up.
constexpr double SAME_MINIMUM_RAD = 1e-4;
// Ends of earlier runs remembered for that test.
constexpr int REMEMBERED_ENDS = 8;

// Anomalies far beyond any run's reach: differences this large are never "near".
constexpr double FAR_APART_RAD = 1e6;

// True when the angle d lies within `tolerance` of a whole number of turns. The nearest
// number of turns is taken by truncation, which std::remainder would take as a library
// call in each pass.
bool WithinOfTurns(double d, double tolerance) {
  const double turn = 2 * Pi();
  if (!(std::fabs(d) < FAR_APART_RAD)) return false;
  const double turns = d / turn;
  const double nearest = static_cast<double>(static_cast<long>(turns + (turns < 0 ? -0.5 : 0.5)));
  return std::fabs(d - nearest * turn) < tolerance;
}

// Where earlier runs ended.
struct RunEnds {
  double nuE[REMEMBERED_ENDS] = {}, nuA[REMEMBERED_ENDS] = {};
  int count = 0;
  void Add(double e, double a) {
    if (count == REMEMBERED_ENDS) return;
    nuE[count] = e;
    nuA[count] = a;
    ++count;
  }
  // Anomalies are not reduced to one turn: runs may end whole turns apart.
  bool Near(double e, double a) const {
    for (int i = 0; i < count; ++i)
      if (WithinOfTurns(e - nuE[i], SAME_MINIMUM_RAD) && WithinOfTurns(a - nuA[i], SAME_MINIMUM_RAD))
        return true;
    return false;
  }
};

// Steps up to this (radians, a little over the largest asteroid step of 16 degrees) turn
// the cosine and sine of the anomaly by SmallAngle.
constexpr double SERIES_STEP = 0.3;

// nu - d with its cosine and sine: by angle addition for a step up to SERIES_STEP, afresh
// otherwise. Each addition adds about an ulp; runs settle in a few passes.
void StepBack(double& nu, Angle& angle, double d) {
  nu -= d;
  angle = std::fabs(d) <= SERIES_STEP ? angle.Minus(SmallAngle(d)) : AngleOf(nu);
}

struct PointWithDerivatives {
  Vec3 at, first, second;
};

double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 Difference(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// One orbit's point and its derivatives along the orbit, from one sine and cosine.
struct OrbitSampler {
  double p = 0, e = 0;
  double P1 = 1, P2 = 0, P3 = 0, Q1 = 0, Q2 = 1, Q3 = 0;
  // Largest speed of the point along the orbit, AU per radian of anomaly.
  double speed = 0;

  static OrbitSampler Earth(const OrbitGeometry& g) {
    // In the ecliptic, longitude node + nu + omega: the plane's axes turned by node + omega.
    const Angle turn = AngleOf(g.node + g.omega);
    return Make(g, turn.c, turn.s, 0, -turn.s, turn.c, 0);
  }
  static OrbitSampler Asteroid(const OrbitGeometry& g) {
    return Make(g, g.P1, g.P2, g.P3, g.Q1, g.Q2, g.Q3);
  }
  static OrbitSampler Make(const OrbitGeometry& g, double p1, double p2, double p3, double q1,
                           double q2, double q3) {
    OrbitSampler o;
    o.p = g.a * (1 - g.e * g.e);
    o.e = g.e;
    o.P1 = p1, o.P2 = p2, o.P3 = p3, o.Q1 = q1, o.Q2 = q2, o.Q3 = q3;
    // |dr/dnu| = r sqrt(1 + (e sin nu / (1 + e cos nu))^2) <= a (1 + e) / sqrt(1 - e^2).
    o.speed = g.a * (1 + g.e) / std::sqrt(1 - g.e * g.e);
    return o;
  }
  Vec3 At(const Angle& nu) const {
    const double r = p / (1 + e * nu.c);
    const double xi = r * nu.c, eta = r * nu.s;
    return {xi * P1 + eta * Q1, xi * P2 + eta * Q2, xi * P3 + eta * Q3};
  }
  // The point at anomaly nu with its first and second derivatives in nu. With
  // r = p / (1 + e cos nu): r' = r e sin nu / (1 + e cos nu) and
  // r'' = (2 r' e sin nu + r e cos nu) / (1 + e cos nu); the point is r (cos nu, sin nu)
  // in the orbit's plane, differentiated by the product rule.
  PointWithDerivatives WithDerivatives(const Angle& nu) const {
    const double inv = 1 / (1 + e * nu.c);
    const double r = p * inv;
    const double es = e * nu.s;
    const double r1 = r * es * inv;
    const double r2 = (2 * r1 * es + r * e * nu.c) * inv;
    const double xi = r * nu.c, eta = r * nu.s;
    const double xi1 = r1 * nu.c - eta, eta1 = r1 * nu.s + xi;
    const double xi2 = r2 * nu.c - 2 * r1 * nu.s - xi, eta2 = r2 * nu.s + 2 * r1 * nu.c - eta;
    return {InSpace(xi, eta), InSpace(xi1, eta1), InSpace(xi2, eta2)};
  }
  Vec3 InSpace(double xi, double eta) const {
    return {xi * P1 + eta * Q1, xi * P2 + eta * Q2, xi * P3 + eta * Q3};
  }
};

double SquaredDistance(const Vec3& a, const Vec3& e) {
  const double dx = a.x - e.x, dy = a.y - e.y, dz = a.z - e.z;
  return dx * dx + dy * dy + dz * dz;
}

struct Refiner {
  OrbitSampler earth, asteroid;
  double maxStep, tolerance;

  struct Pass {
    double dA = 0, dE = 0, distance = 0;
  };

  // A Newton step on the squared distance D(nuE, nuA) = |A - E|^2 at the anomalies whose
  // cosines and sines are given, and the distance there. Its gradient and Hessian, halved
  // (the factor cancels in the step): d.A', -d.E'; A'.A' + d.A'', E'.E' - d.E'', -A'.E',
  // with d = A - E.
  Pass Step(const Angle& nuE, const Angle& nuA) const {
    const PointWithDerivatives E = earth.WithDerivatives(nuE);
    const PointWithDerivatives A = asteroid.WithDerivatives(nuA);
    const Vec3 d = Difference(A.at, E.at);
    const double gA = Dot(d, A.first), gE = -Dot(d, E.first);
    const double dAA = Dot(A.first, A.first) + Dot(d, A.second);
    const double dEE = Dot(E.first, E.first) - Dot(d, E.second);
    const double dAE = -Dot(A.first, E.first);
    const double q = 1 / (dEE * dAA - dAE * dAE);
    return {q * (dEE * gA - dAE * gE), q * (dAA * gE - dAE * gA), std::sqrt(Dot(d, d))};
  }

  // True when a run at `distance` whose last steps were dE, dA cannot end below `best`.
  bool CannotWin(double distance, double dE, double dA, double best) const {
    if (std::fabs(dA) > SETTLED_STEP || std::fabs(dE) > SETTLED_STEP) return false;
    const double way = REMAINING_WAY_FACTOR * (earth.speed * std::fabs(dE) +
                                               asteroid.speed * std::fabs(dA));
    return distance - way > best + GIVE_UP_MARGIN_AU;
  }

  // One Newton run; false when it was given up or met a singular matrix at once. On true,
  // `distance` is the distance where it ended.
  bool Run(double& nuE, double& nuA, double best, const RunEnds& ends, double& distance) const {
    Angle e = AngleOf(nuE), a = AngleOf(nuA);
    for (int pass = 0; pass < MAX_PASSES; ++pass) {
      Pass step = Step(e, a);
      // A singular matrix gives no usable step: keep the anomalies reached so far.
      if (!std::isfinite(step.dA) || !std::isfinite(step.dE)) {
        distance = step.distance;
        return pass > 0;
      }
      while (std::fabs(step.dA) > maxStep) {
        step.dA /= 2;
        step.dE /= 2;
      }
      if (CannotWin(step.distance, step.dE, step.dA, best)) return false;
      StepBack(nuA, a, step.dA);
      StepBack(nuE, e, step.dE);
      if (std::fabs(step.dA) < tolerance && std::fabs(step.dE) < tolerance) break;
      if (std::fabs(step.dA) < SETTLED_STEP && std::fabs(step.dE) < SETTLED_STEP &&
          ends.Near(nuE, nuA))
        return false;
    }
    distance = std::sqrt(SquaredDistance(asteroid.At(a), earth.At(e)));
    return true;
  }
};

Refiner MakeRefiner(const OrbitGeometry& earth, const OrbitGeometry& asteroid) {
  const double pi = Pi();
  return {OrbitSampler::Earth(earth), OrbitSampler::Asteroid(asteroid), 16 * pi / 180,
          2.77e-5 * pi / 180};
}

}  // namespace

MoidResult RefineBatchMoid(const OrbitGeometry& earth, const OrbitGeometry& asteroid,
                           const GridMinimum& start) {
  const Refiner refiner = MakeRefiner(earth, asteroid);
  double bestE = start.earthAnomaly, bestA = start.asteroidAnomaly;
  double best = INFINITY;
  RunEnds ends;
  double d = INFINITY;
  if (refiner.Run(bestE, bestA, best, ends, d)) {
    best = d;
    ends.Add(bestE, bestA);
  }
  for (const GridStart& v : start.valleyStarts) {
    double nuE = v.earthAnomaly, nuA = v.asteroidAnomaly;
    if (!refiner.Run(nuE, nuA, best, ends, d)) continue;
    ends.Add(nuE, nuA);
    // As in the viewer: another start replaces the closest pair's run only when clearly lower.
    if (d < best - VALLEY_IMPROVEMENT_AU || !(best < INFINITY)) {
      best = d;
      bestE = nuE;
      bestA = nuA;
    }
  }
  const RefinedPoint end = MeasureRefinedPoint(earth, asteroid, bestE, bestA);
  MoidResult result;
  result.moidAu = end.distanceAu;
  result.longitudeDeg = Normalize360(end.longitudeDeg);
  result.gridMinEarthIndex = start.earthIndex;
  result.gridMinAsteroidIndex = start.asteroidIndex;
  return result;
}

}  // namespace moid

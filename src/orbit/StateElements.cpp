#include "orbit/StateElements.h"

#include <cmath>

namespace moid {
namespace {

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

double Length(const Vec3& a) { return std::sqrt(Dot(a, a)); }

double DegreesOf(double radians) { return radians / RadPerDeg(); }

// Eccentric anomaly from the true anomaly, then Kepler's equation.
double MeanAnomalyFromTrue(double e, double nu) {
  const double E = 2 * std::atan2(std::sqrt(1 - e) * std::sin(nu / 2),
                                  std::sqrt(1 + e) * std::cos(nu / 2));
  return E - e * std::sin(E);
}

}  // namespace

ElementRecord ElementsFromState(const Vec3& position, const Vec3& velocity, double mu) {
  const Vec3 h = Cross(position, velocity);
  const double r = Length(position), hLen = Length(h);
  const double v2 = Dot(velocity, velocity);
  const double rv = Dot(position, velocity);
  // Eccentricity vector (v x h) / mu - r / |r|.
  const Vec3 vh = Cross(velocity, h);
  const Vec3 ev = {vh.x / mu - position.x / r, vh.y / mu - position.y / r,
                   vh.z / mu - position.z / r};
  const double e = Length(ev);
  const double horizontal = std::hypot(h.x, h.y);
  const double node = horizontal > 0 ? std::atan2(h.x, -h.y) : 0.0;
  // Node direction n and the in-plane direction a quarter turn ahead of it, (h x n) / |h|.
  const Vec3 n = {std::cos(node), std::sin(node), 0.0};
  const Vec3 m = Cross(h, n);
  const double omega = std::atan2(Dot(ev, m) / hLen, Dot(ev, n));
  // True anomaly from e cos nu = p / r - 1 and e sin nu = h (r . v) / (mu r).
  const double p = hLen * hLen / mu;
  const double nu = std::atan2(hLen * rv / (mu * r), p / r - 1);

  ElementRecord el;
  el.eccentricity = e;
  el.inclination = DegreesOf(std::atan2(horizontal, h.z));
  el.perihelionArgument = Normalize360(DegreesOf(omega));
  el.ascendingNode = Normalize360(DegreesOf(node));
  el.semiMajorAxis = 1 / (2 / r - v2 / mu);
  el.meanAnomaly = Normalize360(DegreesOf(MeanAnomalyFromTrue(e, nu)));
  return el;
}

}  // namespace moid

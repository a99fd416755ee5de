#include "orbit/OrbitPlane.h"

#include <cmath>

#include "orbit/OrbitModel.h"

namespace moid {
namespace {

// Below this sine of the inclination an orbit is taken as lying in the reference plane:
// its node is then kept and only the longitude of perihelion is carried over.
constexpr double IN_PLANE_SINE = 1e-13;

// Rows of a 3 x 3 rotation.
struct Rotation {
  double m[3][3];
  Vec3 Apply(const Vec3& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
  }
};

// The turn about the line of longitude `node` (radians) in the z = 0 plane that takes the
// plane tilted there by `inclination` back to z = 0: Rz(node) Rx(-inclination) Rz(-node).
Rotation UntiltAboutNodeLine(double node, double inclination) {
  const double cn = std::cos(node), sn = std::sin(node);
  const double ci = std::cos(inclination), si = std::sin(inclination);
  return {{{cn * cn + sn * sn * ci, cn * sn * (1 - ci), -sn * si},
           {cn * sn * (1 - ci), sn * sn + cn * cn * ci, cn * si},
           {sn * si, -cn * si, ci}}};
}

// Perihelion direction P and orbit normal W of elements in radians.
void OrbitAxes(double i, double node, double omega, Vec3& P, Vec3& W) {
  const double cw = std::cos(omega), sw = std::sin(omega);
  const double cn = std::cos(node), sn = std::sin(node);
  const double ci = std::cos(i), si = std::sin(i);
  P = {cw * cn - sw * sn * ci, cw * sn + sw * cn * ci, sw * si};
  W = {sn * si, -cn * si, ci};
}

}  // namespace

ElementRecord ReferToEarthPlane(const ElementRecord& body, const ElementRecord& earth) {
  const double deg = RadPerDeg();
  const Rotation turn = UntiltAboutNodeLine(earth.ascendingNode * deg, earth.inclination * deg);
  Vec3 P, W;
  OrbitAxes(body.inclination * deg, body.ascendingNode * deg, body.perihelionArgument * deg,
            P, W);
  const Vec3 p = turn.Apply(P), w = turn.Apply(W);

  ElementRecord out = body;
  const double sinI = std::hypot(w.x, w.y);
  out.inclination = std::atan2(sinI, w.z) / deg;
  double node = body.ascendingNode * deg;
  if (sinI > IN_PLANE_SINE) {
    node = std::atan2(w.x, -w.y);
  } else {
    out.inclination = w.z > 0 ? 0.0 : 180.0;
  }
  // Argument of perihelion: P measured from the node direction n towards W x n.
  const double cn = std::cos(node), sn = std::sin(node);
  const double alongNode = p.x * cn + p.y * sn;
  const double ahead = -w.z * sn * p.x + w.z * cn * p.y + (w.x * sn - w.y * cn) * p.z;
  out.ascendingNode = Normalize360(node / deg);
  out.perihelionArgument = Normalize360(std::atan2(ahead, alongNode) / deg);
  return out;
}

}  // namespace moid

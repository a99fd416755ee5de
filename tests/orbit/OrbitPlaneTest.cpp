#include "orbit/OrbitPlane.h"

#include <gtest/gtest.h>

#include <cmath>

#include "orbit/EarthOrbit.h"
#include "orbit/IndependentMoid.h"
#include "orbit/ViewerMoid.h"

namespace moid {
namespace {

using independent::ComputeIndependentMoid;
using independent::EarthPlane;
using independent::Elements;
using independent::OrbitPoint;
using independent::Point3;

constexpr double kPi = 3.14159265358979323846;
constexpr double kEpochs[] = {2451545.0, 2458666.5, 2461000.5};

Elements Shape(const ElementRecord& r) {
  return {r.eccentricity, r.inclination, r.perihelionArgument, r.ascendingNode, r.semiMajorAxis};
}

// Bodies near the Earth's orbit (shapes of Apophis, 2024 YR4 and Bennu as JPL lists them
// in 2025, rounded) and two made to pass within 1e-4 AU of it at steep and shallow angles.
std::vector<ElementRecord> NearEarthBodies() {
  return {{0.19113, 3.3407, 126.6, 203.9, 0.92256, 10, "Apophis"},
          {0.66158, 3.4082, 134.36, 271.37, 2.5158, 40, "2024 YR4"},
          {0.20375, 6.0349, 66.22, 2.06, 1.1264, 100, "Bennu"},
          {0.45, 35.0, 178.0, 23.0, 1.3325, 200, "steep crosser"},
          {0.05, 0.8, 300.0, 140.0, 1.0101, 300, "shallow neighbour"}};
}

// An Earth tilted far more than the real one, so that the rotation matters at the 0.01 AU level.
const ElementRecord kTiltedEarth{0.0167, 3.0, 27.9, 75.0, 1.0, 0, "Earth"};

// Turns v about the unit axis k by angle t (Rodrigues' formula).
Point3 TurnAbout(const Point3& v, const Point3& k, double t) {
  const double c = std::cos(t), s = std::sin(t);
  const double kv = k.x * v.x + k.y * v.y + k.z * v.z;
  const Point3 kxv = {k.y * v.z - k.z * v.y, k.z * v.x - k.x * v.z, k.x * v.y - k.y * v.x};
  return {v.x * c + kxv.x * s + k.x * kv * (1 - c), v.y * c + kxv.y * s + k.y * kv * (1 - c),
          v.z * c + kxv.z * s + k.z * kv * (1 - c)};
}

TEST(OrbitPlane, TheEarthReferredToItsOwnPlaneHasNoInclination) {
  for (double jd : kEpochs) {
    const ElementRecord earth = EarthElementsAt(jd);
    const ElementRecord flat = ReferToEarthPlane(earth, earth);
    EXPECT_NEAR(flat.inclination, 0.0, 1e-12) << jd;
    EXPECT_EQ(flat.semiMajorAxis, earth.semiMajorAxis);
    EXPECT_EQ(flat.eccentricity, earth.eccentricity);
    EXPECT_EQ(flat.meanAnomaly, earth.meanAnomaly);
    EXPECT_EQ(flat.name, "Earth");
    // Longitudes in the plane hardly move: the tilt is a few thousandths of a degree.
    const double before = earth.ascendingNode + earth.perihelionArgument;
    const double after = flat.ascendingNode + flat.perihelionArgument;
    EXPECT_LT(independent::DegToRad(std::fabs(std::remainder(after - before, 360.0))),
              independent::DegToRad(1e-6))
        << jd;
  }
  const ElementRecord flat = ReferToEarthPlane(kTiltedEarth, kTiltedEarth);
  EXPECT_NEAR(flat.inclination, 0.0, 1e-12);
}

TEST(OrbitPlane, EveryPointOfTheOrbitTurnsAboutTheEarthsNodeLine) {
  for (const ElementRecord& earth : {EarthElementsAt(2461000.5), kTiltedEarth}) {
    const double node = independent::DegToRad(earth.ascendingNode);
    const Point3 axis = {std::cos(node), std::sin(node), 0};
    const double tilt = -independent::DegToRad(earth.inclination);
    for (const ElementRecord& body : NearEarthBodies()) {
      const ElementRecord turned = ReferToEarthPlane(body, earth);
      EXPECT_EQ(turned.semiMajorAxis, body.semiMajorAxis) << body.name;
      EXPECT_EQ(turned.eccentricity, body.eccentricity) << body.name;
      EXPECT_EQ(turned.meanAnomaly, body.meanAnomaly) << body.name;
      EXPECT_GE(turned.ascendingNode, 0.0);
      EXPECT_LT(turned.ascendingNode, 360.0);
      EXPECT_GE(turned.perihelionArgument, 0.0);
      EXPECT_LT(turned.perihelionArgument, 360.0);
      for (int k = 0; k < 12; ++k) {
        const double nu = 2 * kPi * k / 12;
        const Point3 want = TurnAbout(OrbitPoint(Shape(body), nu, false), axis, tilt);
        const Point3 got = OrbitPoint(Shape(turned), nu, false);
        EXPECT_NEAR(got.x, want.x, 1e-13) << body.name << " nu " << nu;
        EXPECT_NEAR(got.y, want.y, 1e-13) << body.name << " nu " << nu;
        EXPECT_NEAR(got.z, want.z, 1e-13) << body.name << " nu " << nu;
      }
    }
  }
}

// The viewer keeps the Earth in z = 0; after the rotation its MOID is the true 3-D MOID
// against the inclined Earth of the J2000 elements.
TEST(OrbitPlane, ViewerMoidAfterTheTurnIsTheMoidAgainstTheInclinedEarth) {
  std::vector<ElementRecord> earths;
  for (double jd : kEpochs) earths.push_back(EarthElementsAt(jd));
  earths.push_back(kTiltedEarth);
  const int W = 72;
  MoidWorkspace work(W);
  for (const ElementRecord& earth : earths) {
    const OrbitGeometry flatEarth = PrepareEarthGeometry(ReferToEarthPlane(earth, earth));
    for (const ElementRecord& body : NearEarthBodies()) {
      const double truth =
          ComputeIndependentMoid(Shape(earth), Shape(body), 720, EarthPlane::Inclined).distanceAu;
      const ViewerMoid v = ComputeViewerMoid(flatEarth, ReferToEarthPlane(body, earth), W, work);
      EXPECT_NEAR(v.moid.moidAu, truth, 1e-10) << body.name << " Earth i " << earth.inclination;
    }
  }
}

TEST(OrbitPlane, TheTiltedEarthsPlaneChangesTheMoid) {
  // Guards the test above: against the tilted Earth, ignoring its tilt would be wrong by far
  // more than the tolerance for these bodies.
  const ElementRecord apophis = NearEarthBodies()[0];
  const double inclined = ComputeIndependentMoid(Shape(kTiltedEarth), Shape(apophis), 720,
                                                 EarthPlane::Inclined).distanceAu;
  const double flat = ComputeIndependentMoid(Shape(kTiltedEarth), Shape(apophis), 720,
                                             EarthPlane::Ecliptic).distanceAu;
  EXPECT_GT(std::fabs(inclined - flat), 1e-3);
}

}  // namespace
}  // namespace moid

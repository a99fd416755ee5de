#include "tools/ImportEarth.h"

#include "orbit/EarthOrbit.h"
#include "orbit/OrbitPlane.h"
#include "sources/Epoch.h"
#include "sources/PackedForms.h"
#include "tools/ToolText.h"

namespace moid::tools {
namespace {

constexpr double J2000_JD = 2451545.0;
constexpr double DAYS_PER_JULIAN_CENTURY = 36525.0;

// A mean element: its value at J2000 and its rate per Julian century.
struct MeanElement {
  double atJ2000;
  double perCentury;
  double At(double centuries) const { return atJ2000 + perCentury * centuries; }
};

// The Earth-Moon barycentre's mean elements for 1800 to 2050 (a in AU, angles in degrees).
constexpr MeanElement SEMI_MAJOR_AXIS = {1.00000261, 0.00000562};
constexpr MeanElement ECCENTRICITY = {0.01671123, -0.00004392};
constexpr MeanElement INCLINATION = {-0.00001531, -0.01294668};
constexpr MeanElement MEAN_LONGITUDE = {100.46457166, 35999.37244981};
constexpr MeanElement PERIHELION_LONGITUDE = {102.93768193, 0.32327364};
constexpr MeanElement NODE_LONGITUDE = {0.0, 0.0};

}  // namespace

ElementRecord EarthMoonBarycentreAt(double epochJd) {
  const double t = (epochJd - J2000_JD) / DAYS_PER_JULIAN_CENTURY;
  const double perihelion = PERIHELION_LONGITUDE.At(t);
  const double node = NODE_LONGITUDE.At(t);
  ElementRecord earth;
  earth.eccentricity = ECCENTRICITY.At(t);
  earth.inclination = INCLINATION.At(t);
  earth.perihelionArgument = sources::ReduceDegrees(perihelion - node);
  earth.ascendingNode = node;
  earth.semiMajorAxis = SEMI_MAJOR_AXIS.At(t);
  earth.meanAnomaly = sources::ReduceDegrees(MEAN_LONGITUDE.At(t) - perihelion);
  earth.name = "Earth";
  return earth;
}

bool WithinMeanElementSpan(double epochJd) {
  return epochJd >= sources::JulianDayOfDate(1800, 1, 1) && epochJd < sources::JulianDayOfDate(2051, 1, 1);
}

ElementRecord ReferenceEarthAt(EarthChoice earth, double epochJd) {
  return earth == EarthChoice::Centre ? EarthElementsAt(epochJd) : EarthMoonBarycentreAt(epochJd);
}

ElementRecord InCatalogueFrame(const ElementRecord& record, const ElementRecord& earth,
                               FrameChoice frame) {
  return frame == FrameChoice::EarthPlane ? ReferToEarthPlane(record, earth) : record;
}

std::string EarthSpanWarning(EarthChoice earth, double epochJd) {
  const std::string epoch = "epoch JD " + ShortestNumber(epochJd);
  if (earth == EarthChoice::Centre) {
    if (EarthEphemerisCovers(epochJd)) return "";
    return epoch + " lies outside 1900 to 2100, the years the Earth's ephemeris is made for";
  }
  if (WithinMeanElementSpan(epochJd)) return "";
  return epoch + " lies outside 1800 to 2050, the years the Earth's mean elements are made for";
}

std::string EarthAndFrameText(EarthChoice earth, FrameChoice frame) {
  const std::string reference = earth == EarthChoice::Centre
                                    ? "the Earth's osculating orbit"
                                    : "the Earth-Moon barycentre's mean orbit";
  const std::string plane = frame == FrameChoice::EarthPlane
                                ? "elements in the plane of that orbit"
                                : "elements on the J2000 ecliptic";
  return reference + ", " + plane;
}

}  // namespace moid::tools

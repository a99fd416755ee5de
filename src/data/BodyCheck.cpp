#include "data/BodyCheck.h"

#include <charconv>
#include <cmath>

namespace moid {
namespace {

// Shortest text that reads back as the same double.
std::string ShortestText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

bool AllFinite(const ElementRecord& r) {
  return std::isfinite(r.eccentricity) && std::isfinite(r.inclination) &&
         std::isfinite(r.perihelionArgument) && std::isfinite(r.ascendingNode) &&
         std::isfinite(r.semiMajorAxis) && std::isfinite(r.meanAnomaly);
}

}  // namespace

std::string UndrawableReason(const ElementRecord& record) {
  if (!AllFinite(record)) return "an element is not a finite number";
  if (record.eccentricity < 0) {
    return "eccentricity " + ShortestText(record.eccentricity) + " is negative (not an ellipse)";
  }
  if (record.eccentricity >= 1) {
    return "eccentricity " + ShortestText(record.eccentricity) +
           " is not below 1 (not an ellipse)";
  }
  if (record.semiMajorAxis <= 0) {
    return "semi-major axis " + ShortestText(record.semiMajorAxis) + " AU is not positive";
  }
  return {};
}

}  // namespace moid

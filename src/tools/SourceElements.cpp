#include "tools/SourceElements.h"

namespace moid::tools {

ElementRecord ElementsOf(const sources::SourceBody& body) {
  ElementRecord record;
  record.eccentricity = *body.eccentricity;
  record.inclination = *body.inclination;
  record.perihelionArgument = *body.perihelionArgument;
  record.ascendingNode = *body.ascendingNode;
  record.semiMajorAxis = *body.semiMajorAxis;
  record.meanAnomaly = *body.meanAnomaly;
  return record;
}

}  // namespace moid::tools

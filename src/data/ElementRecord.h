#pragma once
#include <string>
#include <vector>

namespace moid {

constexpr int CATALOG_LAST_INDEX = 25000;

// One body's elements exactly as read (angles in degrees, a in AU).
struct ElementRecord {
  double eccentricity = 0;
  double inclination = 0;
  double perihelionArgument = 0;
  double ascendingNode = 0;
  double semiMajorAxis = 0;
  double meanAnomaly = 0;
  std::string name;  // Windows-1252 bytes, trailing blanks kept
};

struct BodyCatalog {
  double epoch = 0;  // Julian day of every record
  ElementRecord reference;  // record 0: the Earth-Moon barycentre
  std::vector<ElementRecord> bodies = std::vector<ElementRecord>(CATALOG_LAST_INDEX + 1);
  int lastIndex = -1;  // -1 when the file holds no body
};

}  // namespace moid

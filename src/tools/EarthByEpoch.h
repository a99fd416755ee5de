#pragma once
#include <map>

#include "data/ElementRecord.h"
#include "orbit/OrbitModel.h"

// The Earth a body's MOID is measured against: its osculating orbit at the body's epoch.
namespace moid::tools {

struct EarthAtEpoch {
  ElementRecord elements;  // J2000 ecliptic
  OrbitGeometry geometry;  // in the plane of its own orbit, as the MOID search takes it
};

// Works out the Earth of each distinct epoch once. Entries stay where they are while more
// epochs are added, so a reference to one may be handed to other threads.
class EarthByEpoch {
 public:
  const EarthAtEpoch& At(double epochJd);
  std::size_t EpochCount() const { return earths_.size(); }

 private:
  std::map<double, EarthAtEpoch> earths_;
  const EarthAtEpoch* last_ = nullptr;
  double lastEpoch_ = 0;
};

// `body` (J2000 ecliptic) referred to the plane of `earth`'s orbit.
ElementRecord InEarthPlane(const ElementRecord& body, const EarthAtEpoch& earth);

}  // namespace moid::tools

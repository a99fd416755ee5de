#include "tools/EarthByEpoch.h"

#include "orbit/EarthOrbit.h"
#include "orbit/OrbitPlane.h"

namespace moid::tools {

const EarthAtEpoch& EarthByEpoch::At(double epochJd) {
  if (last_ != nullptr && lastEpoch_ == epochJd) return *last_;  // most bodies share one epoch
  auto found = earths_.find(epochJd);
  if (found == earths_.end()) {
    EarthAtEpoch earth;
    earth.elements = EarthElementsAt(epochJd);
    earth.geometry = PrepareEarthGeometry(ReferToEarthPlane(earth.elements, earth.elements));
    found = earths_.emplace(epochJd, std::move(earth)).first;
  }
  last_ = &found->second;
  lastEpoch_ = epochJd;
  return *last_;
}

ElementRecord InEarthPlane(const ElementRecord& body, const EarthAtEpoch& earth) {
  return ReferToEarthPlane(body, earth.elements);
}

}  // namespace moid::tools

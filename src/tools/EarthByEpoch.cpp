#include "tools/EarthByEpoch.h"

#include "orbit/EarthOrbit.h"
#include "orbit/OrbitPlane.h"

namespace moid::tools {

namespace {

std::shared_ptr<const EarthAtEpoch> WorkOutEarth(double epochJd) {
  auto earth = std::make_shared<EarthAtEpoch>();
  earth->elements = EarthElementsAt(epochJd);
  earth->geometry = PrepareEarthGeometry(ReferToEarthPlane(earth->elements, earth->elements));
  return earth;
}

}  // namespace

std::shared_ptr<const EarthAtEpoch> EarthByEpoch::At(double epochJd) {
  if (last_ != nullptr && lastEpoch_ == epochJd) return last_;  // most bodies share one epoch
  auto found = earths_.find(epochJd);
  if (found == earths_.end()) {
    if (!order_.empty() && order_.size() >= kept_) {
      earths_.erase(order_.front());
      order_.pop_front();
    }
    found = earths_.emplace(epochJd, WorkOutEarth(epochJd)).first;
    order_.push_back(epochJd);
    ++workedOut_;
  }
  last_ = found->second;
  lastEpoch_ = epochJd;
  return last_;
}

ElementRecord InEarthPlane(const ElementRecord& body, const EarthAtEpoch& earth) {
  return ReferToEarthPlane(body, earth.elements);
}

}  // namespace moid::tools

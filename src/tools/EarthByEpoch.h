#pragma once
#include <cstddef>
#include <deque>
#include <map>
#include <memory>

#include "data/ElementRecord.h"
#include "orbit/OrbitModel.h"

// The Earth a body's MOID is measured against: its osculating orbit at the body's epoch.
namespace moid::tools {

struct EarthAtEpoch {
  ElementRecord elements;  // J2000 ecliptic
  OrbitGeometry geometry;  // in the plane of its own orbit, as the MOID search takes it
};

// How many epochs' Earths are kept: far more than real catalogues hold (one epoch per day
// over three centuries is about 100,000; MPCORB.DAT holds a few thousand), and about 1 MB.
constexpr std::size_t EARTH_EPOCHS_KEPT = 4096;

// Works out the Earth of each epoch once while it is among the last `kept` epochs met;
// beyond that the oldest is let go and worked out again if it comes back, so that an input
// of a new epoch on every line does not grow the memory. The Earths are shared with the
// jobs that use them, and stay valid there when they are let go here.
class EarthByEpoch {
 public:
  explicit EarthByEpoch(std::size_t kept = EARTH_EPOCHS_KEPT) : kept_(kept) {}
  std::shared_ptr<const EarthAtEpoch> At(double epochJd);
  // How many Earths were worked out: the number of distinct epochs, unless more than
  // `kept` came and some came back.
  std::size_t EpochCount() const { return workedOut_; }

 private:
  std::size_t kept_;
  std::map<double, std::shared_ptr<const EarthAtEpoch>> earths_;
  std::deque<double> order_;  // the epochs kept, oldest first
  std::shared_ptr<const EarthAtEpoch> last_;
  double lastEpoch_ = 0;
  std::size_t workedOut_ = 0;
};

// `body` (J2000 ecliptic) referred to the plane of `earth`'s orbit.
ElementRecord InEarthPlane(const ElementRecord& body, const EarthAtEpoch& earth);

}  // namespace moid::tools

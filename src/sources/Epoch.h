#pragma once
#include <map>
#include <optional>

// Bringing bodies to one common epoch by two-body motion.
namespace moid::sources {

// The Gaussian gravitational constant k, radians per day: the mean motion of a body with
// a = 1 AU and negligible mass.
constexpr double GAUSSIAN_GRAVITATIONAL_CONSTANT = 0.01720209895;
// Modified Julian day 0 as a Julian day.
constexpr double MJD_ZERO_JD = 2400000.5;

// `degrees` reduced to [0, 360).
double ReduceDegrees(double degrees);

// The mean anomaly (degrees, in [0, 360)) at `targetJd` of a body whose mean anomaly at
// `epochJd` is `meanAnomalyDeg`: advanced by the mean motion k * sqrt(1 / a^3) times the
// epoch difference. The other elements of a two-body orbit do not change.
double MeanAnomalyAt(double meanAnomalyDeg, double semiMajorAxisAu, double epochJd,
                     double targetJd);

// Counts of bodies per epoch (Julian day).
class EpochTally {
 public:
  void Add(double epochJd) { ++counts_[epochJd]; }
  // The epoch most bodies have; of several equally common ones the latest. nullopt when
  // nothing was added.
  std::optional<double> MostCommon() const;

 private:
  std::map<double, long> counts_;
};

}  // namespace moid::sources

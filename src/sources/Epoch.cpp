#include "sources/Epoch.h"

#include <cmath>
#include <numbers>

namespace moid::sources {

double ReduceDegrees(double degrees) {
  double reduced = std::fmod(degrees, 360.0);
  if (reduced < 0) reduced += 360.0;
  // A tiny negative angle plus 360 rounds to 360 itself.
  return reduced >= 360.0 ? 0.0 : reduced;
}

double MeanAnomalyAt(double meanAnomalyDeg, double semiMajorAxisAu, double epochJd,
                     double targetJd) {
  const double a = semiMajorAxisAu;
  const double motion = GAUSSIAN_GRAVITATIONAL_CONSTANT * std::sqrt(1.0 / (a * a * a));
  const double advance = motion * (targetJd - epochJd) * (180.0 / std::numbers::pi);
  return ReduceDegrees(meanAnomalyDeg + advance);
}

std::optional<double> EpochTally::MostCommon() const {
  std::optional<double> best;
  long bestCount = 0;
  for (const auto& [epoch, count] : counts_) {  // ascending epochs: ">=" keeps the latest tie
    if (count >= bestCount) {
      best = epoch;
      bestCount = count;
    }
  }
  return best;
}

}  // namespace moid::sources

#include "platform/LineRaster.h"

#include <algorithm>
#include <cmath>

namespace moid {
namespace {

// The line in terms of its major axis a and minor axis b.
struct AxisLine {
  double a1, b1, a2, b2;
  double slope;  // db/da
};

bool AllFinite(double x1, double y1, double x2, double y2) {
  return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2) &&
         std::isfinite(x2 - x1) && std::isfinite(y2 - y1);
}

AxisLine Oriented(double a1, double b1, double a2, double b2) {
  return AxisLine{a1, b1, a2, b2, a1 == a2 ? 0.0 : (b2 - b1) / (a2 - a1)};
}

constexpr int DASH_PERIOD = 2 * DASH_PIXELS;

// Steps from the line's start to `a`, modulo the dash period.
int DashPhase(double a, double aStart) {
  return static_cast<int>(std::fmod(std::fabs(a - aStart), static_cast<double>(DASH_PERIOD)));
}

}  // namespace

void RasterLine(const PixelBuffer& target, double x1, double y1, double x2, double y2,
                std::uint32_t pixel, bool dashed) {
  if (!AllFinite(x1, y1, x2, y2)) return;
  const bool xMajor = std::fabs(x2 - x1) >= std::fabs(y2 - y1);
  const AxisLine l = xMajor ? Oriented(x1, y1, x2, y2) : Oriented(y1, x1, y2, x2);
  const double majorLimit = xMajor ? target.width : target.height;
  const double minorLimit = xMajor ? target.height : target.width;
  const double aStart = std::nearbyint(l.a1);
  const double aEnd = std::nearbyint(l.a2);
  const double first = std::max(std::min(aStart, aEnd), 0.0);
  const double last = std::min(std::max(aStart, aEnd), majorLimit - 1);
  // Walking up the major axis moves away from the start, or towards it on a reversed line.
  const int phaseStep = aStart <= aEnd ? 1 : DASH_PERIOD - 1;
  int phase = DashPhase(first, aStart);
  for (double a = first; a <= last; a += 1.0, phase = (phase + phaseStep) % DASH_PERIOD) {
    if (dashed && phase >= DASH_PIXELS) continue;
    const double b = std::nearbyint(l.b1 + (a - l.a1) * l.slope);
    if (b < 0 || b >= minorLimit) continue;
    const int ia = static_cast<int>(a);
    const int ib = static_cast<int>(b);
    if (xMajor) {
      target.Row(ib)[ia] = pixel;
    } else {
      target.Row(ia)[ib] = pixel;
    }
  }
}

}  // namespace moid

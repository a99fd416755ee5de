#include "distmap/MapLayout.h"

#include <cmath>

namespace moid {

namespace {
int NearestEven(double v) { return static_cast<int>(std::nearbyint(v)); }
}  // namespace

MapLayout MakeMapLayout(int W) {
  MapLayout m;
  m.W = W;
  m.step30 = NearestEven(W / 12.0);
  m.step5 = NearestEven(W / 72.0);
  m.step90 = NearestEven(W / 4.0);
  m.earthLabelX = NearestEven(23 + 0.62 * W);
  m.bodyLabelY = NearestEven(0.38 * W + 19);
  m.readoutY = W + 58;
  return m;
}

}  // namespace moid

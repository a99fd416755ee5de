#include "distmap/ColorRamp.h"

#include "distmap/RampTable.h"

namespace moid {

Color RampColor(int c) {
  if (c < 0 || c > RAMP_STEPS) return BLACK;
  return RAMP_TABLE[c];
}

}  // namespace moid

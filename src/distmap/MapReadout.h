#pragma once
#include <string>

namespace moid {

// The map's pointer readout: the line on screen and the pointer it was made for.
struct MapReadout {
  std::string readoutText = std::string(60, ' ');
  int lastX = 0, lastY = 0;
};

}  // namespace moid

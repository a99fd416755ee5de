#pragma once
#include "platform/ConsoleToolkit.h"
#include "platform/GraphicsToolkit.h"

namespace moid {

// What the screens are given: the two toolkits of one backend.
struct Platform {
  ConsoleToolkit& console;
  GraphicsToolkit& graphics;
};

}  // namespace moid

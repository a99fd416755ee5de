#pragma once
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace moid {

struct AppState;

// For moidtool: start on a given catalogue instead of looking for the data directory.
struct DriverOptions {
  std::optional<std::string> elementsPath;
};

// The program: start-up, the screen state machine, the exit sequence. Returns the exit code.
int RunDriver(Platform& platform, const DriverOptions& options = {});

// The same on a state the caller keeps (tests look at it after the exit); state should be
// newly made.
int RunDriver(Platform& platform, AppState& state, const DriverOptions& options = {});

}  // namespace moid

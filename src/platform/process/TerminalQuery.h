#pragma once

namespace moid::process {

// True when the process's standard error goes to a terminal (worth a progress bar).
bool StandardErrorIsTerminal();

}  // namespace moid::process

#include "platform/process/TerminalQuery.h"

#include <unistd.h>

namespace moid::process {

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) != 0; }

}  // namespace moid::process

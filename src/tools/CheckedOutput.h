#pragma once
#include <ostream>
#include <string_view>

// How a command learns that its results did not all arrive. Every command checks its standard
// output at the end (and long ones between rows): a failed write is a failure, a reader that
// went away (a closed pipe) ends the command quietly.
namespace moid::tools {

// The status of a process whose output pipe was closed, as if the broken-pipe signal
// (number 13) had ended it: 128 + 13.
constexpr int OUTPUT_CLOSED_STATUS = 141;

enum class OutputState {
  Delivered,   // everything written so far has been handed on
  ReaderGone,  // the reader closed the pipe
  Failed,      // a write failed for another reason
};

// What has become of `out` so far, without flushing it.
OutputState StateOf(const std::ostream& out);

// Flushes `out` (and, for the process's standard output, closes it) and returns the exit
// status: `code` when everything arrived, OUTPUT_CLOSED_STATUS when the reader went away, and
// 1 after saying on `err` why the output could not be written. `who` opens the message
// ("moidtool moid").
int FinishOutput(std::ostream& out, std::ostream& err, std::string_view who, int code = 0);

// FinishOutput for a long run of rows: a reader that went away is told on `err` too, with the
// number of rows handed on before that ("moidtool moid: output closed after 12 rows").
int FinishRowOutput(std::ostream& out, std::ostream& err, std::string_view who, long rows,
                    int code = 0);

}  // namespace moid::tools

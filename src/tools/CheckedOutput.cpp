#include "tools/CheckedOutput.h"

#include <string>

#include "platform/process/DescriptorOutput.h"

namespace moid::tools {
namespace {

process::DescriptorOutput* DescriptorOf(const std::ostream& out) {
  return dynamic_cast<process::DescriptorOutput*>(out.rdbuf());
}

OutputState FromFailure(process::WriteFailureKind kind) {
  switch (kind) {
    case process::WriteFailureKind::None: return OutputState::Delivered;
    case process::WriteFailureKind::ReaderGone: return OutputState::ReaderGone;
    case process::WriteFailureKind::Failed: break;
  }
  return OutputState::Failed;
}

// The system's reason when the stream writes to a descriptor, else a plain one.
std::string ReasonOf(const std::ostream& out) {
  if (const auto* descriptor = DescriptorOf(out); descriptor != nullptr) {
    if (!descriptor->Failure().reason.empty()) return descriptor->Failure().reason;
  }
  return "a write failed";
}

// Flushes, and closes a descriptor so that a deferred error shows.
void Flush(std::ostream& out) {
  out.flush();
  if (auto* descriptor = DescriptorOf(out); descriptor != nullptr && !descriptor->Close()) {
    out.setstate(std::ios::badbit);
  }
}

int StatusAfter(std::ostream& out, std::ostream& err, std::string_view who, int code,
                const long* rows) {
  Flush(out);
  switch (StateOf(out)) {
    case OutputState::Delivered: return code;
    case OutputState::ReaderGone:
      if (rows != nullptr) {
        err << who << ": output closed after " << *rows << (*rows == 1 ? " row\n" : " rows\n");
      }
      return OUTPUT_CLOSED_STATUS;
    case OutputState::Failed: break;
  }
  err << who << ": standard output cannot be written: " << ReasonOf(out) << '\n';
  return 1;
}

}  // namespace

OutputState StateOf(const std::ostream& out) {
  if (const auto* descriptor = DescriptorOf(out); descriptor != nullptr) {
    const OutputState state = FromFailure(descriptor->Failure().kind);
    if (state != OutputState::Delivered) return state;
  }
  return out.good() ? OutputState::Delivered : OutputState::Failed;
}

int FinishOutput(std::ostream& out, std::ostream& err, std::string_view who, int code) {
  return StatusAfter(out, err, who, code, nullptr);
}

int FinishRowOutput(std::ostream& out, std::ostream& err, std::string_view who, long rows,
                    int code) {
  return StatusAfter(out, err, who, code, &rows);
}

}  // namespace moid::tools

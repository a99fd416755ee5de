#pragma once
#include <streambuf>
#include <string>
#include <vector>

// Output to an open file descriptor (the process's standard output) that remembers why a write
// failed, so that a command can tell a reader who went away from a disk that is full.
namespace moid::process {

// The descriptor of the process's standard output.
constexpr int STANDARD_OUTPUT_DESCRIPTOR = 1;

enum class WriteFailureKind {
  None,
  ReaderGone,  // a pipe whose reading end was closed (as under `| head`)
  Failed,      // anything else: a full disk, an I/O error, a closed descriptor
};

struct WriteFailure {
  WriteFailureKind kind = WriteFailureKind::None;
  std::string reason;  // the system's words for it; empty when nothing failed
};

// A buffered stream buffer over a descriptor it does not own until Close. On a terminal it
// hands each finished line on at once. After the first failed write every later write fails.
class DescriptorOutput final : public std::streambuf {
 public:
  explicit DescriptorOutput(int fd);
  ~DescriptorOutput() override;
  DescriptorOutput(const DescriptorOutput&) = delete;
  DescriptorOutput& operator=(const DescriptorOutput&) = delete;

  // Writes what is buffered and closes the descriptor (a close can report a deferred write
  // error); false on failure. Later calls return the first call's answer.
  bool Close();
  const WriteFailure& Failure() const { return failure_; }

 protected:
  int_type overflow(int_type ch) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  bool Drain();
  bool EndsALine(const char* text, std::streamsize count) const;
  void Fail(int error);

  int fd_;
  bool lineBuffered_;
  bool closed_ = false;
  std::vector<char> buffer_;
  WriteFailure failure_;
};

// A write to a pipe nobody reads then fails with a reason instead of ending the process, so
// that the program can finish its own way.
void IgnoreBrokenPipeSignal();

}  // namespace moid::process

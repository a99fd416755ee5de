#include "platform/process/DescriptorOutput.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace moid::process {
namespace {

constexpr std::size_t BUFFER_BYTES = std::size_t{1} << 16;

// Writes all of it, resuming after interruptions; 0 when done, else the error number.
int WriteAllTo(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return 0;
}

}  // namespace

DescriptorOutput::DescriptorOutput(int fd)
    : fd_(fd), lineBuffered_(::isatty(fd) != 0), buffer_(BUFFER_BYTES) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorOutput::~DescriptorOutput() {
  if (!closed_) Drain();
}

bool DescriptorOutput::Drain() {
  const std::size_t pending = static_cast<std::size_t>(pptr() - pbase());
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  if (failure_.kind != WriteFailureKind::None) return false;
  if (pending == 0) return true;
  if (closed_) {
    Fail(EBADF);
    return false;
  }
  if (const int error = WriteAllTo(fd_, buffer_.data(), pending); error != 0) {
    Fail(error);
    return false;
  }
  return true;
}

void DescriptorOutput::Fail(int error) {
  failure_.kind = error == EPIPE ? WriteFailureKind::ReaderGone : WriteFailureKind::Failed;
  failure_.reason = std::strerror(error);
}

bool DescriptorOutput::EndsALine(const char* text, std::streamsize count) const {
  return lineBuffered_ && std::find(text, text + count, '\n') != text + count;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type ch) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
  const char c = traits_type::to_char_type(ch);
  *pptr() = c;
  pbump(1);
  if (EndsALine(&c, 1) && !Drain()) return traits_type::eof();
  return ch;
}

std::streamsize DescriptorOutput::xsputn(const char* text, std::streamsize count) {
  if (failure_.kind != WriteFailureKind::None) return 0;
  std::streamsize done = 0;
  while (done < count) {
    if (pptr() == epptr() && !Drain()) return done;
    const std::streamsize room = std::min<std::streamsize>(epptr() - pptr(), count - done);
    std::memcpy(pptr(), text + done, static_cast<std::size_t>(room));
    pbump(static_cast<int>(room));
    done += room;
  }
  if (EndsALine(text, count) && !Drain()) return 0;
  return done;
}

int DescriptorOutput::sync() { return Drain() ? 0 : -1; }

bool DescriptorOutput::Close() {
  if (closed_) return failure_.kind == WriteFailureKind::None;
  const bool drained = Drain();
  closed_ = true;
  if (::close(fd_) != 0 && drained) Fail(errno);
  return failure_.kind == WriteFailureKind::None;
}

void IgnoreBrokenPipeSignal() { ::signal(SIGPIPE, SIG_IGN); }

}  // namespace moid::process

#include "sources/SourceInput.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "sources/Decimal.h"

namespace moid::sources {
namespace {

constexpr std::size_t REPLAY_CHUNK_BYTES = std::size_t{1} << 16;

namespace fs = std::filesystem;

std::string ReadHead(std::streambuf& in) {
  std::string head(SOURCE_HEAD_BYTES, '\0');
  std::size_t have = 0;
  while (have < head.size()) {
    const std::streamsize got =
        in.sgetn(head.data() + have, static_cast<std::streamsize>(head.size() - have));
    if (got <= 0) break;
    have += static_cast<std::size_t>(got);
  }
  head.resize(have);
  return head;
}

}  // namespace

ReplayBuffer::ReplayBuffer(std::string head, std::streambuf& rest)
    : head_(std::move(head)), rest_(rest) {
  setg(head_.data(), head_.data(), head_.data() + head_.size());
}

ReplayBuffer::int_type ReplayBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  buffer_.resize(REPLAY_CHUNK_BYTES);
  const std::streamsize got = rest_.sgetn(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  const std::size_t have = got > 0 ? static_cast<std::size_t>(got) : 0;
  setg(buffer_.data(), buffer_.data(), buffer_.data() + have);
  return have > 0 ? traits_type::to_int_type(*gptr()) : traits_type::eof();
}

std::streamsize ReplayBuffer::xsgetn(char* out, std::streamsize count) {
  std::streamsize done = 0;
  const std::streamsize buffered = std::min<std::streamsize>(count, egptr() - gptr());
  if (buffered > 0) {
    std::memcpy(out, gptr(), static_cast<std::size_t>(buffered));
    gbump(static_cast<int>(buffered));
    done = buffered;
  }
  if (done == count) return done;
  // Large reads go straight to the rest of the input.
  const std::streamsize got = rest_.sgetn(out + done, count - done);
  return done + std::max<std::streamsize>(got, 0);
}

std::string KindOfPath(const std::string& path) {
  std::error_code ignored;
  const fs::file_status status = fs::status(path, ignored);
  switch (status.type()) {
    case fs::file_type::directory: return "a directory";
    case fs::file_type::fifo: return "a FIFO";
    case fs::file_type::character: return "a character device";
    case fs::file_type::block: return "a block device";
    case fs::file_type::socket: return "a socket";
    default: return "";
  }
}

std::string DescribedPath(const std::string& path) {
  const std::string kind = KindOfPath(path);
  return kind.empty() ? path : path + " (" + kind + ")";
}

SourceInput::SourceInput(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error || status.type() == fs::file_type::not_found) {
    failure_ = "cannot be read: there is no such file";
    return;
  }
  if (status.type() == fs::file_type::directory || status.type() == fs::file_type::socket) {
    failure_ = "cannot be read: it is " + KindOfPath(path) + ", not a file";
    return;
  }
  file_.open(path, std::ios::binary);
  if (!file_) {
    failure_ = "cannot be read (no permission, or the system refused it)";
    return;
  }
  if (status.type() == fs::file_type::regular) {
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error) size_ = size;
  }
  head_ = ReadHead(*file_.rdbuf());
  if (head_.find('\0') != std::string::npos) {
    failure_ = "holds NUL bytes: it is not a text file";
    return;
  }
  buffer_ = std::make_unique<ReplayBuffer>(head_, *file_.rdbuf());
  stream_ = std::make_unique<std::istream>(buffer_.get());
}

SourceFormat SourceInput::FormatFor(SourceFormat requested) const {
  return requested == SourceFormat::Detect ? DetectFormat(head_) : requested;
}

std::string UnrecognisedFormatReason(const std::string& head) {
  if (IsBlank(head) || head.find_first_not_of(" \t\r\n\v\f") == std::string::npos) {
    return "it is empty";
  }
  return "its first lines are neither MPCORB's columns nor an export of JPL's Small-Body "
         "Database (a JSON object, or CSV whose first line names full_name or pdes); name "
         "the format with --format";
}

}  // namespace moid::sources

#pragma once
#include <cstdint>
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <streambuf>
#include <string>

#include "sources/SourceFormat.h"

// Opening a source catalogue: a file, or a pipe, FIFO or device that can be read only once.
namespace moid::sources {

// How many bytes are looked at to tell the format.
constexpr std::size_t SOURCE_HEAD_BYTES = 4096;

// Hands on bytes already taken from an input, then the rest of the input: the format can be
// told from the first bytes of a pipe without reading them twice.
class ReplayBuffer final : public std::streambuf {
 public:
  ReplayBuffer(std::string head, std::streambuf& rest);

 protected:
  int_type underflow() override;
  std::streamsize xsgetn(char* out, std::streamsize count) override;

 private:
  std::string head_;
  std::streambuf& rest_;
  std::string buffer_;
};

// What a path names when it is not a plain file: "a FIFO", "a character device", "a block
// device", "a socket", "a directory"; empty for a plain file (or one that does not exist).
std::string KindOfPath(const std::string& path);

// The path as messages name it: "data.csv", or "/dev/zero (a character device)".
std::string DescribedPath(const std::string& path);

// An input opened for reading, its first bytes kept.
class SourceInput {
 public:
  // Opens `path`; Failure() says why it cannot be read.
  explicit SourceInput(const std::string& path);
  SourceInput(const SourceInput&) = delete;
  SourceInput& operator=(const SourceInput&) = delete;

  const std::string& Failure() const { return failure_; }
  // The first bytes (at most SOURCE_HEAD_BYTES).
  const std::string& Head() const { return head_; }
  // The whole input from its first byte.
  std::istream& Stream() { return *stream_; }
  // The size of a plain file; nullopt for a pipe or device.
  std::optional<std::uint64_t> Size() const { return size_; }
  // `requested`, or for Detect the format its first bytes show.
  SourceFormat FormatFor(SourceFormat requested) const;

 private:
  std::string failure_;
  std::string head_;
  std::optional<std::uint64_t> size_;
  std::ifstream file_;
  std::unique_ptr<ReplayBuffer> buffer_;
  std::unique_ptr<std::istream> stream_;
};

// Why a source whose format could not be told is not read: "it is empty", or what it is not.
std::string UnrecognisedFormatReason(const std::string& head);

}  // namespace moid::sources

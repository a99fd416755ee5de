#include "sources/LineReader.h"

#include <cstring>

namespace moid::sources {
namespace {

constexpr std::size_t CHUNK_BYTES = std::size_t{1} << 16;

}  // namespace

LineReader::LineReader(std::istream& in, std::size_t maxLineBytes)
    : source_(in.rdbuf()), maxLineBytes_(maxLineBytes), chunk_(CHUNK_BYTES) {}

bool LineReader::Refill() {
  if (source_ == nullptr) return false;
  const std::streamsize got = source_->sgetn(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
  pos_ = 0;
  end_ = got > 0 ? static_cast<std::size_t>(got) : 0;
  return end_ > 0;
}

bool LineReader::Next(std::string& line) {
  if (tooLong_) return false;
  line.clear();
  bool any = false;
  while (true) {
    if (pos_ == end_ && !Refill()) break;
    any = true;
    const char* start = chunk_.data() + pos_;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - pos_));
    const std::size_t taken = newline ? static_cast<std::size_t>(newline - start) : end_ - pos_;
    line.append(start, taken);
    bytesRead_ += taken + (newline ? 1 : 0);
    pos_ += taken + (newline ? 1 : 0);
    if (line.size() > maxLineBytes_) {
      tooLong_ = true;
      ++lineNumber_;
      return false;
    }
    if (newline) break;
  }
  if (!any) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (lineNumber_ == 0 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // UTF-8 mark
  ++lineNumber_;
  return true;
}

std::string LineReader::TooLongMessage() const {
  return "line " + std::to_string(lineNumber_) + " is longer than " +
         std::to_string(maxLineBytes_) + " bytes, more than any catalogue line; reading stopped";
}

}  // namespace moid::sources

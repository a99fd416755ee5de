#pragma once
#include <cstdint>
#include <ostream>
#include <string>

// How far the reading of a large input has come, on a terminal.
namespace moid::tools {

// Inputs from this size up are worth a progress line.
constexpr std::uint64_t LARGE_INPUT_BYTES = std::uint64_t{8} << 20;

// A line "LABEL  42%" rewritten in place (carriage return, no line feed) whenever the whole
// percentage grows; Finish blanks it out so that later messages start on a clean line.
class ProgressLine {
 public:
  ProgressLine(std::ostream& err, std::string label, std::uint64_t total)
      : err_(err), label_(std::move(label)), total_(total) {}
  void Update(std::uint64_t done);
  void Finish();

 private:
  std::ostream& err_;
  std::string label_;
  std::uint64_t total_;
  int shownPercent_ = -1;
  std::size_t shownWidth_ = 0;
};

}  // namespace moid::tools

#pragma once
#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

// How far a long job of moidtool has come, on a terminal: the one progress display of its
// commands (reading a large input, measuring a catalogue).
namespace moid::tools {

// Inputs from this size up are worth a progress line.
constexpr std::uint64_t LARGE_INPUT_BYTES = std::uint64_t{8} << 20;

// A line rewritten in place (carriage return, no line feed) whenever its text changes, as
// "LABEL  42%" or, counting items, "LABEL [#####.....]  412/7098"; Finish (or the end of
// the object) blanks it out so that later messages start on a clean line. Nothing is shown
// for a total of 0, for a count that goes backwards, or before `quietStart` has passed (so a
// short job shows nothing).
class ProgressLine {
 public:
  enum class Form { Percent, CountBar };

  ProgressLine(std::ostream& err, std::string label, std::uint64_t total,
               Form form = Form::Percent,
               std::chrono::milliseconds quietStart = std::chrono::milliseconds(0));
  ~ProgressLine() { Finish(); }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void Update(std::uint64_t done);
  void Finish();

 private:
  std::string TextFor(std::uint64_t done) const;

  std::ostream& err_;
  std::string label_;
  std::uint64_t total_;
  Form form_;
  std::chrono::steady_clock::time_point showFrom_;
  std::uint64_t highest_ = 0;
  std::string shown_;
};

}  // namespace moid::tools

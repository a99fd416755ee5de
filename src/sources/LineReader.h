#pragma once
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

// Reading a source catalogue line by line.
namespace moid::sources {

// No line of a catalogue comes near this length; an input with a longer one (a device that
// never ends a line, a binary file) is not a catalogue.
constexpr std::size_t MAX_LINE_BYTES = std::size_t{1} << 20;

class LineReader {
 public:
  explicit LineReader(std::istream& in, std::size_t maxLineBytes = MAX_LINE_BYTES);
  // The next line without its line break (LF or CR LF); false at the end of the input, and
  // when the next line is longer than the limit (LineTooLong tells which).
  bool Next(std::string& line);
  // True after Next stopped at a line longer than the limit.
  bool LineTooLong() const { return tooLong_; }
  // "line 7 is longer than 1048576 bytes: ..." for an input that stopped at a long line.
  std::string TooLongMessage() const;
  // The 1-based number of the line last returned.
  int LineNumber() const { return lineNumber_; }
  // Bytes of the input consumed so far, line breaks included.
  std::uint64_t BytesRead() const { return bytesRead_; }

 private:
  bool Refill();

  std::streambuf* source_;
  std::size_t maxLineBytes_;
  std::vector<char> chunk_;
  std::size_t pos_ = 0, end_ = 0;
  bool tooLong_ = false;
  int lineNumber_ = 0;
  std::uint64_t bytesRead_ = 0;
};

}  // namespace moid::sources

#pragma once
#include <cstdint>
#include <istream>
#include <string>

// Reading a source catalogue line by line.
namespace moid::sources {

class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in) {}
  // The next line without its line break (LF or CR LF); false at the end of the input.
  bool Next(std::string& line);
  // The 1-based number of the line last returned.
  int LineNumber() const { return lineNumber_; }
  // Bytes of the input consumed so far, line breaks included.
  std::uint64_t BytesRead() const { return bytesRead_; }

 private:
  std::istream& in_;
  int lineNumber_ = 0;
  std::uint64_t bytesRead_ = 0;
};

}  // namespace moid::sources

#pragma once
#include <istream>
#include <string>
#include <string_view>

#include "sources/SourceBody.h"

// Bodies from the Minor Planet Center's orbit files (MPCORB.DAT and the files of the same
// format): one body per line in fixed columns, below a header that ends in a line of dashes.
namespace moid::sources {

// One data line: the body, or (when `problem` is not empty) why the line cannot be read.
struct MpcorbLine {
  SourceBody body;
  std::string problem;
};
MpcorbLine ParseMpcorbLine(std::string_view line, int lineNumber);

// True for the line of dashes that ends the header.
bool IsHeaderEnd(std::string_view line);

// Reads every data line; blank lines are passed over. Lines before the line of dashes are the
// header; a file without one (such as an extract) has data from its first line.
SourceFailure ReadMpcorb(std::istream& in, SourceVisitor& bodies);

}  // namespace moid::sources

#include "sources/LineReader.h"

namespace moid::sources {

bool LineReader::Next(std::string& line) {
  if (!std::getline(in_, line)) return false;
  bytesRead_ += line.size() + (in_.eof() ? 0 : 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (lineNumber_ == 0 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // UTF-8 mark
  ++lineNumber_;
  return true;
}

}  // namespace moid::sources

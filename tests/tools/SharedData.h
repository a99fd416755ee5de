#pragma once
// The published orbital data the checks compare with: ../shared/data beside the source tree
// (MOID_SHARED_DATA names another place).
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace moid::tools {

inline std::string SharedDataPath(const std::string& name) {
  if (const char* folder = std::getenv("MOID_SHARED_DATA")) return std::string(folder) + "/" + name;
  return std::string(MOID_SOURCE_DIR) + "/../shared/data/" + name;
}

// The data lines of the Minor Planet Center's NEA list (it has no header).
inline std::vector<std::string> NeaLines() {
  std::ifstream in(SharedDataPath("mpc-NEA-2019-07-02.txt"), std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace moid::tools

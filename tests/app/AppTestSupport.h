#pragma once
// Shared helpers of the app tests: temporary directories, small CRLF catalogues and
// look-ups in the headless call log.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "platform/headless/HeadlessPlatform.h"

namespace moid::apptest {

namespace fs = std::filesystem;

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    path_ = fs::temp_directory_path() / ("moid-app-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const fs::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

// Moves into a directory for the life of the object (the map writes its pictures into the
// current directory).
class ScopedCurrentDir {
 public:
  explicit ScopedCurrentDir(const fs::path& p) : old_(fs::current_path()) { fs::current_path(p); }
  ~ScopedCurrentDir() {
    std::error_code ec;
    fs::current_path(old_, ec);
  }
  ScopedCurrentDir(const ScopedCurrentDir&) = delete;
  ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;

 private:
  fs::path old_;
};

inline const char* const REFERENCE_LINE =
    "2460000.5, 0.0167086, 0.00005, 102.94719, 0.0, 1.00000011, 357.51716, 0, "
    "Earth-Moon Barycenter\r\n";

// One body line with ordinary elements and the given name (written as is, unquoted).
inline std::string BodyLine(const std::string& name, double a = 1.458) {
  return "0.2229, 10.83, 178.9, 304.3, " + std::to_string(a) + ", 310.5, " + name + "\r\n";
}

inline std::string CatalogText(const std::vector<std::string>& names) {
  std::string text = REFERENCE_LINE;
  double a = 1.2;
  for (const std::string& n : names) {
    text += BodyLine(n, a);
    a += 0.1;
  }
  return text;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

inline int CountCalls(const std::vector<std::string>& log, const std::string& call) {
  return static_cast<int>(std::count(log.begin(), log.end(), call));
}

inline int CountPrefix(const std::vector<std::string>& log, const std::string& prefix) {
  return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& c) {
    return c.compare(0, prefix.size(), prefix) == 0;
  }));
}

// True when `calls` occur in the log in this order, one right after the other.
inline bool HasRun(const std::vector<std::string>& log, const std::vector<std::string>& calls) {
  return std::search(log.begin(), log.end(), calls.begin(), calls.end()) != log.end();
}

// True when the log ends with exactly these calls.
inline bool EndsWith(const std::vector<std::string>& log, const std::vector<std::string>& calls) {
  return log.size() >= calls.size() &&
         std::equal(calls.begin(), calls.end(), log.end() - static_cast<long>(calls.size()));
}

inline std::unique_ptr<AppState> NewState() { return std::make_unique<AppState>(); }

}  // namespace moid::apptest

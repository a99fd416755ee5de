#pragma once
// A fresh directory under the system's temporary directory, removed with everything in it.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace moid::testing {

class TempDirectory {
 public:
  TempDirectory() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    path_ = std::filesystem::temp_directory_path() /
            ("moid-data-test-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
    path_ = std::filesystem::canonical(path_);
  }
  ~TempDirectory() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string Path(const std::string& relative = "") const {
    return relative.empty() ? path_.string() : (path_ / relative).string();
  }
  std::string MakeDirectory(const std::string& relative) const {
    std::filesystem::create_directories(path_ / relative);
    return Path(relative);
  }
  std::string WriteFile(const std::string& relative, const std::string& bytes) const {
    std::ofstream(path_ / relative, std::ios::binary) << bytes;
    return Path(relative);
  }

 private:
  std::filesystem::path path_;
};

}  // namespace moid::testing

#include "data/SharedDataFolders.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "platform/process/ProcessServices.h"

#ifndef MOID_DATA_FROM_BIN
#define MOID_DATA_FROM_BIN "../share"
#endif

namespace moid {
namespace {

const char* const DEFAULT_DATA_DIRS = "/usr/local/share:/usr/share";

// A variable's value, or nullopt when it is unset or empty.
std::optional<std::string> NonEmptyVariable(const char* name) {
  std::optional<std::string> value = process::EnvironmentValue(name);
  if (value && value->empty()) return std::nullopt;
  return value;
}

bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

std::optional<std::string> UserDataHome() {
  const auto home = NonEmptyVariable("XDG_DATA_HOME");
  if (home && IsAbsolute(*home)) return home;
  if (const auto home = NonEmptyVariable("HOME")) return *home + "/.local/share";
  return std::nullopt;
}

std::optional<std::string> InstalledDataHome() {
  const std::optional<std::string> bin = process::ExecutableDirectory();
  if (!bin) return std::nullopt;
  return *bin + "/" + MOID_DATA_FROM_BIN;
}

std::vector<std::string> SplitAtColons(const std::string& list) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t colon = list.find(':', start);
    parts.push_back(list.substr(start, colon - start));
    if (colon == std::string::npos) return parts;
    start = colon + 1;
  }
}

// Adds base + "/moidview/", tidied, unless base is relative or the folder is listed already.
void AddFolder(std::vector<std::string>& folders, const std::string& base) {
  if (!IsAbsolute(base)) return;
  std::string folder = (std::filesystem::path(base) / "moidview/").lexically_normal().string();
  if (folder.back() != '/') folder += '/';
  if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
    folders.push_back(folder);
  }
}

}  // namespace

std::vector<std::string> SharedDataFolders() {
  std::vector<std::string> folders;
  if (const auto home = UserDataHome()) AddFolder(folders, *home);
  if (const auto installed = InstalledDataHome()) AddFolder(folders, *installed);
  const std::string dirs = NonEmptyVariable("XDG_DATA_DIRS").value_or(DEFAULT_DATA_DIRS);
  for (const std::string& dir : SplitAtColons(dirs)) AddFolder(folders, dir);
  return folders;
}

}  // namespace moid

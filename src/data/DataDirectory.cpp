#include "data/DataDirectory.h"

#include <optional>

#include "data/SharedDataFolders.h"
#include "platform/process/ProcessServices.h"

namespace moid {
namespace {

const std::string USER_DATA = "USERDATA";
const std::string CATALOG_FILE = "ELEMENTS.DAT";

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The last eight characters of the path, upper-cased, against "USERDATA"; no separator is
// required in front of them, and a shorter path is compared whole.
bool EndsInUserData(const std::string& path) {
  const std::size_t take = path.size() < USER_DATA.size() ? path.size() : USER_DATA.size();
  const std::string tail = path.substr(path.size() - take);
  if (tail.size() != USER_DATA.size()) return false;
  for (std::size_t i = 0; i < tail.size(); ++i) {
    if (UpperAscii(tail[i]) != USER_DATA[i]) return false;
  }
  return true;
}

// The start directory's own steps: the user-data folder, the companion program, KORIX12DIR.
std::string StartDirectoryPrefix() {
  std::string prefix = "./";
  if (EndsInUserData(process::CurrentDirectory())) return "../";
  if (!PathExists("KORIX121.EXE")) {
    prefix = process::EnvironmentValue("KORIX12DIR").value_or("") + "/";
  }
  if (PathExists(USER_DATA)) {
    // A failed change (say, an ordinary file of that name) is ignored; the prefix stays "../".
    process::ChangeDirectory(process::ResolvePath(USER_DATA).value_or(USER_DATA));
    prefix = "../";
  }
  return prefix;
}

}  // namespace

bool PathExists(const std::string& path) { return process::PathExists(path); }

DataDirectoryLookup LookUpDataDirectory() {
  DataDirectoryLookup lookup;
  lookup.prefix = StartDirectoryPrefix();
  if (PathExists(lookup.prefix + CATALOG_FILE)) return lookup;
  for (const std::string& folder : SharedDataFolders()) {
    lookup.sharedFoldersTried.push_back(folder);
    if (PathExists(folder + CATALOG_FILE)) {
      lookup.prefix = folder;
      return lookup;
    }
  }
  return lookup;
}

std::string FindDataDirectory() { return LookUpDataDirectory().prefix; }

}  // namespace moid

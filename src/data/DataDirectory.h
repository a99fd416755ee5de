#pragma once
#include <string>
#include <vector>

namespace moid {

// Where the catalogue was looked for: the prefix to put in front of "ELEMENTS.DAT", and the
// shared data folders that were tried (none when the start directory's steps found it).
struct DataDirectoryLookup {
  std::string prefix;
  std::vector<std::string> sharedFoldersTried;
};

// First the start directory's steps: the prefix is "./", "../" or the value of KORIX12DIR
// followed by "/" ("/" alone when the variable is unset), and the process moves into a
// "USERDATA" subdirectory when there is one, so that the pictures are written there. When
// "ELEMENTS.DAT" is not found under that prefix, the shared data folders (SharedDataFolders)
// are tried in order and the first that holds it becomes the prefix; when none does, the
// prefix of the first steps stands.
DataDirectoryLookup LookUpDataDirectory();

// The prefix of LookUpDataDirectory.
std::string FindDataDirectory();

// True when a file or directory of that name exists; the last component is found regardless of
// letter case. False on any failure; never reports anything.
bool PathExists(const std::string& path);

}  // namespace moid

#pragma once
#include <optional>
#include <string>

// Process services: the only place that talks to the file system and the environment.
namespace moid::process {

std::string CurrentDirectory();
bool ChangeDirectory(const std::string& path);
// The folder that holds the running program's executable, links resolved; nullopt when the
// system does not say.
std::optional<std::string> ExecutableDirectory();
// Looks a variable up by name without regard to case; nullopt when it is not set.
std::optional<std::string> EnvironmentValue(const std::string& name);
// True when a file or directory of that name exists. The last path component is also
// found regardless of letter case (catalogues copied from Windows keep whatever case they had).
bool PathExists(const std::string& path);
// The actual path of `path` on disk, its last component matched regardless of case;
// nullopt when nothing matches.
std::optional<std::string> ResolvePath(const std::string& path);
// Whole file; nullopt when it cannot be opened or read (missing, a directory, no permission).
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace moid::process

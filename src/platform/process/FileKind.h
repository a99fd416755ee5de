#pragma once
#include <string>

namespace moid::process {

// What stands at `path` when it is not a plain file, in words for a message: "a directory",
// "a FIFO", "a character device", "a block device", "a socket", or (with followLinks false)
// "a symbolic link"; empty for a plain file or nothing at all.
std::string SpecialFileKind(const std::string& path, bool followLinks = true);

// Why `path` cannot be read, in words for a message ("it is a FIFO, not a file", "no such
// file", "Permission denied"); empty when it can be.
std::string UnreadableReason(const std::string& path);

}  // namespace moid::process

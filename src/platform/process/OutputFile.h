#pragma once
#include <string>

// Writing a whole output file without ever leaving a truncated one behind, and without
// destroying what the path names.
namespace moid::process {

// Who chose the output path, which decides what may stand there.
enum class PathChooser {
  // The user named it (`-o FILE`): a symbolic link is followed and its target replaced; a
  // character device or FIFO (/dev/null, /dev/stdout, a pipe) is written plainly; a block
  // device, socket or directory is refused.
  User,
  // The program names it itself (Orbits.bmp): the path is replaced as it is, so a link planted
  // there is replaced, never followed; any special file of that name is refused.
  Program,
};

// Writes `bytes` to `path`. A plain file is written to a temporary file beside it (in the
// directory it really lies in) and renamed over it, keeping the old file's permissions; a new
// one gets the usual ones. Returns why it could not be written ("it is a block device, not a
// file", "No space left on device"), or an empty text when it was.
std::string WriteOutputFile(const std::string& path, const std::string& bytes,
                            PathChooser chooser);

}  // namespace moid::process

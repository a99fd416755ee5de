#include "platform/process/FileKind.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace moid::process {
namespace {

std::string KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return "";
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISLNK(mode)) return "a symbolic link";
  return "not a plain file";
}

}  // namespace

std::string SpecialFileKind(const std::string& path, bool followLinks) {
  struct stat st {};
  const int found = followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
  return found == 0 ? KindOfMode(st.st_mode) : "";
}

std::string UnreadableReason(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) {
    return path.empty() || errno == ENOENT ? "no such file" : std::strerror(errno);
  }
  if (const std::string kind = KindOfMode(st.st_mode); !kind.empty()) {
    return "it is " + kind + (S_ISDIR(st.st_mode) ? "" : ", not a file");
  }
  // Non-blocking, though a plain file never blocks: the check must not wait for anything.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::strerror(errno);
  ::close(fd);
  return "";
}

}  // namespace moid::process

#include "platform/process/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/process/FileKind.h"

namespace moid::process {
namespace {

// Linux gives up on a chain of links after 40 as well.
constexpr int MAX_LINKS_FOLLOWED = 40;

std::string SystemReason(int error) { return std::strerror(error); }

// Writes all of it, resuming after interruptions; 0 when done, else the error number.
int WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The permissions of the file being replaced (never those of a link's target when the link
// itself is replaced), or the usual ones for a new file.
mode_t ModeForReplacement(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::string ReplaceAtomically(const std::string& path, const std::string& bytes) {
  std::string name = path;
  while (name.size() > 1 && name.back() == '/') name.pop_back();
  const std::string dir = DirectoryOf(name);
  const std::string last = name.substr(dir.size());
  if (last.empty() || last == "." || last == ".." || name.size() != path.size()) {
    return "it is a directory";
  }
  std::string temp = dir + "." + last + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return SystemReason(errno);
  int error = ::fchmod(fd, ModeForReplacement(name)) == 0 ? WriteAll(fd, bytes) : errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), name.c_str()) != 0) error = errno;
  if (error == 0) return "";
  ::unlink(temp.c_str());
  return SystemReason(error);
}

// For a device or FIFO: no temporary file, no renaming, nothing created.
std::string WritePlainly(const std::string& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return SystemReason(errno);
  int error = WriteAll(fd, bytes);
  if (::close(fd) != 0 && error == 0) error = errno;
  return error == 0 ? "" : SystemReason(error);
}

std::string LinkTarget(const std::string& link) {
  std::string target(PATH_MAX, '\0');
  const ssize_t n = ::readlink(link.c_str(), target.data(), target.size());
  if (n <= 0) return "";
  target.resize(static_cast<std::size_t>(n));
  return target.front() == '/' ? target : DirectoryOf(link) + target;
}

// The file a chain of links ends in, whether or not it exists yet; empty for a loop.
std::string EndOfLinks(std::string path) {
  for (int i = 0; i < MAX_LINKS_FOLLOWED; ++i) {
    if (SpecialFileKind(path, false) != "a symbolic link") return path;
    path = LinkTarget(path);
    if (path.empty()) return "";
  }
  return "";
}

std::string Refusal(const std::string& kind) {
  return "it is " + kind + (kind == "a directory" ? "" : ", not a file");
}

std::string WriteUserNamed(const std::string& path, const std::string& bytes) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) return WritePlainly(path, bytes);
    if (!S_ISREG(st.st_mode)) return Refusal(SpecialFileKind(path));
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                            &std::free);
    if (real == nullptr) return SystemReason(errno);
    return ReplaceAtomically(real.get(), bytes);
  }
  if (errno != ENOENT) return SystemReason(errno);
  // Nothing there yet, or a link to a file still to be made: make it where the link points.
  const std::string target = EndOfLinks(path);
  if (target.empty()) return SystemReason(ELOOP);
  return ReplaceAtomically(target, bytes);
}

std::string WriteProgramNamed(const std::string& path, const std::string& bytes) {
  const std::string kind = SpecialFileKind(path, false);
  if (!kind.empty() && kind != "a symbolic link") return Refusal(kind);
  return ReplaceAtomically(path, bytes);
}

}  // namespace

std::string WriteOutputFile(const std::string& path, const std::string& bytes,
                            PathChooser chooser) {
  if (path.empty()) return "no file name";
  return chooser == PathChooser::User ? WriteUserNamed(path, bytes)
                                      : WriteProgramNamed(path, bytes);
}

}  // namespace moid::process

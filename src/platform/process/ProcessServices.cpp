#include "platform/process/ProcessServices.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <vector>

extern char** environ;

namespace moid::process {
namespace {

bool Exists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool SameIgnoringCase(const std::string& a, const char* b) {
  return ::strcasecmp(a.c_str(), b) == 0;
}

struct PathParts {
  std::string dir;   // with its trailing '/', or "" for the current directory
  std::string last;  // the last component, without trailing '/'
};

PathParts SplitLast(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {"", path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// Names in `dir` equal to `name` regardless of case, sorted so the choice is repeatable.
std::vector<std::string> CaseInsensitiveMatches(const std::string& dir, const std::string& name) {
  std::vector<std::string> found;
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (d == nullptr) return found;
  while (const dirent* e = ::readdir(d)) {
    if (SameIgnoringCase(name, e->d_name)) found.emplace_back(e->d_name);
  }
  ::closedir(d);
  std::sort(found.begin(), found.end());
  return found;
}

bool ReadAll(int fd, std::string& out) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    out.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace

std::string CurrentDirectory() {
  std::vector<char> buffer(PATH_MAX);
  for (;;) {
    if (::getcwd(buffer.data(), buffer.size()) != nullptr) return buffer.data();
    if (errno != ERANGE) return "";
    buffer.resize(buffer.size() * 2);
  }
}

bool ChangeDirectory(const std::string& path) {
  return !path.empty() && ::chdir(path.c_str()) == 0;
}

std::optional<std::string> ExecutableDirectory() {
  std::vector<char> buffer(PATH_MAX);
  for (;;) {
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return std::nullopt;
    if (static_cast<std::size_t>(n) < buffer.size()) {
      const std::string path(buffer.data(), static_cast<std::size_t>(n));
      const std::size_t slash = path.rfind('/');
      if (slash == std::string::npos) return std::nullopt;
      return slash == 0 ? "/" : path.substr(0, slash);
    }
    buffer.resize(buffer.size() * 2);  // the link may have been cut: read it again
  }
}

std::optional<std::string> EnvironmentValue(const std::string& name) {
  if (name.empty() || name.find('=') != std::string::npos) return std::nullopt;
  if (const char* exact = ::getenv(name.c_str())) return std::string(exact);
  for (char** e = environ; e != nullptr && *e != nullptr; ++e) {
    const std::string entry(*e);
    const std::size_t eq = entry.find('=');
    if (eq == name.size() && ::strncasecmp(entry.c_str(), name.c_str(), eq) == 0) {
      return entry.substr(eq + 1);
    }
  }
  return std::nullopt;
}

bool PathExists(const std::string& path) { return ResolvePath(path).has_value(); }

std::optional<std::string> ResolvePath(const std::string& path) {
  if (path.empty()) return std::nullopt;
  if (Exists(path)) return path;
  const PathParts parts = SplitLast(path);
  if (parts.last.empty() || parts.last == "." || parts.last == "..") return std::nullopt;
  // "name/" asks for a directory; a dangling link is no file.
  const bool wantDirectory = path.back() == '/';
  for (const std::string& name : CaseInsensitiveMatches(parts.dir, parts.last)) {
    const std::string candidate = parts.dir + name;
    if (wantDirectory ? IsDirectory(candidate) : Exists(candidate)) return candidate;
  }
  return std::nullopt;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  // Non-blocking open, so that a FIFO of that name is refused instead of waiting for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  std::string bytes;
  const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (regular) bytes.reserve(static_cast<std::size_t>(st.st_size));
  const bool ok = regular && ReadAll(fd, bytes);
  ::close(fd);
  if (!ok) return std::nullopt;
  return bytes;
}

}  // namespace moid::process

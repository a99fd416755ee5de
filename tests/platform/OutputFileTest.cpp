// Output files: never a truncated file, and never a device, FIFO or link destroyed.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/process/OutputFile.h"

namespace moid::process {
namespace {

namespace fs = std::filesystem;

constexpr PathChooser BOTH_CHOOSERS[] = {PathChooser::User, PathChooser::Program};

class OutputFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("moid_out_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    root = dir.string() + "/";
  }
  void TearDown() override { fs::remove_all(dir); }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  long Entries(const fs::path& where) {
    return std::distance(fs::directory_iterator(where), fs::directory_iterator());
  }
  fs::path dir;
  std::string root;
};

// The reading end of a FIFO, opened before anyone writes, so that the writer need not wait
// and a test never hangs.
class FifoReader {
 public:
  explicit FifoReader(const std::string& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
  ~FifoReader() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool Open() const { return fd_ >= 0; }
  // What has arrived so far.
  std::string Arrived() {
    std::string text;
    char chunk[256];
    for (ssize_t n; (n = ::read(fd_, chunk, sizeof chunk)) > 0;) {
      text.append(chunk, static_cast<std::size_t>(n));
    }
    return text;
  }

 private:
  int fd_;
};

TEST_F(OutputFile, CreatesAndReplacesAPlainFileWholly) {
  for (const PathChooser chooser : BOTH_CHOOSERS) {
    fs::remove(dir / "out.bin");
    ASSERT_EQ(WriteOutputFile(root + "out.bin", "first", chooser), "");
    EXPECT_EQ(Read("out.bin"), "first");
    ASSERT_EQ(WriteOutputFile(root + "out.bin", std::string("2nd\0x", 5), chooser), "");
    EXPECT_EQ(Read("out.bin"), std::string("2nd\0x", 5));
    EXPECT_EQ(Entries(dir), 1);
    const auto perms = fs::status(dir / "out.bin").permissions();
    EXPECT_NE(perms & fs::perms::owner_read, fs::perms::none);
    EXPECT_NE(perms & fs::perms::others_read, fs::perms::none);  // not mkstemp's 0600
  }
}

TEST_F(OutputFile, FailsCleanlyAndSaysWhy) {
  fs::create_directory(dir / "taken");
  for (const PathChooser chooser : BOTH_CHOOSERS) {
    EXPECT_EQ(WriteOutputFile(root + "missing/out.bin", "x", chooser),
              "No such file or directory");
    EXPECT_EQ(WriteOutputFile(root + "taken", "x", chooser), "it is a directory");
    EXPECT_EQ(WriteOutputFile(root + "taken/", "x", chooser), "it is a directory");
    EXPECT_TRUE(fs::is_directory(dir / "taken"));
    EXPECT_EQ(WriteOutputFile("", "x", chooser), "no file name");
    EXPECT_EQ(Entries(dir), 1);
  }
}

TEST_F(OutputFile, AnExistingFileKeepsItsPermissions) {
  Write("out.bin", "old");
  fs::permissions(dir / "out.bin", fs::perms::owner_read | fs::perms::owner_write);
  for (const PathChooser chooser : BOTH_CHOOSERS) {
    ASSERT_EQ(WriteOutputFile(root + "out.bin", "new", chooser), "");
    EXPECT_EQ(fs::status(dir / "out.bin").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
  }
}

TEST_F(OutputFile, AUsersLinkIsFollowedToItsTargetInItsOwnDirectory) {
  fs::create_directory(dir / "real");
  Write("real/ELEMENTS.DAT", "old");
  fs::create_symlink("real/ELEMENTS.DAT", dir / "link.dat");  // relative to the link's folder
  ASSERT_EQ(WriteOutputFile(root + "link.dat", "new", PathChooser::User), "");
  EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
  EXPECT_EQ(Read("real/ELEMENTS.DAT"), "new");
  EXPECT_EQ(Entries(dir), 2);  // no temporary file left beside the link
  EXPECT_EQ(Entries(dir / "real"), 1);

  // A link to a file not made yet makes it where the link points.
  fs::create_symlink("real/later.dat", dir / "later.dat");
  ASSERT_EQ(WriteOutputFile(root + "later.dat", "made", PathChooser::User), "");
  EXPECT_TRUE(fs::is_symlink(dir / "later.dat"));
  EXPECT_EQ(Read("real/later.dat"), "made");

  fs::create_symlink("loop", dir / "loop");
  EXPECT_EQ(WriteOutputFile(root + "loop", "x", PathChooser::User),
            std::strerror(ELOOP));
}

TEST_F(OutputFile, ALinkPlantedUnderTheProgramsOwnNameIsReplacedNotFollowed) {
  Write("victim", "precious");
  fs::permissions(dir / "victim", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(dir / "victim", dir / "Orbits.bmp");
  ASSERT_EQ(WriteOutputFile(root + "Orbits.bmp", "BM picture", PathChooser::Program), "");
  EXPECT_FALSE(fs::is_symlink(dir / "Orbits.bmp"));
  EXPECT_EQ(Read("Orbits.bmp"), "BM picture");
  EXPECT_EQ(Read("victim"), "precious");
  // The new picture has the usual permissions, not those of the link's target.
  EXPECT_NE(fs::status(dir / "Orbits.bmp").permissions() & fs::perms::others_read,
            fs::perms::none);
}

TEST_F(OutputFile, AUsersFifoIsWrittenPlainlyAndStaysAFifo) {
  const std::string fifo = root + "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  FifoReader reader(fifo);
  ASSERT_TRUE(reader.Open());
  EXPECT_EQ(WriteOutputFile(fifo, "through the pipe", PathChooser::User), "");
  EXPECT_EQ(reader.Arrived(), "through the pipe");
  EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
  EXPECT_EQ(Entries(dir), 1);
}

TEST_F(OutputFile, AFifoUnderTheProgramsOwnNameIsRefused) {
  const std::string fifo = root + "Orbdis.bmp";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(WriteOutputFile(fifo, "BM", PathChooser::Program), "it is a FIFO, not a file");
  EXPECT_TRUE(fs::is_fifo(dir / "Orbdis.bmp"));
  EXPECT_EQ(Entries(dir), 1);
}

TEST_F(OutputFile, NullDeviceTakesTheBytesAndStaysADevice) {
  if (::access("/dev/null", W_OK) != 0) GTEST_SKIP() << "/dev/null is not writable here";
  EXPECT_EQ(WriteOutputFile("/dev/null", "discarded", PathChooser::User), "");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  // Through a link, too.
  fs::create_symlink("/dev/null", dir / "null");
  EXPECT_EQ(WriteOutputFile(root + "null", "discarded", PathChooser::User), "");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_TRUE(fs::is_symlink(dir / "null"));
}

TEST_F(OutputFile, ASocketIsRefusedWhoeverNamedIt) {
  const std::string path = root + "socket";
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  for (const PathChooser chooser : BOTH_CHOOSERS) {
    EXPECT_EQ(WriteOutputFile(path, "x", chooser), "it is a socket, not a file");
    EXPECT_TRUE(fs::is_socket(dir / "socket"));
  }
  ::close(fd);
}

}  // namespace
}  // namespace moid::process

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/process/ProcessServices.h"

namespace moid::process {
namespace {

namespace fs = std::filesystem;

class ProcessServices : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("moid_proc_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    root = dir.string() + "/";
  }
  void TearDown() override { fs::remove_all(dir); }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  fs::path dir;
  std::string root;
};

TEST_F(ProcessServices, PathExistsFindsTheLastComponentInAnyCase) {
  Write("elements.dat", "x");
  fs::create_directory(dir / "UserData");
  EXPECT_TRUE(PathExists(root + "elements.dat"));
  EXPECT_TRUE(PathExists(root + "ELEMENTS.DAT"));
  EXPECT_TRUE(PathExists(root + "Elements.Dat"));
  EXPECT_TRUE(PathExists(root + "USERDATA"));
  EXPECT_TRUE(PathExists(root + "userdata/"));
  EXPECT_FALSE(PathExists(root + "ELEMENTS.DA"));
  EXPECT_FALSE(PathExists(root + "ELEMENTS.DAT2"));
  EXPECT_FALSE(PathExists(""));
}

TEST_F(ProcessServices, OnlyTheLastComponentIgnoresCase) {
  fs::create_directory(dir / "sub");
  Write("sub/ELEMENTS.DAT", "x");
  EXPECT_TRUE(PathExists(root + "sub/elements.dat"));
  EXPECT_FALSE(PathExists(root + "SUB/elements.dat"));
}

TEST_F(ProcessServices, TrailingSlashAsksForADirectoryAndDanglingLinksDoNotExist) {
  Write("Elements.Dat", "x");
  fs::create_directory(dir / "UserData");
  fs::create_symlink(dir / "nowhere", dir / "Korix121.exe");
  EXPECT_FALSE(PathExists(root + "ELEMENTS.DAT/"));
  EXPECT_TRUE(PathExists(root + "USERDATA/"));
  EXPECT_EQ(ResolvePath(root + "USERDATA/"), root + "UserData");
  EXPECT_FALSE(PathExists(root + "Korix121.exe"));
  EXPECT_FALSE(PathExists(root + "KORIX121.EXE"));
}

TEST_F(ProcessServices, ResolvePathGivesTheNameAsItIsOnDisk) {
  Write("Elements.DAT", "x");
  EXPECT_EQ(ResolvePath(root + "ELEMENTS.DAT"), root + "Elements.DAT");
  EXPECT_EQ(ResolvePath(root + "Elements.DAT"), root + "Elements.DAT");
  EXPECT_EQ(ResolvePath(root + "missing.dat"), std::nullopt);
}

TEST_F(ProcessServices, RelativePathsResolveAgainstTheCurrentDirectory) {
  const std::string before = CurrentDirectory();
  Write("korix121.exe", "");
  ASSERT_TRUE(ChangeDirectory(dir.string()));
  EXPECT_EQ(fs::canonical(CurrentDirectory()), fs::canonical(dir));
  EXPECT_TRUE(PathExists("KORIX121.EXE"));
  EXPECT_EQ(ResolvePath("./KORIX121.EXE"), "./korix121.exe");
  EXPECT_EQ(ResolvePath("KORIX121.EXE"), "korix121.exe");
  ASSERT_TRUE(ChangeDirectory(before));
  EXPECT_EQ(CurrentDirectory(), before);
  EXPECT_FALSE(ChangeDirectory(root + "no such directory"));
  EXPECT_FALSE(ChangeDirectory(""));
  EXPECT_EQ(CurrentDirectory(), before);
}

TEST_F(ProcessServices, EnvironmentLookupIgnoresCase) {
  ::setenv("MoidTest_Dir", "/data/korix", 1);
  EXPECT_EQ(EnvironmentValue("MoidTest_Dir"), "/data/korix");
  EXPECT_EQ(EnvironmentValue("MOIDTEST_DIR"), "/data/korix");
  EXPECT_EQ(EnvironmentValue("moidtest_dir"), "/data/korix");
  EXPECT_EQ(EnvironmentValue("MOIDTEST_DI"), std::nullopt);
  EXPECT_EQ(EnvironmentValue("MOIDTEST_DIR2"), std::nullopt);
  EXPECT_EQ(EnvironmentValue(""), std::nullopt);
  EXPECT_EQ(EnvironmentValue("MOIDTEST_DIR=x"), std::nullopt);
  ::setenv("MOIDTEST_EMPTY", "", 1);
  EXPECT_EQ(EnvironmentValue("MoidTest_Empty"), "");  // set but empty is still set
  ::unsetenv("MoidTest_Dir");
  ::unsetenv("MOIDTEST_EMPTY");
  EXPECT_EQ(EnvironmentValue("MOIDTEST_DIR"), std::nullopt);
}

TEST_F(ProcessServices, ExactCaseWinsOverAnotherSpelling) {
  ::setenv("MOIDTEST_TWICE", "upper", 1);
  ::setenv("MoidTest_Twice", "mixed", 1);
  EXPECT_EQ(EnvironmentValue("MoidTest_Twice"), "mixed");
  EXPECT_EQ(EnvironmentValue("MOIDTEST_TWICE"), "upper");
  ::unsetenv("MOIDTEST_TWICE");
  ::unsetenv("MoidTest_Twice");
}

TEST_F(ProcessServices, ReadWholeFileReadsEveryByte) {
  std::string bytes = "line 1\r\nline 2\r\n";
  bytes += '\0';
  bytes += "\xB0\xFF tail";
  bytes += std::string(200000, 'z');  // longer than one read
  Write("data.bin", bytes);
  EXPECT_EQ(ReadWholeFile(root + "data.bin"), bytes);
  Write("empty", "");
  EXPECT_EQ(ReadWholeFile(root + "empty"), "");
}

TEST_F(ProcessServices, ReadWholeFileRefusesWhatIsNotARegularFile) {
  fs::create_directory(dir / "ELEMENTS.DAT");
  EXPECT_EQ(ReadWholeFile(root + "ELEMENTS.DAT"), std::nullopt);
  EXPECT_EQ(ReadWholeFile(root + "missing"), std::nullopt);
  EXPECT_EQ(ReadWholeFile(""), std::nullopt);
}

TEST_F(ProcessServices, ReadWholeFileRefusesAFifoWithoutWaitingForAWriter) {
  const std::string fifo = root + "ELEMENTS.DAT";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(ReadWholeFile(fifo), std::nullopt);
}

}  // namespace
}  // namespace moid::process

#include "data/DataDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/ScopedEnvironment.h"
#include "data/TempDirectory.h"

namespace moid {
namespace {

namespace fs = std::filesystem;

// Every case starts in a fresh directory with the variable unset, and goes back to where the
// test program was afterwards.
class DataDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    environment.Unset("KORIX12DIR");
    environment.Unset("korix12dir");
    environment.Unset("Korix12Dir");
    // The shared data folders point into the fresh directory, where nothing is installed.
    environment.Set("XDG_DATA_HOME", temp.Path("no-data-home"));
    environment.Set("XDG_DATA_DIRS", temp.Path("no-data-dirs"));
  }
  void TearDown() override { fs::current_path(startDirectory); }

  void StartIn(const std::string& directory) { fs::current_path(directory); }
  static fs::path Here() { return fs::current_path(); }

  fs::path startDirectory = fs::current_path();
  testing::ScopedEnvironment environment;
  testing::TempDirectory temp;
};

TEST_F(DataDirectoryTest, InsideAUserDataDirectory) {
  temp.WriteFile("ELEMENTS.DAT", "x");
  StartIn(temp.MakeDirectory("userdata"));
  EXPECT_EQ(FindDataDirectory(), "../");
  EXPECT_EQ(Here(), temp.path() / "userdata");
  EXPECT_TRUE(PathExists("../ELEMENTS.DAT"));
}

TEST_F(DataDirectoryTest, UpperCaseUserDataDirectory) {
  StartIn(temp.MakeDirectory("USERDATA"));
  EXPECT_EQ(FindDataDirectory(), "../");
  EXPECT_EQ(Here(), temp.path() / "USERDATA");
}

TEST_F(DataDirectoryTest, ANameThatMerelyEndsInUserDataCounts) {
  StartIn(temp.MakeDirectory("XUSERDATA"));
  EXPECT_EQ(FindDataDirectory(), "../");
  EXPECT_EQ(Here(), temp.path() / "XUSERDATA");
  StartIn(temp.MakeDirectory("my-UserData"));
  EXPECT_EQ(FindDataDirectory(), "../");
}

TEST_F(DataDirectoryTest, UserDataAboveTheCurrentDirectoryDoesNotCount) {
  environment.Set("KORIX12DIR", "/opt/eph");
  StartIn(temp.MakeDirectory("USERDATA/inner"));
  EXPECT_EQ(FindDataDirectory(), "/opt/eph/");
  EXPECT_EQ(Here(), temp.path() / "USERDATA" / "inner");
  StartIn(temp.MakeDirectory("USERDATA2"));  // the last eight characters are "SERDATA2"
  EXPECT_EQ(FindDataDirectory(), "/opt/eph/");
}

TEST_F(DataDirectoryTest, CompanionExecutableAndUserDataSubdirectory) {
  temp.WriteFile("KORIX121.EXE", "");
  temp.MakeDirectory("USERDATA");
  StartIn(temp.Path());
  EXPECT_EQ(FindDataDirectory(), "../");
  EXPECT_EQ(Here(), temp.path() / "USERDATA");
}

TEST_F(DataDirectoryTest, CompanionExecutableAlone) {
  environment.Set("KORIX12DIR", "/opt/eph");
  temp.WriteFile("KORIX121.EXE", "");
  StartIn(temp.Path());
  EXPECT_EQ(FindDataDirectory(), "./");
  EXPECT_EQ(Here(), temp.path());
}

TEST_F(DataDirectoryTest, FixedNamesFoundRegardlessOfLetterCase) {
  environment.Set("KORIX12DIR", "/opt/eph");
  temp.WriteFile("korix121.exe", "");
  StartIn(temp.Path());
  EXPECT_EQ(FindDataDirectory(), "./");
  temp.MakeDirectory("UserData");
  EXPECT_EQ(FindDataDirectory(), "../");
  EXPECT_EQ(Here(), temp.path() / "UserData");
}

TEST_F(DataDirectoryTest, VariableNamesTheDataDirectory) {
  const std::string eph = temp.MakeDirectory("Eph");
  temp.WriteFile("Eph/ELEMENTS.DAT", "x");
  StartIn(temp.MakeDirectory("elsewhere"));
  environment.Set("KORIX12DIR", eph);
  EXPECT_EQ(FindDataDirectory(), eph + "/");
  EXPECT_EQ(Here(), temp.path() / "elsewhere");
  EXPECT_TRUE(PathExists(eph + "/ELEMENTS.DAT"));
}

TEST_F(DataDirectoryTest, VariableEndingInASeparatorGivesADoubledOne) {
  const std::string eph = temp.MakeDirectory("Eph");
  temp.WriteFile("Eph/ELEMENTS.DAT", "x");
  StartIn(temp.MakeDirectory("elsewhere"));
  environment.Set("KORIX12DIR", eph + "/");
  EXPECT_EQ(FindDataDirectory(), eph + "//");
  EXPECT_TRUE(PathExists(eph + "//ELEMENTS.DAT"));
}

TEST_F(DataDirectoryTest, VariableNameMatchedRegardlessOfCase) {
  StartIn(temp.Path());
  environment.Set("korix12dir", "/lower");
  EXPECT_EQ(FindDataDirectory(), "/lower/");
}

TEST_F(DataDirectoryTest, UnsetVariableGivesTheRoot) {
  StartIn(temp.Path());
  EXPECT_EQ(FindDataDirectory(), "/");
  EXPECT_EQ(Here(), temp.path());
}

TEST_F(DataDirectoryTest, EmptyVariableGivesTheRoot) {
  StartIn(temp.Path());
  environment.Set("KORIX12DIR", "");
  EXPECT_EQ(FindDataDirectory(), "/");
}

TEST_F(DataDirectoryTest, UserDataSubdirectoryReplacesTheVariable) {
  environment.Set("KORIX12DIR", "/opt/eph");
  temp.MakeDirectory("userdata");
  StartIn(temp.Path());
  EXPECT_EQ(FindDataDirectory(), "../");
  EXPECT_EQ(Here(), temp.path() / "userdata");
}

TEST_F(DataDirectoryTest, AFileNamedUserDataStillGivesTheParentPrefix) {
  environment.Set("KORIX12DIR", "/opt/eph");
  temp.WriteFile("USERDATA", "not a directory");
  StartIn(temp.Path());
  EXPECT_EQ(FindDataDirectory(), "../");
  EXPECT_EQ(Here(), temp.path());  // the change of directory failed and is ignored
}

TEST_F(DataDirectoryTest, PathExistsForFilesAndDirectoriesOnly) {
  StartIn(temp.Path());
  temp.WriteFile("elements.dat", "x");
  temp.MakeDirectory("Sub");
  EXPECT_TRUE(PathExists("ELEMENTS.DAT"));
  EXPECT_TRUE(PathExists("elements.dat"));
  EXPECT_TRUE(PathExists("./ELEMENTS.DAT"));
  EXPECT_TRUE(PathExists(temp.Path("Sub")));
  EXPECT_TRUE(PathExists("Sub"));
  EXPECT_FALSE(PathExists("ELEMENTS.DA"));
  EXPECT_FALSE(PathExists("missing/ELEMENTS.DAT"));
  EXPECT_FALSE(PathExists(""));
  EXPECT_FALSE(PathExists(std::string(10000, 'a')));
}

}  // namespace
}  // namespace moid

#include "data/SharedDataFolders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/DataDirectory.h"
#include "data/ScopedEnvironment.h"
#include "data/TempDirectory.h"

namespace moid {
namespace {

namespace fs = std::filesystem;

// The share folder beside this test program's own folder, as an installed program's
// "bin/../share" would be.
std::string InstallShareFolder() {
  const fs::path program = fs::read_symlink("/proc/self/exe");
  return (program.parent_path().parent_path() / "share" / "moidview").string() + "/";
}

class SharedDataFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "HOME"}) environment.Unset(name);
  }
  testing::ScopedEnvironment environment;
};

TEST_F(SharedDataFoldersTest, UserFolderThenInstallPrefixThenSystemFolders) {
  environment.Set("XDG_DATA_HOME", "/home/ada/data");
  environment.Set("XDG_DATA_DIRS", "/opt/sky/share:/usr/share");
  environment.Set("HOME", "/home/ada");
  const std::vector<std::string> expected = {"/home/ada/data/moidview/", InstallShareFolder(),
                                             "/opt/sky/share/moidview/",
                                             "/usr/share/moidview/"};
  EXPECT_EQ(SharedDataFolders(), expected);
}

TEST_F(SharedDataFoldersTest, DefaultsWhenTheVariablesAreUnsetOrEmpty) {
  environment.Set("HOME", "/home/ada");
  const std::vector<std::string> expected = {"/home/ada/.local/share/moidview/",
                                             InstallShareFolder(),
                                             "/usr/local/share/moidview/",
                                             "/usr/share/moidview/"};
  EXPECT_EQ(SharedDataFolders(), expected);
  environment.Set("XDG_DATA_HOME", "");
  environment.Set("XDG_DATA_DIRS", "");
  EXPECT_EQ(SharedDataFolders(), expected);
}

TEST_F(SharedDataFoldersTest, NoHomeAtAllLeavesTheUserFolderOut) {
  environment.Set("XDG_DATA_DIRS", "/srv/data");
  const std::vector<std::string> expected = {InstallShareFolder(), "/srv/data/moidview/"};
  EXPECT_EQ(SharedDataFolders(), expected);
}

TEST_F(SharedDataFoldersTest, RelativePathsIgnoredRepeatsTriedOnceSeparatorsTidied) {
  environment.Set("HOME", "/home/ada/");
  environment.Set("XDG_DATA_HOME", "data");  // relative: the default stands instead
  environment.Set("XDG_DATA_DIRS", "/usr/share/::share:/usr//share:./x:/opt/sky/");
  const std::vector<std::string> expected = {"/home/ada/.local/share/moidview/",
                                             InstallShareFolder(), "/usr/share/moidview/",
                                             "/opt/sky/moidview/"};
  EXPECT_EQ(SharedDataFolders(), expected);
}

// The whole look-up: the start directory's steps first, the shared folders only after them.
class SharedDataLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"KORIX12DIR", "korix12dir"}) environment.Unset(name);
    environment.Set("XDG_DATA_HOME", temp.MakeDirectory("home-data"));
    environment.Set("XDG_DATA_DIRS", temp.MakeDirectory("first") + ":" +
                                         temp.MakeDirectory("second"));
    fs::current_path(temp.MakeDirectory("start"));
  }
  void TearDown() override { fs::current_path(startDirectory); }

  void PutCatalog(const std::string& folder, const std::string& name = "ELEMENTS.DAT") {
    temp.MakeDirectory(folder + "/moidview");
    temp.WriteFile(folder + "/moidview/" + name, "x");
  }
  std::string Folder(const std::string& folder) { return temp.Path(folder) + "/moidview/"; }
  std::vector<std::string> AllFolders() {
    return {Folder("home-data"), InstallShareFolder(), Folder("first"), Folder("second")};
  }

  fs::path startDirectory = fs::current_path();
  testing::ScopedEnvironment environment;
  testing::TempDirectory temp;
};

TEST_F(SharedDataLookupTest, NothingFoundByTheStartStepsTriesTheFoldersInOrder) {
  PutCatalog("second");
  DataDirectoryLookup lookup = LookUpDataDirectory();
  EXPECT_EQ(lookup.prefix, Folder("second"));
  EXPECT_EQ(lookup.sharedFoldersTried, AllFolders());
  EXPECT_TRUE(PathExists(lookup.prefix + "ELEMENTS.DAT"));

  PutCatalog("first");
  lookup = LookUpDataDirectory();
  EXPECT_EQ(lookup.prefix, Folder("first"));
  const std::vector<std::string> all = AllFolders();
  EXPECT_EQ(lookup.sharedFoldersTried, std::vector<std::string>(all.begin(), all.begin() + 3));

  PutCatalog("home-data", "elements.dat");  // letter case does not matter here either
  lookup = LookUpDataDirectory();
  EXPECT_EQ(lookup.prefix, Folder("home-data"));
  EXPECT_EQ(lookup.sharedFoldersTried, std::vector<std::string>{Folder("home-data")});
  EXPECT_EQ(fs::current_path(), temp.path() / "start");
}

TEST_F(SharedDataLookupTest, NothingAnywhereKeepsThePrefixOfTheStartSteps) {
  DataDirectoryLookup lookup = LookUpDataDirectory();
  EXPECT_EQ(lookup.prefix, "/");  // KORIX12DIR unset
  EXPECT_EQ(lookup.sharedFoldersTried, AllFolders());
  environment.Set("KORIX12DIR", "/opt/eph");
  lookup = LookUpDataDirectory();
  EXPECT_EQ(lookup.prefix, "/opt/eph/");
  EXPECT_EQ(lookup.sharedFoldersTried, AllFolders());
  EXPECT_EQ(FindDataDirectory(), "/opt/eph/");
}

TEST_F(SharedDataLookupTest, FoundByTheVariableTheFoldersAreNeverTried) {
  PutCatalog("home-data");
  PutCatalog("first");
  const std::string eph = temp.MakeDirectory("Eph");
  temp.WriteFile("Eph/ELEMENTS.DAT", "x");
  environment.Set("KORIX12DIR", eph);
  const DataDirectoryLookup lookup = LookUpDataDirectory();
  EXPECT_EQ(lookup.prefix, eph + "/");
  EXPECT_TRUE(lookup.sharedFoldersTried.empty());
}

TEST_F(SharedDataLookupTest, FoundInTheStartDirectoryTheFoldersAreNeverTried) {
  PutCatalog("home-data");
  temp.WriteFile("start/KORIX121.EXE", "");
  temp.WriteFile("start/ELEMENTS.DAT", "x");
  DataDirectoryLookup lookup = LookUpDataDirectory();
  EXPECT_EQ(lookup.prefix, "./");
  EXPECT_TRUE(lookup.sharedFoldersTried.empty());

  fs::current_path(temp.MakeDirectory("start/USERDATA"));  // the catalogue is in the parent
  lookup = LookUpDataDirectory();
  EXPECT_EQ(lookup.prefix, "../");
  EXPECT_TRUE(lookup.sharedFoldersTried.empty());
}

TEST_F(SharedDataLookupTest, AUserDataFolderStillReceivesThePictures) {
  PutCatalog("first");
  temp.WriteFile("start/KORIX121.EXE", "");  // but no catalogue beside it
  temp.MakeDirectory("start/USERDATA");
  const DataDirectoryLookup lookup = LookUpDataDirectory();
  EXPECT_EQ(lookup.prefix, Folder("first"));
  EXPECT_EQ(fs::current_path(), temp.path() / "start" / "USERDATA");
}

}  // namespace
}  // namespace moid

// The reader on real files: case of the file name, paths that cannot be read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "data/CatalogReader.h"
#include "data/CatalogText.h"
#include "data/TempDirectory.h"

namespace moid {
namespace {

// A catalogue with something in it, so that a failed read can be seen to clear it.
std::unique_ptr<BodyCatalog> FilledCatalog() {
  auto catalog = std::make_unique<BodyCatalog>();
  ParseCatalog(testing::Crlf(testing::THREE_BODY_LINES), *catalog);
  return catalog;
}

void ExpectCleared(const BodyCatalog& catalog) {
  EXPECT_EQ(catalog.epoch, 0);
  EXPECT_EQ(catalog.reference.name, "");
  EXPECT_EQ(catalog.reference.semiMajorAxis, 0);
  EXPECT_EQ(catalog.lastIndex, -1);
  EXPECT_EQ(catalog.bodies[0].name, "");
  EXPECT_EQ(catalog.bodies[0].eccentricity, 0);
}

TEST(CatalogFile, ReadsAFile) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", testing::Crlf(testing::THREE_BODY_LINES));
  BodyCatalog catalog;
  const CatalogReadReport report = ReadCatalog(path, catalog);
  EXPECT_FALSE(report.unreadable);
  EXPECT_EQ(catalog.lastIndex, 2);
  EXPECT_EQ(catalog.bodies[1].name, "(99942) Apophis");
}

TEST(CatalogFile, FindsTheFileRegardlessOfLetterCase) {
  testing::TempDirectory dir;
  dir.WriteFile("elements.dat", testing::Crlf(testing::THREE_BODY_LINES));
  BodyCatalog catalog;
  const CatalogReadReport report = ReadCatalog(dir.Path("ELEMENTS.DAT"), catalog);
  EXPECT_FALSE(report.unreadable);
  EXPECT_EQ(catalog.lastIndex, 2);
}

TEST(CatalogFile, DirectoryPathEndsAtOnceWithTheCatalogueCleared) {
  testing::TempDirectory dir;
  const std::string path = dir.MakeDirectory("ELEMENTS.DAT");
  auto catalog = FilledCatalog();
  const CatalogReadReport report = ReadCatalog(path, *catalog);
  EXPECT_TRUE(report.unreadable);
  ExpectCleared(*catalog);
}

TEST(CatalogFile, MissingPathIsUnreadable) {
  testing::TempDirectory dir;
  auto catalog = FilledCatalog();
  EXPECT_TRUE(ReadCatalog(dir.Path("nothing-here.dat"), *catalog).unreadable);
  ExpectCleared(*catalog);
}

TEST(CatalogFile, FileWithoutReadPermission) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", testing::Crlf(testing::THREE_BODY_LINES));
  std::filesystem::permissions(path, std::filesystem::perms::none);
  // Root reads any file regardless of its permissions; this case then says nothing.
  if (std::ifstream(path).good()) GTEST_SKIP() << "permissions do not stop reads for this user";
  auto catalog = FilledCatalog();
  EXPECT_TRUE(ReadCatalog(path, *catalog).unreadable);
  ExpectCleared(*catalog);
}

// A regular file that every user may open but whose first read fails (on Linux, the process's
// own memory seen from address 0): stops the reader even for root, which permissions do not.
TEST(CatalogFile, FileWhoseReadFails) {
  const std::string path = "/proc/self/mem";
  if (!std::filesystem::is_regular_file(path)) GTEST_SKIP() << "no " << path << " here";
  auto catalog = FilledCatalog();
  EXPECT_TRUE(ReadCatalog(path, *catalog).unreadable);
  ExpectCleared(*catalog);
}

TEST(CatalogFile, EmptyFileIsReadable) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", "");
  BodyCatalog catalog;
  EXPECT_FALSE(ReadCatalog(path, catalog).unreadable);
  EXPECT_EQ(catalog.lastIndex, -1);
}

}  // namespace
}  // namespace moid

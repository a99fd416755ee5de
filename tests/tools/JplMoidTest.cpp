// MOIDs of imported catalogues against the values JPL lists for the same solutions.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "data/CatalogReader.h"
#include "data/TempDirectory.h"
#include "orbit/ViewerMoid.h"
#include "sources/SourceTestSupport.h"
#include "tools/CommandRunSupport.h"
#include "tools/Commands.h"

namespace moid::tools {
namespace {

using sources::testing::ReadBytes;

std::filesystem::path SharedData() {
  return std::filesystem::path(MOID_SOURCE_DIR) / ".." / "shared" / "data";
}

// JPL's Earth MOID as the answer lists it: "moid": ".000360605" in the orbit.
double ListedMoid(const std::string& answer) {
  const std::string key = "\"moid\":";
  const std::size_t at = answer.find(key);
  EXPECT_NE(at, std::string::npos);
  const std::size_t open = answer.find('"', at + key.size());
  const std::size_t close = answer.find('"', open + 1);
  return std::stod(answer.substr(open + 1, close - open - 1));
}

// The viewer's MOID of every body of a catalogue at the moidtool moid default width.
std::vector<double> CatalogueMoids(const std::string& path) {
  auto catalog = std::make_unique<BodyCatalog>();
  const CatalogReadReport report = ReadCatalog(path, *catalog);
  EXPECT_FALSE(report.unreadable);
  EXPECT_TRUE(report.skipped.empty());
  const int W = 432;
  MoidWorkspace work(W);
  const OrbitGeometry earth = PrepareEarthGeometry(catalog->reference);
  std::vector<double> moids;
  for (int k = 0; k <= catalog->lastIndex; ++k) {
    moids.push_back(
        ComputeViewerMoid(earth, catalog->bodies[static_cast<std::size_t>(k)], W, work).moid.moidAu);
  }
  return moids;
}

// Each of JPL's current solutions imported at its own epoch: the MOID JPL lists, to 1e-6 AU
// (JPL prints six significant digits).
TEST(JplMoid, ElevenSolutionsAtTheirOwnEpochs) {
  const std::filesystem::path folder = SharedData() / "sbdb-2025";
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  moid::testing::TempDirectory dir;
  int checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string output = dir.Path("E.DAT");
    const CommandRun run = RunCommand(RunImportCommand, {entry.path().string(), "-o", output});
    ASSERT_EQ(run.code, 0) << entry.path() << run.err;
    const std::vector<double> moids = CatalogueMoids(output);
    ASSERT_EQ(moids.size(), 1u) << entry.path();
    EXPECT_NEAR(moids[0], ListedMoid(ReadBytes(entry.path().string())), 1e-6) << entry.path();
    ++checked;
  }
  EXPECT_EQ(checked, 11);
}

// Without the Earth's centre and its plane the same solutions miss JPL's values: the check
// above depends on both.
TEST(JplMoid, TheBarycentreMissesJplsValues) {
  const std::filesystem::path answer = SharedData() / "sbdb-2025" / "99942_phys.json";
  moid::testing::TempDirectory dir;
  const std::string output = dir.Path("E.DAT");
  ASSERT_EQ(RunCommand(RunImportCommand, {answer.string(), "-o", output, "--earth", "barycentre",
                                          "--frame", "j2000"})
                .code,
            0);
  EXPECT_GT(std::fabs(CatalogueMoids(output)[0] - ListedMoid(ReadBytes(answer.string()))), 1e-5);
}

}  // namespace
}  // namespace moid::tools

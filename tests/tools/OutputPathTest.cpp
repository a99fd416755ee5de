// What the output paths of import and render name stays intact: links, devices and FIFOs.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/TempDirectory.h"
#include "sources/SourceTestSupport.h"
#include "tools/CommandRunSupport.h"
#include "tools/Commands.h"

namespace moid::tools {
namespace {

namespace fs = std::filesystem;
using sources::testing::ReadBytes;
using sources::testing::SamplePath;

CommandRun Import(const std::vector<std::string>& args) { return RunCommand(RunImportCommand, args); }
CommandRun Render(const std::vector<std::string>& args) { return RunCommand(RunRenderCommand, args); }
CommandRun Catalog(const std::vector<std::string>& args) { return RunCommand(RunCatalogCommand, args); }

const std::string CIRCLES = "2451545,0,0,0,0,1,0,0,Earth\r\n0,0,0,0,1.5,0,Flat\r\n";

TEST(ImportOutputPath, ALinkIsWrittenThroughToItsTarget) {
  testing::TempDirectory dir;
  dir.MakeDirectory("kept");
  const std::string target = dir.WriteFile("kept/ELEMENTS.DAT", "old catalogue");
  fs::create_symlink(target, dir.path() / "link.dat");
  const CommandRun run = Import({SamplePath("sbdb-sample.json"), "-o", dir.Path("link.dat")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(fs::is_symlink(dir.path() / "link.dat"));
  EXPECT_EQ(ReadBytes(target).substr(0, 10), "2459800.5,");
}

TEST(ImportOutputPath, AFifoIsWrittenPlainly) {
  testing::TempDirectory dir;
  const std::string fifo = dir.Path("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // The reading end is open before the import writes, so nobody waits.
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(reader, 0);
  const CommandRun run = Import({SamplePath("sbdb-sample.json"), "-o", fifo});
  EXPECT_EQ(run.code, 0) << run.err;
  char head[10] = {};
  EXPECT_EQ(::read(reader, head, sizeof head), 10);
  EXPECT_EQ(std::string(head, sizeof head), "2459800.5,");
  ::close(reader);
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(ImportOutputPath, TheNullDeviceTakesTheCatalogueAndStaysADevice) {
  if (::access("/dev/null", W_OK) != 0) GTEST_SKIP() << "/dev/null is not writable here";
  const CommandRun run = Import({SamplePath("sbdb-sample.json"), "-o", "/dev/null"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(ImportOutputPath, ADirectoryIsRefusedByName) {
  testing::TempDirectory dir;
  const std::string there = dir.MakeDirectory("ELEMENTS.DAT");
  const CommandRun run = Import({SamplePath("sbdb-sample.json"), "-o", there});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find(there + ": cannot be written: it is a directory\n"), std::string::npos)
      << run.err;
  EXPECT_TRUE(fs::is_directory(there));
}

TEST(RenderOutputPath, ALinkPlantedAsAPictureIsReplacedAndItsTargetKept) {
  testing::TempDirectory dir;
  const std::string catalog = dir.WriteFile("ELEMENTS.DAT", CIRCLES);
  const std::string out = dir.MakeDirectory("shared");
  const std::string victim = dir.WriteFile("victim.txt", "precious");
  fs::create_symlink(victim, out + "/Orbits.bmp");
  const CommandRun run = Render({catalog, "--body", "Flat", "--out", out});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(ReadBytes(victim), "precious");
  EXPECT_FALSE(fs::is_symlink(out + "/Orbits.bmp"));
  EXPECT_EQ(ReadBytes(out + "/Orbits.bmp").substr(0, 2), "BM");
}

TEST(RenderOutputPath, AFifoPlantedAsAPictureIsRefusedAndNamed) {
  testing::TempDirectory dir;
  const std::string catalog = dir.WriteFile("ELEMENTS.DAT", CIRCLES);
  const std::string out = dir.MakeDirectory("shared");
  const std::string fifo = out + "/Orbdis.bmp";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const CommandRun run = Render({catalog, "--body", "Flat", "--out", out});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, out + "/Orbits.bmp\n");
  EXPECT_EQ(run.err, "moidtool render: " + fifo + ": could not be written: it is a FIFO, not a file\n");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(CatalogInputPath, FifosAndDevicesAreNamedAsWhatTheyAre) {
  testing::TempDirectory dir;
  const std::string fifo = dir.Path("ELEMENTS.DAT");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const CommandRun fromFifo = Catalog({fifo});
  EXPECT_EQ(fromFifo.code, 1);
  EXPECT_EQ(fromFifo.err, "moidtool catalog: " + fifo + ": cannot be read: it is a FIFO, not a file\n");

  const CommandRun fromDevice = Catalog({"/dev/null"});
  EXPECT_EQ(fromDevice.code, 1);
  EXPECT_EQ(fromDevice.err,
            "moidtool catalog: /dev/null: cannot be read: it is a character device, not a file\n");
}

}  // namespace
}  // namespace moid::tools

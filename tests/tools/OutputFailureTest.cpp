// Every command's results must arrive: a full disk is a failure with a message, a reader that
// closes the pipe ends the command quietly with the broken-pipe status.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "data/TempDirectory.h"
#include "tools/CheckedOutput.h"
#include "tools/ToolProcess.h"

namespace moid::tools {
namespace {

// A stream buffer that refuses every byte, as a full disk does.
class RefusingBuffer final : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(CheckedOutput, AFailedWriteTurnsSuccessIntoFailureWithAMessage) {
  RefusingBuffer refusing;
  std::ostream out(&refusing);
  out << "index\tname\n";
  std::ostringstream err;
  EXPECT_EQ(StateOf(out), OutputState::Failed);
  EXPECT_EQ(FinishOutput(out, err, "moidtool catalog"), 1);
  EXPECT_EQ(err.str(), "moidtool catalog: standard output cannot be written: a write failed\n");
}

TEST(CheckedOutput, DeliveredOutputKeepsTheCommandsOwnStatus) {
  std::ostringstream out, err;
  out << "rows\n";
  EXPECT_EQ(FinishOutput(out, err, "moidtool ephem"), 0);
  EXPECT_EQ(FinishOutput(out, err, "moidtool ephem", 1), 1);
  EXPECT_EQ(FinishRowOutput(out, err, "moidtool moid", 3), 0);
  EXPECT_EQ(err.str(), "");
}

#ifdef MOIDTOOL_PATH

// A catalogue of `bodies` bodies on near-Earth orbits, one of them a circle 4 AU out.
std::string CatalogOf(int bodies) {
  std::string text = "2451544.5,0.0167,0.0,102.9,-11.3,1.0,357.5,0,Earth\r\n";
  for (int i = 0; i < bodies; ++i) {
    text += "0.2," + std::to_string(i % 30) + ".5,10,20,1.4," + std::to_string(i % 360) +
            ",Body " + std::to_string(i) + "\r\n";
  }
  return text + "0,90,0,0,4,0,Polar\r\n";
}

bool SaysCannotBeWritten(const std::string& err, const std::string& who) {
  return err.find(who + ": standard output cannot be written: No space left on device\n") !=
         std::string::npos;
}

TEST(OutputToAFullDisk, EveryCommandFailsAndSaysSo) {
  testing::TempDirectory dir;
  const std::string catalog = "'" + dir.WriteFile("ELEMENTS.DAT", CatalogOf(3)) + "'";
  const std::string pictures = dir.MakeDirectory("pictures");
  const std::string imported = dir.Path("imported.dat");
  const std::string sample = std::string(MOID_SOURCE_DIR) + "/tests/sources/data/mpcorb-sample.dat";
  const struct {
    std::string who, arguments;
  } runs[] = {
      {"moidtool", "--help"},
      {"moidtool catalog", "catalog " + catalog},
      {"moidtool moid", "moid " + catalog},
      {"moidtool moid", "moid --help"},
      {"moidtool ephem", "ephem " + catalog + " --body Polar --start 2451545 --days 3"},
      {"moidtool render", "render " + catalog + " --body Polar --out '" + pictures + "'"},
      {"moidtool import", "import '" + sample + "' -o '" + imported + "'"},
  };
  for (const auto& run : runs) {
    const ToolRun result = RunMoidtool(run.arguments, "/dev/full");
    EXPECT_EQ(result.code, 1) << run.arguments;
    EXPECT_TRUE(SaysCannotBeWritten(result.err, run.who)) << run.arguments << "\n" << result.err;
  }
}

TEST(OutputToAClosedPipe, EndsWithTheBrokenPipeStatus) {
  testing::TempDirectory dir;
  // Far more than a pipe and the program's buffer hold, so the reader's leaving is felt.
  const std::string catalog = "'" + dir.WriteFile("ELEMENTS.DAT", CatalogOf(5000)) + "'";
  const ToolRun listing = RunMoidtoolInto("catalog " + catalog, "head -c 1 >/dev/null");
  EXPECT_EQ(listing.code, OUTPUT_CLOSED_STATUS);
  EXPECT_EQ(listing.err, "");

  const ToolRun rows = RunMoidtoolInto(
      "ephem " + catalog + " --body Polar --start 2451545 --days 20000", "head -n 2 >/dev/null");
  EXPECT_EQ(rows.code, OUTPUT_CLOSED_STATUS);
  EXPECT_EQ(rows.err, "");
}

TEST(OutputToAClosedPipe, AHundredMillionDaysOfEphemerisStreamUntilTheReaderHasEnough) {
  testing::TempDirectory dir;
  const std::string catalog = "'" + dir.WriteFile("ELEMENTS.DAT", CatalogOf(1)) + "'";
  // Held in memory, these rows would take some 15 GB before the first is written.
  const ToolRun run = RunMoidtoolInto(
      "ephem " + catalog + " --body Polar --start 2451545 --days 1e8", "head -n 3 >/dev/null");
  EXPECT_EQ(run.code, OUTPUT_CLOSED_STATUS);
  EXPECT_EQ(run.err, "");
}

TEST(OutputToAClosedPipe, TheMoidBatchSaysHowFarItGot) {
  testing::TempDirectory dir;
  const std::string catalog = "'" + dir.WriteFile("ELEMENTS.DAT", CatalogOf(2000)) + "'";
  const ToolRun run = RunMoidtoolInto("moid " + catalog, "head -c 1 >/dev/null");
  EXPECT_EQ(run.code, OUTPUT_CLOSED_STATUS);
  EXPECT_EQ(run.err.rfind("moidtool moid: output closed after ", 0), 0u) << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
}

#endif  // MOIDTOOL_PATH

}  // namespace
}  // namespace moid::tools

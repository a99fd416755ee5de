#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "data/TempDirectory.h"
#include "tools/CommandRunSupport.h"
#include "tools/Commands.h"

namespace moid::tools {
namespace {

CommandRun RunEphem(const std::vector<std::string>& args) { return RunCommand(RunEphemCommand, args); }

constexpr double kPi = 3.14159265358979323846;
const std::string HEADER = "jd\tdate\tearthX\tearthY\tearthZ\tbodyX\tbodyY\tbodyZ\tdistanceAu";

// Epoch 2000 January 1, 0h. A circular Earth starting at longitude 0; a circular body of
// radius 4 AU at 90 deg inclination, starting at its ascending node (longitude 0 too).
const std::string CATALOG =
    "2451544.5,0.0,0.0,0.0,0.0,1.0,0.0,0,Earth\r\n"
    "0.0,90.0,0.0,0.0,4.0,0.0,Polar\r\n"
    "0.5,10.0,30.0,60.0,2.0,45.0,Eccentric\r\n";

TEST(EphemCommand, RowsFromStartToTheLastDayInclusive) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  const CommandRun run = RunEphem({path, "--body", "Polar", "--start", "2451544.5", "--days", "3"});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::vector<std::string> lines = Split(run.out, '\n');
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], HEADER);
  const char* dates[] = {"2000/ 1/ 1", "2000/ 1/ 2", "2000/ 1/ 3", "2000/ 1/ 4"};
  for (int i = 0; i < 4; ++i) {
    const std::vector<std::string> f = Split(lines[static_cast<size_t>(i) + 1], '\t');
    ASSERT_EQ(f.size(), 9u);
    EXPECT_EQ(std::stod(f[0]), 2451544.5 + i);
    EXPECT_EQ(f[1], dates[i]);
    EXPECT_EQ(f[4], "0");  // the Earth stays in the ecliptic
    EXPECT_NEAR(std::hypot(std::stod(f[2]), std::stod(f[3])), 1.0, 1e-15);
    EXPECT_NEAR(std::hypot(std::stod(f[5]), std::stod(f[6]), std::stod(f[7])), 4.0, 1e-14);
    EXPECT_NEAR(std::stod(f[6]), 0.0, 1e-15);  // the polar orbit lies in the x-z plane
    const double dx = std::stod(f[5]) - std::stod(f[2]), dy = std::stod(f[6]) - std::stod(f[3]),
                 dz = std::stod(f[7]) - std::stod(f[4]);
    EXPECT_NEAR(std::stod(f[8]), std::sqrt(dx * dx + dy * dy + dz * dz), 1e-15);
  }
  // At the epoch both start at longitude 0: 3 AU apart.
  EXPECT_EQ(Split(lines[1], '\t')[8], "3");
  // A day later the Earth has moved on by its mean motion k sqrt(1.0000030404) radians.
  const std::vector<std::string> day1 = Split(lines[2], '\t');
  EXPECT_NEAR(std::atan2(std::stod(day1[3]), std::stod(day1[2])),
              0.01720209895 * std::sqrt(1.0000030404), 1e-13);
  // The body climbs north at k / 8 radians a day.
  EXPECT_NEAR(std::asin(std::stod(day1[7]) / 4.0), 0.01720209895 / 8, 1e-13);
}

TEST(EphemCommand, StepsAndSpans) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  CommandRun run =
      RunEphem({path, "--body", "1", "--start", "2451545", "--days", "2", "--step", "0.5"});
  ASSERT_EQ(run.code, 0);
  std::vector<std::string> lines = Split(run.out, '\n');
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(Split(lines[1], '\t')[0], "2451545");
  EXPECT_EQ(Split(lines[1], '\t')[1], "2000/ 1/ 1");  // noon shows the day it falls in
  EXPECT_EQ(Split(lines[2], '\t')[0], "2451545.5");
  EXPECT_EQ(Split(lines[2], '\t')[1], "2000/ 1/ 2");
  EXPECT_EQ(Split(lines[5], '\t')[0], "2451547");
  run = RunEphem({path, "--body", "1", "--start", "2451545", "--days", "0"});
  EXPECT_EQ(Split(run.out, '\n').size(), 2u);
  run = RunEphem({path, "--body", "1", "--start", "2451545", "--days", "2.9", "--step", "1"});
  EXPECT_EQ(Split(run.out, '\n').size(), 4u);  // days 0, 1, 2
  // Many steps are computed from the start, not summed: no drift.
  run = RunEphem({path, "--body", "1", "--start", "0", "--days", "100", "--step", "0.1"});
  lines = Split(run.out, '\n');
  ASSERT_EQ(lines.size(), 1002u);
  EXPECT_EQ(Split(lines.back(), '\t')[0], "100");
}

TEST(EphemCommand, ASpanOfWholeStepsEndsOnItsLastRow) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  // Days and steps as decimals mean whole multiples, though 0.3 / 0.1 and 0.7 / 0.1 fall
  // just short of 3 and 7 in binary.
  const struct {
    const char *days, *step;
    int rows;
  } spans[] = {{"0.3", "0.1", 4}, {"0.7", "0.1", 8}, {"1", "0.1", 11}, {"0.29", "0.1", 3},
               {"1", "0.3", 4}, {"6", "0.2", 31}};
  for (const auto& span : spans) {
    const CommandRun run = RunEphem(
        {path, "--body", "1", "--start", "2451545", "--days", span.days, "--step", span.step});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::vector<std::string> lines = Split(run.out, '\n');
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(span.rows) + 1) << span.days << " / " << span.step;
    // Each instant is the start plus a whole number of steps, not a running sum.
    const double step = std::stod(span.step);
    for (int i = 0; i < span.rows; ++i) {
      EXPECT_EQ(std::stod(Split(lines[static_cast<std::size_t>(i) + 1], '\t')[0]),
                2451545 + static_cast<double>(i) * step);
    }
  }
}

TEST(EphemCommand, InstantsBeyondTenMillionYearsAreRefused) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  // JD 1721059.5 is the year 0; ten million years of 365.25 days reach JD 3654221059.5.
  for (const char* start : {"1e12", "3.7e9", "-3.7e9", "-1e300"}) {
    const CommandRun run = RunEphem({path, "--body", "1", "--start", start, "--days", "0"});
    EXPECT_EQ(run.code, 2) << start;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("within 10000000 years of the year 0"), std::string::npos) << run.err;
  }
  const CommandRun beyondAtTheEnd =
      RunEphem({path, "--body", "1", "--start", "3.65e9", "--days", "1e7", "--step", "1e6"});
  EXPECT_EQ(beyondAtTheEnd.code, 2);
  const CommandRun farButWithin = RunEphem({path, "--body", "1", "--start", "3.65e9", "--days", "0"});
  EXPECT_EQ(farButWithin.code, 0) << farButWithin.err;
  EXPECT_EQ(Split(farButWithin.out, '\n').size(), 2u);
}

TEST(EphemCommand, PeriodBringsTheBodyBack) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  const double period = 2 * kPi / (0.01720209895 / std::sqrt(8.0));  // a = 2 AU
  std::ostringstream days;
  days.precision(17);
  days << period;
  const CommandRun run =
      RunEphem({path, "--body", "eccentric", "--start", "2451544.5", "--days", days.str(),
                "--step", days.str()});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::vector<std::string> lines = Split(run.out, '\n');
  ASSERT_EQ(lines.size(), 3u);
  const std::vector<std::string> a = Split(lines[1], '\t'), b = Split(lines[2], '\t');
  for (int c : {5, 6, 7}) EXPECT_NEAR(std::stod(a[static_cast<size_t>(c)]), std::stod(b[static_cast<size_t>(c)]), 1e-9);
}

TEST(EphemCommand, BadUsageIsExitCodeTwo) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  const std::vector<std::vector<std::string>> bad = {
      {},
      {path},
      {path, "--body", "1", "--start", "2451545"},
      {path, "--body", "1", "--days", "3"},
      {path, "--start", "2451545", "--days", "3"},
      {path, "--body", "1", "--start", "abc", "--days", "3"},
      {path, "--body", "1", "--start", "2451545", "--days", "-1"},
      {path, "--body", "1", "--start", "2451545", "--days", "3", "--step", "0"},
      {path, "--body", "1", "--start", "2451545", "--days", "3", "--step", "-1"},
      {path, "--body", "1", "--start", "2451545", "--days", "1e9", "--step", "1e-3"},
      {path, "--body", "1", "--start", "nan", "--days", "3"},
      {path, "--body", "1", "--start", "2451545", "--days", "3", "--step"},
      {path, "--body", "1", "--start", "2451545", "--days", "3", "--what", "x"},
  };
  for (const auto& args : bad) {
    const CommandRun run = RunEphem(args);
    EXPECT_EQ(run.code, 2) << args.size();
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: moidtool ephem FILE"), std::string::npos) << run.err;
  }
  const CommandRun help = RunEphem({"-h"});
  EXPECT_EQ(help.code, 0);
  EXPECT_EQ(help.out.rfind("usage: moidtool ephem FILE", 0), 0u);
}

TEST(EphemCommand, UnusableInputIsExitCodeOne) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("ELEMENTS.DAT", CATALOG);
  CommandRun run = RunEphem({dir.Path("nope"), "--body", "1", "--start", "0", "--days", "1"});
  EXPECT_EQ(run.code, 1);
  run = RunEphem({path, "--body", "Ceres", "--start", "0", "--days", "1"});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("no body is named \"Ceres\""), std::string::npos) << run.err;
  run = RunEphem({path, "--body", "2", "--start", "0", "--days", "1"});
  EXPECT_EQ(run.code, 1);
}

}  // namespace
}  // namespace moid::tools

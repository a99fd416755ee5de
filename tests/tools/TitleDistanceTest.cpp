// The distance the window title gives while animating, against `moidtool ephem` for the
// same date: the viewer's whole path (catalogue, list choice, animation, title) against
// the command's.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <regex>
#include <string>

#include "app/AppState.h"
#include "app/Driver.h"
#include "data/TempDirectory.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tools/CommandRunSupport.h"
#include "tools/Commands.h"

namespace moid::tools {
namespace {

using headless::HeadlessPlatform;
using headless::ScriptEvent;

// The bundled catalogue's Earth line and the given line of it.
std::string BundledLines(const std::string& bodyName) {
  std::ifstream in(std::string(MOID_SOURCE_DIR) + "/share/ELEMENTS.DAT", std::ios::binary);
  std::string line, reference, body;
  std::getline(in, reference);
  while (std::getline(in, line)) {
    if (line.find(bodyName) != std::string::npos) body = line;
  }
  return reference + "\n" + body + "\n";
}

// Julian day of a calendar date at 0h, through the standard library's calendar
// (1970 January 1, 0h is JD 2440587.5).
double JulianDayOf(int y, unsigned m, unsigned d) {
  using namespace std::chrono;
  const sys_days day{year{y} / month{m} / d};
  return 2440587.5 + static_cast<double>(day.time_since_epoch().count());
}

struct TitleAfterAnimation {
  std::string title;
  double julianDay = 0;
  double distanceAu = 0;
  double lunarDistances = 0;
};

TitleAfterAnimation AnimateAndReadTitle(const std::string& catalogue, int polls) {
  HeadlessPlatform hp;
  hp.Push(ScriptEvent::ListAnswer(" 432"));
  hp.Push(ScriptEvent::ListAnswer("(99942) Apophis"));
  hp.PushKeys({"M"});
  hp.Push(ScriptEvent::Idle(polls));
  auto state = std::make_unique<AppState>();
  DriverOptions options;
  options.elementsPath = catalogue;
  Platform p = hp.AsPlatform();
  RunDriver(p, *state, options);
  TitleAfterAnimation t;
  t.title = hp.WindowTitle();
  std::smatch m;
  const std::regex shape(R"((\d{4})-(\d\d)-(\d\d) .* ([0-9.]+) AU \(([0-9.]+) LD\))");
  if (std::regex_search(t.title, m, shape)) {
    t.julianDay = JulianDayOf(std::stoi(m[1]), static_cast<unsigned>(std::stoi(m[2])),
                              static_cast<unsigned>(std::stoi(m[3])));
    t.distanceAu = std::stod(m[4]);
    t.lunarDistances = std::stod(m[5]);
  }
  return t;
}

TEST(TitleDistance, MatchesEphemForTheDateShown) {
  testing::TempDirectory dir;
  const std::string lines = BundledLines("(99942) Apophis");
  const double epoch = std::stod(lines.substr(0, lines.find(',')));
  const std::string path = dir.WriteFile("ELEMENTS.DAT", lines);
  const TitleAfterAnimation t = AnimateAndReadTitle(path, 150);
  ASSERT_GT(t.julianDay, 0) << t.title;
  EXPECT_EQ(t.title.rfind("(99942) Apophis", 0), 0u) << t.title;
  // Some 50 days after the catalogue's epoch have been shown.
  EXPECT_GT(t.julianDay, epoch + 20) << t.title;
  const CommandRun ephem = RunCommand(
      RunEphemCommand, {path, "--body", "Apophis", "--start", std::to_string(t.julianDay), "--days", "0"});
  ASSERT_EQ(ephem.code, 0) << ephem.err;
  const std::vector<std::string> rows = Split(ephem.out, '\n');
  ASSERT_EQ(rows.size(), 2u);
  const double expected = std::stod(Split(rows[1], '\t')[8]);
  EXPECT_NEAR(t.distanceAu, expected, 0.5e-6) << t.title;
  EXPECT_NEAR(t.lunarDistances, expected * 149597870.691 / 384400, 0.005) << t.title;
}

}  // namespace
}  // namespace moid::tools

// A random user on the whole program: the real driver through the headless backend, fed
// keys, extended keys, mouse presses, pointer moves, idle polls and list answers at random
// (fixed seeds), on small catalogues of awkward bodies. Every run must leave through the
// exit sequence with code 0; nothing may crash, hang or upset the sanitizers.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <mutex>
#include <thread>

#include "app/AppState.h"
#include "app/AppTestSupport.h"
#include "app/Driver.h"
#include "monkey/MonkeyConsole.h"

namespace moid::monkey {
namespace {

namespace fs = std::filesystem;
using apptest::ScopedCurrentDir;
using apptest::TempDir;
using headless::HeadlessConfig;
using headless::HeadlessPlatform;

// ---------------------------------------------------------------------------------------
// Catalogues

const char* const EARTH =
    "2460000.5, 0.0167086, 0.00005, 102.94719, 0.0, 1.00000011, 357.51716, 0, "
    "Earth-Moon Barycenter\r\n";

// Bodies that push the orbit model, the grid scan, the refinement, the projection and the
// labels to their edges, and records the reader has to skip.
std::string AwkwardCatalog() {
  std::string t = EARTH;
  t += "0, 0, 0, 0, 1.0, 0, (1) Circle in the ecliptic\r\n";  // crosses the Earth's orbit
  t += "0, 0, 0, 0, 2.5, 90, Round\r\n";
  t += "0.99, 12, 150, 80, 3.0, 1, (2) Needle\r\n";
  t += "0.999999, 45, 10, 20, 1.2, 359.9, (3) Almost a parabola\r\n";
  t += "0.3, 5, 60, 120, 1e-6, 10, (4) Tiny\r\n";
  t += "0.1, 3, 30, 40, 1e5, 200, (5) Far away\r\n";
  t += "0.0167086, 0.00005, 102.94719, 0.0, 1.00000011, 357.51716, (6) Earth twin\r\n";
  t += "0.2, 90, 0, 0, 1.5, 0, (7) Polar\r\n";
  t += "0.5, 180, 270, 359.99, 2.0, -720, (8) Retrograde\r\n";
  t += "0.05, 1e6, -1e6, 1e7, 1.1, 1e9, (9) Big angles\r\n";
  t += "0.2229, 10.83, 178.9, 304.3, 1.458, 310.5,   blanks around   \r\n";
  t += "0.1, 2, 3, 4, 1.7, 5, \"(10) Comma, in the name\"\r\n";
  t += "0.1, 2, 3, 4, 1.8, 5, (11) " + std::string(300, 'L') + "\r\n";
  t += "0.1, 2, 3, 4, 1.9, 5, (12) Deg\xb0 \xff\xe9\r\n";
  t += "0.1, 1, 1, 1, 1.3, 1, \r\n";  // no name
  t += "0.4, 7, 8, 9, 2.2, 10, Twin\r\n";
  t += "0.4, 7, 8, 9, 2.3, 10, Twin\r\n";
  t += "1.5, 7, 8, 9, 2.3, 10, (13) Hyperbolic\r\n";    // skipped by the reader
  t += "0.4, 7, 8, 9, 0, 10, (14) No size\r\n";         // skipped
  t += "0.4, 7, 8, 9, -2, 10, (15) Negative size\r\n";  // skipped
  t += "0.4, 1e999, 8, 9, 2, 10, (16) Infinite\r\n";    // skipped
  return t;
}

// A circular reference orbit: grids of nearly one distance, and orbits that coincide.
std::string CircleCatalog() {
  std::string t = "2451545.0, 0, 0, 0, 0, 1, 0, 0, Circle\r\n";
  t += "0, 0, 0, 0, 1e-9, 0, (1) Sun grazer\r\n";
  t += "0, 0, 0, 0, 1, 180, (2) Same circle\r\n";
  t += "0, 0, 0, 0, 1, 0, (3) Same place\r\n";
  t += "0, 90, 0, 0, 1, 0, (4) Upright circle\r\n";
  return t;
}

std::string EmptyCatalog() { return EARTH; }
std::string OneBodyCatalog() { return std::string(EARTH) + "0.3, 4, 5, 6, 1.6, 7, Lonely\r\n"; }

// Record 0 is no ellipse at all (the program refuses it); the bodies are ordinary.
std::string BrokenReferenceCatalog() {
  std::string t = "2460000.5, 1.5, 0, 0, 0, -1, 0, 0, Broken\r\n";
  t += "0.2, 10, 20, 30, 1.4, 50, (1) Plain\r\n";
  t += "0, 0, 0, 0, 1, 0, (2) Circle\r\n";
  return t;
}

enum class Catalog { Awkward, Circle, Empty, OneBody, BrokenReference, Missing };

std::string CatalogText(Catalog c) {
  switch (c) {
    case Catalog::Awkward:
      return AwkwardCatalog();
    case Catalog::Circle:
      return CircleCatalog();
    case Catalog::Empty:
      return EmptyCatalog();
    case Catalog::OneBody:
      return OneBodyCatalog();
    case Catalog::BrokenReference:
      return BrokenReferenceCatalog();
    case Catalog::Missing:
      break;
  }
  return {};
}

// Catalogues the program refuses to start on: it says why and ends.
bool Refused(Catalog c) { return c == Catalog::Missing || c == Catalog::BrokenReference; }

std::string RefusalText(Catalog c, const std::string& path) {
  switch (c) {
    case Catalog::Missing:
      return "File ELEMENTS.DAT Not Found!\nLooked for " + path +
             "; KORIX12DIR names the folder of the catalogue.\n";
    case Catalog::BrokenReference:
      return path + ": the reference orbit (record 0) cannot be used: eccentricity 1.5 is not "
                    "below 1 (not an ellipse)\n";
    default:
      return "";
  }
}

// ---------------------------------------------------------------------------------------
// Screens the backend pretends to have. With 8 x 16 cells the picture and its five text
// rows need 80 + W pixels, so these heights hold W to 72, 144 or 216 (a few larger widths
// for variety); the cell sizes cover every row of the margin tables.

struct Screen {
  int charWidth, charHeight, displayHeight;
};

constexpr std::array<Screen, 10> SCREENS = {{{8, 16, 100},
                                             {8, 16, 160},
                                             {8, 16, 230},
                                             {8, 16, 300},
                                             {8, 16, 300},
                                             {10, 18, 250},
                                             {5, 9, 200},
                                             {6, 10, 230},
                                             {1, 1, 150},
                                             {8, 16, 440}}};

// ---------------------------------------------------------------------------------------
// Watchdog: the virtual clock never waits, so a program that stops reading input for many
// seconds is stuck in a loop. Aborting names the seed, which replays the whole run.

class Watchdog {
 public:
  Watchdog(std::uint64_t seed, std::atomic<std::int64_t>& progress, std::chrono::seconds limit)
      : seed_(seed), progress_(progress), limit_(limit), thread_([this] { Watch(); }) {}
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    wake_.notify_one();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  void Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    std::int64_t seen = progress_.load();
    auto since = std::chrono::steady_clock::now();
    while (!wake_.wait_for(lock, std::chrono::milliseconds(200), [this] { return done_; })) {
      const std::int64_t now = progress_.load();
      if (now != seen) {
        seen = now;
        since = std::chrono::steady_clock::now();
      } else if (std::chrono::steady_clock::now() - since > limit_) {
        std::fprintf(stderr,
                     "monkey seed %llu: no event taken for %lld s after %lld events: hang\n",
                     static_cast<unsigned long long>(seed_), static_cast<long long>(limit_.count()),
                     static_cast<long long>(now));
        std::abort();
      }
    }
  }

  std::uint64_t seed_;
  std::atomic<std::int64_t>& progress_;
  std::chrono::seconds limit_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  std::thread thread_;
};

// ---------------------------------------------------------------------------------------
// Checks after every run

const std::vector<std::string> EXIT_SEQUENCE = {"GfxWindow(1)", "ConsoleWindow(3)",
                                                "SetConsoleSize(80,25)", "SetTextCursorVisible(1)"};

std::uint32_t Le32(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary | std::ios::ate);
  std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg())), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

// A whole 24-bit bottom-up BMP, kept as its bytes with its size.
struct Bmp {
  std::string bytes;
  int width = 0, height = 0;
  std::size_t row = 0;

  // 0xRRGGBB at (x, y), which must lie inside.
  std::uint32_t At(int x, int y) const {
    const std::size_t at =
        54 + row * static_cast<std::size_t>(height - 1 - y) + static_cast<std::size_t>(x) * 3;
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at]));
  }
};

void ExpectWholeBmp(const fs::path& p, Bmp& bmp) {
  bmp.bytes = ReadBytes(p);
  const std::string& b = bmp.bytes;
  ASSERT_GE(b.size(), 54u) << p;
  EXPECT_EQ(b.substr(0, 2), "BM");
  EXPECT_EQ(Le32(b, 2), b.size());
  EXPECT_EQ(Le32(b, 10), 54u);
  bmp.width = static_cast<std::int32_t>(Le32(b, 18));
  bmp.height = static_cast<std::int32_t>(Le32(b, 22));
  ASSERT_GT(bmp.width, 0);
  ASSERT_GT(bmp.height, 0);
  EXPECT_EQ(static_cast<unsigned char>(b[28]), 24);
  bmp.row = (static_cast<std::size_t>(bmp.width) * 3 + 3) / 4 * 4;
  ASSERT_EQ(b.size(), 54 + bmp.row * static_cast<std::size_t>(bmp.height));
}

// The pictures of the last map entry, if any since the last look: both whole, and the right side of
// the map's frame (x = 34 + W, y = 27 .. 27 + W) black but for at most two pixels, where the arms
// of the two crosses may end on it.
void ExpectMapPictures(const fs::path& dir, int W) {
  if (!fs::exists(dir / "Orbdis.bmp")) return;
  ASSERT_TRUE(fs::exists(dir / "Orbits.bmp"));
  ASSERT_TRUE(fs::exists(dir / "Orbdis.bmp"));
  Bmp orbits, map;
  ExpectWholeBmp(dir / "Orbits.bmp", orbits);
  ExpectWholeBmp(dir / "Orbdis.bmp", map);
  if (34 + W < map.width && 27 + W < map.height) {
    int notBlack = 0;
    for (int y = 27; y <= 27 + W; ++y) notBlack += map.At(34 + W, y) != 0 ? 1 : 0;
    EXPECT_LE(notBlack, 2) << "right side of the map's frame at W = " << W;
  }
  fs::remove(dir / "Orbits.bmp");
  fs::remove(dir / "Orbdis.bmp");
}

void ExpectSaneState(const AppState& s) {
  EXPECT_EQ(s.windowWidth % WIDTH_STEP, 0);
  EXPECT_TRUE(s.windowWidth == 0 || s.windowWidth >= MIN_WINDOW_WIDTH) << s.windowWidth;
  EXPECT_GE(s.selectedIndex, 0);
  EXPECT_LE(s.selectedIndex, std::max(0, s.catalog.lastIndex));
  EXPECT_LE(s.catalog.lastIndex, CATALOG_LAST_INDEX);
}

// ---------------------------------------------------------------------------------------

struct MonkeyCase {
  const char* name;
  std::uint64_t seed;
  Catalog catalog;
  int events;
};

std::ostream& operator<<(std::ostream& out, const MonkeyCase& c) { return out << c.name; }

// What all runs of one case went through.
struct Totals {
  Tally screens;
  int fed = 0;
  int runs = 0;
  int closedWindows = 0;  // runs that ended because the input ran out
};

// One run of the whole program on a fresh backend and state, with `budget` random events.
void PlayOneRun(const MonkeyCase& c, const fs::path& dir, const DriverOptions& options,
                std::mt19937_64& rng, int budget, std::atomic<std::int64_t>& progress,
                Totals& totals) {
  const Screen screen =
      SCREENS[std::uniform_int_distribution<std::size_t>(0, SCREENS.size() - 1)(rng)];
  HeadlessPlatform headless(
      HeadlessConfig{screen.charWidth, screen.charHeight, screen.displayHeight});
  auto state = std::make_unique<AppState>();
  MonkeyConsole console(headless, rng, budget, state->windowWidth, progress);
  console.BeforeWidthList([&] { ExpectMapPictures(dir, state->windowWidth); });
  Platform platform{console, headless.Graphics()};
  const int run = ++totals.runs;
  int code = -1;
  try {
    code = RunDriver(platform, *state, options);
  } catch (const std::exception& e) {
    FAIL() << c.name << " run " << run << ": " << e.what()
           << "; last events: " << console.RecentEvents();
  }
  SCOPED_TRACE(std::string(c.name) + " run " + std::to_string(run) +
               ", last events: " + console.RecentEvents());
  ASSERT_EQ(code, 0);
  ASSERT_TRUE(apptest::EndsWith(headless.CallLog(), EXIT_SEQUENCE));
  EXPECT_EQ(headless.ConsoleCols(), 80);
  EXPECT_EQ(headless.ConsoleRows(), 25);
  EXPECT_TRUE(headless.TextCursorVisible());
  ExpectSaneState(*state);
  // The only text the program ever writes is why it cannot start on the catalogue.
  EXPECT_EQ(headless.Output(), RefusalText(c.catalog, *options.elementsPath));
  if (Refused(c.catalog)) {
    EXPECT_TRUE(headless.ListsShown().empty());
  }
  ExpectMapPictures(dir, state->windowWidth);
  ASSERT_GT(console.Fed(), 0);
  console.FlushLog();
  totals.screens.Add(console.Seen());
  totals.fed += console.Fed();
  if (headless.QuitRequested()) ++totals.closedWindows;
}

void Report(const MonkeyCase& c, const Totals& t) {
  std::printf(
      "%s: %d events, %d runs (%d closed), %d width lists, %d body lists, %d maps (%d "
      "left by the right button), %d help boxes, %d animation frames\n",
      c.name, t.fed, t.runs, t.closedWindows, t.screens.widthLists, t.screens.bodyLists,
      t.screens.mapEntries, t.screens.mapToBodyList, t.screens.helpBoxes,
      t.screens.animationFrames);
}

class Monkey : public ::testing::TestWithParam<MonkeyCase> {};

TEST_P(Monkey, EveryRunLeavesThroughTheExitSequence) {
  const MonkeyCase& c = GetParam();
  TempDir dir;
  ScopedCurrentDir here(dir.Path());  // the map writes its pictures here
  DriverOptions options;
  options.elementsPath = dir.File("ELEMENTS.DAT");
  if (c.catalog != Catalog::Missing) {
    apptest::WriteFile(*options.elementsPath, CatalogText(c.catalog));
  }
  std::mt19937_64 rng(c.seed);
  std::atomic<std::int64_t> progress{0};
  Watchdog watchdog(c.seed, progress, std::chrono::seconds(30));
  Totals totals;
  while (totals.fed < c.events && !HasFailure()) {
    // Short runs end with the input at random places: a window closed on any screen.
    const int budget =
        std::min(c.events - totals.fed, std::uniform_int_distribution<int>(20, 600)(rng));
    PlayOneRun(c, dir.Path(), options, rng, budget, progress, totals);
  }
  if (HasFailure()) return;
  Report(c, totals);
  EXPECT_GE(totals.fed, c.events);
  EXPECT_GE(totals.closedWindows, 1);
  if (Refused(c.catalog)) return;
  // The monkey must have been everywhere, not just in the first list.
  EXPECT_GE(totals.screens.widthLists, 2);
  EXPECT_GE(totals.screens.bodyLists, 2);
  EXPECT_GE(totals.screens.mapEntries, 2);
  EXPECT_GE(totals.screens.mapToBodyList, 1);
  EXPECT_GE(totals.screens.helpBoxes, 1);
  EXPECT_GE(totals.screens.animationFrames, 1);
}

// 21,480 events in all; each case is its own test, so the suite runs them side by side.
constexpr MonkeyCase CASES[] = {
    {"Awkward1", 1, Catalog::Awkward, 2400},
    {"Awkward2", 2, Catalog::Awkward, 2400},
    {"Awkward3", 3, Catalog::Awkward, 2400},
    {"Awkward4", 4, Catalog::Awkward, 2400},
    {"Awkward5", 5, Catalog::Awkward, 2400},
    {"Awkward6", 6, Catalog::Awkward, 2400},
    {"Circle7", 7, Catalog::Circle, 4000},
    {"Empty8", 8, Catalog::Empty, 1500},
    {"OneBody9", 9, Catalog::OneBody, 1500},
    {"BrokenReference10", 10, Catalog::BrokenReference, 40},
    {"Missing11", 11, Catalog::Missing, 40},
};

constexpr int TotalEvents() {
  int n = 0;
  for (const MonkeyCase& c : CASES) n += c.events;
  return n;
}
static_assert(TotalEvents() >= 20000, "the monkey plays at least 20,000 events");

INSTANTIATE_TEST_SUITE_P(Seeds, Monkey, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<MonkeyCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace moid::monkey

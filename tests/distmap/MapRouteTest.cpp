// The map screen inside the whole program: the driver, a small catalogue, the headless
// console; the pictures land in a scratch directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/AppTestSupport.h"
#include "app/Driver.h"
#include "platform/Keys.h"
#include "MapTestSupport.h"

namespace moid {
namespace {

using headless::ScriptEvent;

const std::vector<std::string> BODIES = {"(433) Eros", "(1036) Ganymed"};

struct ProgramRun {
  apptest::TempDir dir;
  apptest::ScopedCurrentDir here{dir.Path()};
  std::unique_ptr<AppState> state = apptest::NewState();
  headless::HeadlessPlatform platform;
  DriverOptions options;
  int exitCode = -1;

  ProgramRun() {
    options.elementsPath = dir.File("ELEMENTS.DAT");
    apptest::WriteFile(*options.elementsPath, apptest::CatalogText(BODIES));
  }
  void List(const std::string& answer) { platform.Push(ScriptEvent::ListAnswer(answer)); }
  void Keys(const std::vector<std::string>& k) { platform.PushKeys(k); }
  void Run() {
    Platform p = platform.AsPlatform();
    exitCode = RunDriver(p, *state, options);
  }
  int Count(const std::string& call) const { return apptest::CountCalls(platform.CallLog(), call); }
  maptest::BmpImage Picture(const char* name) const {
    return maptest::BmpImage::Load(dir.Path() / name);
  }
};

std::string Key(char c) { return keys::Ordinary(c); }
const std::string ESC = Key(keys::ESC);

TEST(MapInTheProgram, TheSavedMapShowsTheColorGridOfTheChosenBody) {
  ProgramRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' '), ESC});
  run.Run();
  ASSERT_EQ(run.exitCode, 0);
  const int W = run.state->session.W;
  ASSERT_EQ(W, 432);
  const auto map = run.Picture("Orbdis.bmp");
  ASSERT_TRUE(map.Valid());
  const ColorGrid& colors = run.state->colorGrid;
  const MoidResult& moid = run.state->session.moid;
  const DistanceGrid& grid = run.state->session.grid;
  // Cells on a diagonal sweep, clear of the frame and of both crosses.
  int checked = 0;
  for (int j = 7; j < W - 1; j += 13) {
    const int k = (j * 5) % (W - 1);
    auto near = [&](int cj, int ck) { return std::abs(j - cj) <= 4 && std::abs(k - ck) <= 4; };
    if (near(moid.gridMinEarthIndex, moid.gridMinAsteroidIndex) ||
        near(grid.gridMaxEarthIndex, grid.gridMaxAsteroidIndex) || j == 0 || k == W - 1) {
      continue;
    }
    EXPECT_EQ(map.Pixel(34 + j, W + 26 - k), colors.At(j, k)) << j << "," << k;
    ++checked;
  }
  EXPECT_GT(checked, 25);
  // The closest pair is under the black cross's centre, the farthest under the red one.
  EXPECT_EQ(map.Pixel(34 + moid.gridMinEarthIndex, W + 26 - moid.gridMinAsteroidIndex), BLACK);
  EXPECT_EQ(map.Pixel(34 + grid.gridMaxEarthIndex, W + 26 - grid.gridMaxAsteroidIndex), RED);
}

TEST(MapInTheProgram, OrbitsBmpIsTheOrbitViewNotTheMap) {
  ProgramRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' '), ESC});
  run.Run();
  const auto orbits = run.Picture("Orbits.bmp");
  const auto map = run.Picture("Orbdis.bmp");
  ASSERT_TRUE(orbits.Valid());
  ASSERT_TRUE(map.Valid());
  EXPECT_EQ(orbits.width, map.width);
  EXPECT_EQ(orbits.height, map.height);
  // The map's frame corner and red marker are nowhere in the orbit picture's place.
  const int W = 432;
  const DistanceGrid& grid = run.state->session.grid;
  const int rx = 34 + grid.gridMaxEarthIndex, ry = W + 26 - grid.gridMaxAsteroidIndex;
  EXPECT_EQ(map.Pixel(rx, ry), RED);
  EXPECT_NE(orbits.bytes, map.bytes);
}

TEST(MapInTheProgram, EveryEntryWritesBothPicturesAgain) {
  ProgramRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' '), Key('b'), Key('\r'), keys::MousePress(keys::MOUSE_LEFT), Key(' ')});
  run.Keys({ESC});
  run.Run();
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.Count("SaveGfxWindow(\"Orbits.bmp\")"), 3);
  EXPECT_EQ(run.Count("SaveGfxWindow(\"Orbdis.bmp\")"), 3);
}

TEST(MapInTheProgram, AnotherBodyGivesAnotherMap) {
  ProgramRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' ')});
  run.Keys({keys::MousePress(keys::MOUSE_RIGHT)});
  run.List("(1036) Ganymed");
  run.Keys({Key(' '), ESC});
  run.Run();
  EXPECT_EQ(run.state->catalogReads, 1);  // the right button does not read the file again
  const auto map = run.Picture("Orbdis.bmp");
  ASSERT_TRUE(map.Valid());
  const ColorGrid& colors = run.state->colorGrid;  // Ganymed's
  EXPECT_EQ(map.Pixel(34 + 50, 432 + 26 - 60), colors.At(50, 60));
  EXPECT_EQ(map.Pixel(34 + 380, 432 + 26 - 300), colors.At(380, 300));
}

TEST(MapInTheProgram, BackToTheOrbitViewKeepsARunningAnimation) {
  ProgramRun run;
  run.List(" 432");
  run.List("(433) Eros");
  // Animate, pause, leave for the map with Enter while paused, come back with B.
  run.Keys({Key('M'), Key('P'), Key('\r'), Key('B')});
  run.Keys({ESC});
  run.Run();
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(run.state->session.view.animating);
  EXPECT_FALSE(run.state->session.view.paused);
  EXPECT_GT(run.state->session.view.animTime, run.state->session.epoch - 1);
}

TEST(MapInTheProgram, TheReadoutFollowsThePointerOverTheRealGrid) {
  ProgramRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' ')});
  run.platform.Push(ScriptEvent::Pointer(34 + 108, 432 + 26 - 216));
  run.Keys({ESC});
  run.Run();
  const auto& log = run.platform.CallLog();
  const auto line = std::find_if(log.begin(), log.end(), [](const std::string& c) {
    return c.rfind("DrawTextRow(\"X =  90.0\xB0, Y = 180.0\xB0   Dist = ", 0) == 0;
  });
  ASSERT_NE(line, log.end());
  EXPECT_NE(line->find(" AU,  "), std::string::npos);
  EXPECT_NE(line->find(" Gm\",0)"), std::string::npos);
}

}  // namespace
}  // namespace moid

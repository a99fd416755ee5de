#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "distmap/MapScreen.h"
#include "platform/Keys.h"
#include "MapTestSupport.h"

namespace moid {
namespace {

using headless::ScriptEvent;
constexpr int W = 432;
const std::string EXAMPLE_LINE =
    "X =  90.0\xB0, Y = 180.0\xB0   Dist = 0.252009 AU,    37.7000 Gm";

// Graphics-area pixel of cell (j, k).
int CellX(int j) { return 34 + j; }
int CellY(int k) { return W + 26 - k; }

class MapScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    maptest::SizeScreenForMap(hp, W);
    fixture = maptest::MakeMapFixture(W);
    fixture.session.grid.At(108, 216) = 37.7;
    hp.SetMouseInput(true);  // the orbit view leaves it on
    hp.GetCanvas().SetPointer(0, 0);
    hp.ClearLog();
  }
  MapExit Run() {
    Platform p = hp.AsPlatform();
    return RunDistanceMap(p, fixture.session, fixture.colors, readout);
  }
  const std::vector<std::string>& Log() const { return hp.CallLog(); }
  size_t IndexOf(const std::string& call, size_t from = 0) const {
    const auto it = std::find(Log().begin() + static_cast<long>(from), Log().end(), call);
    return static_cast<size_t>(it - Log().begin());
  }
  size_t CountOf(const std::string& call) const {
    return static_cast<size_t>(std::count(Log().begin(), Log().end(), call));
  }
  // The calls made after the map was saved: the readout and the polling loop.
  std::vector<std::string> AfterSave() const {
    const size_t saved = IndexOf("SaveGfxWindow(\"Orbdis.bmp\")");
    return {Log().begin() + static_cast<long>(std::min(saved + 1, Log().size())), Log().end()};
  }
  void PointAtCell(int j, int k) { hp.Push(ScriptEvent::Pointer(CellX(j), CellY(k))); }

  maptest::ScratchDirectory dir{"screen"};
  headless::HeadlessPlatform hp;
  maptest::MapFixture fixture;
  MapReadout readout;
};

std::string TextCall(const std::string& text) { return "DrawTextRow(\"" + text + "\",0)"; }
const std::string BLANKS(60, ' ');
const std::string WHITE_FONT = "GfxFontColor(" + std::to_string(WHITE) + ")";
const std::string BLACK_FONT = "GfxFontColor(" + std::to_string(BLACK) + ")";
const std::string READOUT_AT = "DrawFrom(40,490)";

// --- Entry --------------------------------------------------------------------------------

TEST_F(MapScreen, EntrySavesTheOrbitPictureFirstThenDrawsSavesAndDiscardsInput) {
  fixture.session.view.paused = true;
  hp.PushKeys({std::string(1, keys::ESC)});
  EXPECT_EQ(Run(), MapExit::ToExit);
  EXPECT_FALSE(fixture.session.view.paused);
  ASSERT_GE(Log().size(), 4u);
  EXPECT_EQ(Log()[0], "SaveGfxWindow(\"Orbits.bmp\")");
  EXPECT_EQ(Log()[1], "GfxWindow(2)");
  const std::vector<std::string> after = AfterSave();
  ASSERT_GE(after.size(), 3u);
  EXPECT_EQ(after[0], "DiscardInput()");
  EXPECT_EQ(after[1], "MouseOverX()");  // the first readout
  EXPECT_EQ(after[2], "MouseOverY()");
  EXPECT_EQ(hp.PixelCount(), static_cast<std::int64_t>(W) * W);
}

TEST_F(MapScreen, EntryKeepsTheRestOfTheViewState) {
  ViewState& v = fixture.session.view;
  v.animating = true;
  v.paused = true;
  v.timeDirection = -1;
  v.animTime = 2460000.5;
  v.azimuthDeg = 45;
  v.ballSize = 7;
  v.gridExtent = 20;
  hp.PushKeys({"B"});
  EXPECT_EQ(Run(), MapExit::ToOrbitView);
  EXPECT_TRUE(v.animating);
  EXPECT_FALSE(v.paused);
  EXPECT_EQ(v.timeDirection, -1);
  EXPECT_EQ(v.animTime, 2460000.5);
  EXPECT_EQ(v.azimuthDeg, 45);
  EXPECT_EQ(v.ballSize, 7);
  EXPECT_EQ(v.gridExtent, 20);
}

TEST_F(MapScreen, FirstReadoutWhenThePointerIsAlreadyOverTheMap) {
  hp.GetCanvas().SetPointer(CellX(108), CellY(216));
  hp.PushKeys({std::string(1, keys::ESC)});
  Run();
  const std::vector<std::string> after = AfterSave();
  ASSERT_GE(after.size(), 5u);
  EXPECT_EQ(after[3], READOUT_AT);
  EXPECT_EQ(after[4], TextCall(EXAMPLE_LINE));  // in the font color in force: no color call
  EXPECT_EQ(readout.readoutText, EXAMPLE_LINE);
  EXPECT_EQ(readout.lastX, 108);
  EXPECT_EQ(readout.lastY, W - 216);
  EXPECT_EQ(CountOf(WHITE_FONT), 0u);  // the pointer never moved: nothing redrawn
}

TEST_F(MapScreen, FirstReadoutOffTheMapDrawsNothingAndBlanksTheText) {
  readout.readoutText = "left over from the last visit";
  readout.lastX = 7;
  readout.lastY = 9;
  hp.GetCanvas().SetPointer(34 + W, 100);  // on the frame's right side
  hp.PushKeys({std::string(1, keys::ESC)});
  Run();
  const std::vector<std::string> after = AfterSave();
  ASSERT_GE(after.size(), 4u);
  EXPECT_EQ(after[3], "Sleep(10)");  // straight into the polling loop
  EXPECT_EQ(readout.readoutText, BLANKS);
  EXPECT_EQ(readout.lastX, 7);  // the pointer of the last line shown is kept
  EXPECT_EQ(readout.lastY, 9);
}

// --- Ways out -----------------------------------------------------------------------------

TEST_F(MapScreen, LetterBInEitherCaseGoesBackAfterClearingTheArea) {
  for (const char* key : {"B", "b"}) {
    SCOPED_TRACE(key);
    hp.ClearLog();
    hp.PushKeys({key});
    EXPECT_EQ(Run(), MapExit::ToOrbitView);
    EXPECT_EQ(Log().back(), "GfxCLS()");
    EXPECT_TRUE(hp.MouseInputOn());
    EXPECT_EQ(hp.GetCanvas().ShownPixel(CellX(5), CellY(7)), WHITE);  // brush still white
  }
}

TEST_F(MapScreen, LeftButtonGoesBackLikeB) {
  hp.PushKeys({keys::MousePress(keys::MOUSE_LEFT)});
  EXPECT_EQ(Run(), MapExit::ToOrbitView);
  EXPECT_EQ(Log().back(), "GfxCLS()");
  EXPECT_TRUE(hp.MouseInputOn());
}

TEST_F(MapScreen, RightButtonClearsTurnsMouseOffAndChoosesABody) {
  hp.PushKeys({keys::MousePress(keys::MOUSE_RIGHT)});
  EXPECT_EQ(Run(), MapExit::ToBodyChoice);
  ASSERT_GE(Log().size(), 2u);
  EXPECT_EQ(Log()[Log().size() - 2], "GfxCLS()");
  EXPECT_EQ(Log().back(), "SetMouseInput(0)");
  EXPECT_FALSE(hp.MouseInputOn());
}

TEST_F(MapScreen, ExtendedKeysChooseAWidthWithoutClearing) {
  for (unsigned char scan : {keys::SCAN_UP, keys::SCAN_LEFT, keys::SCAN_F1, keys::SCAN_HOME}) {
    SCOPED_TRACE(int(scan));
    hp.ClearLog();
    hp.PushKeys({keys::Extended(scan)});
    EXPECT_EQ(Run(), MapExit::ToWidthChoice);
    EXPECT_EQ(Log().back(), "Sleep(10)");
    EXPECT_EQ(CountOf("GfxCLS()"), 1u);  // only the map's own clear
  }
}

TEST_F(MapScreen, EscLeavesForTheExit) {
  hp.PushKeys({std::string(1, keys::ESC)});
  EXPECT_EQ(Run(), MapExit::ToExit);
  EXPECT_EQ(Log().back(), "Sleep(10)");
}

TEST_F(MapScreen, OtherKeysAreDiscardedAndTheMapStays) {
  hp.PushKeys({"x", "M", " ", "\r", "P", keys::MousePress(3),
               std::string{'\xff', '\xff', '\x02', '\x01'}, std::string(1, keys::ESC)});
  EXPECT_EQ(Run(), MapExit::ToExit);
  EXPECT_EQ(CountOf("GfxCLS()"), 1u);
  EXPECT_EQ(CountOf("GfxRefresh(0)"), 7u);  // one per pass that did not leave
  EXPECT_EQ(hp.GetCanvas().ShownPixel(CellX(5), CellY(7)), maptest::CellColor(5, 7));
}

TEST_F(MapScreen, AClosedWindowLeavesForTheExit) {
  hp.Push(ScriptEvent::Idle(3));
  EXPECT_EQ(Run(), MapExit::ToExit);
  EXPECT_TRUE(hp.QuitRequested());
}

TEST_F(MapScreen, PendingMousePressWithMouseOffIsNotARoute) {
  hp.SetMouseInput(false);  // the console drops presses it was not asked to report
  hp.PushKeys({keys::MousePress(keys::MOUSE_RIGHT), std::string(1, keys::ESC)});
  EXPECT_EQ(Run(), MapExit::ToExit);
}

// --- Polling and the readout --------------------------------------------------------------

TEST_F(MapScreen, EachPassSleepsTenAndEachUpdateFiftyMore) {
  readout.lastX = -34;  // the pointer at (0, 0) is where the last line was made
  readout.lastY = -26;
  hp.Push(ScriptEvent::Idle(2));     // 2 quiet passes: 20 ms
  PointAtCell(108, 216);             // moved: 10 + 50 ms
  hp.Push(ScriptEvent::Idle(1));     // still there: 10 ms
  PointAtCell(108, 216);             // same place again: 10 ms, no redraw
  hp.PushKeys({std::string(1, keys::ESC)});  // 10 ms
  Run();
  EXPECT_EQ(hp.ClockMs(), 110);
  EXPECT_EQ(CountOf("Sleep(50)"), 1u);
  EXPECT_EQ(CountOf(TextCall(EXAMPLE_LINE)), 1u);
}

TEST_F(MapScreen, ReadoutErasesTheOldLineInWhiteThenDrawsTheNewInBlack) {
  hp.GetCanvas().SetPointer(CellX(108), CellY(216));
  PointAtCell(3, 0);
  PointAtCell(W, 0);  // off: one pixel right of the last column, on the frame
  hp.PushKeys({std::string(1, keys::ESC)});
  Run();
  const std::string second = ReadoutLine(fixture.session.grid, W, 3, 0);
  const std::vector<std::string> expected = {
      WHITE_FONT, READOUT_AT, TextCall(EXAMPLE_LINE), BLACK_FONT, READOUT_AT, TextCall(second),
      "Sleep(50)"};
  const size_t at = IndexOf(WHITE_FONT);
  ASSERT_LT(at + expected.size(), Log().size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Log()[at + i], expected[i]) << i;
  const std::vector<std::string> leaving = {
      WHITE_FONT, READOUT_AT, TextCall(second), BLACK_FONT, READOUT_AT, TextCall(BLANKS),
      "Sleep(50)"};
  const size_t off = IndexOf(WHITE_FONT, at + 1);
  ASSERT_LT(off + leaving.size(), Log().size());
  for (size_t i = 0; i < leaving.size(); ++i) EXPECT_EQ(Log()[off + i], leaving[i]) << i;
  EXPECT_EQ(readout.readoutText, BLANKS);
  EXPECT_EQ(readout.lastX, W);
  EXPECT_EQ(readout.lastY, W);
}

// Whether any pixel of the readout band (rows W + 56 .. W + 99) is not white.
bool BandHasInk(Canvas& c) {
  for (int y = W + 56; y < W + 100; ++y) {
    for (int x = 0; x < W + 100; ++x) {
      if (c.ShownPixel(x, y) != WHITE) return true;
    }
  }
  return false;
}

TEST_F(MapScreen, NoGhostPixelsAfterThePointerCrossesTheMapAndLeaves) {
  hp.GetCanvas().SetPointer(CellX(108), CellY(216));
  hp.PushKeys({std::string(1, keys::ESC)});
  Run();
  ASSERT_TRUE(BandHasInk(hp.GetCanvas()));  // the readout is really drawn there

  // Widths differ (a line beyond 10 AU is one character longer), then off the map.
  fixture.session.grid.At(400, 5) = 1870.0;
  for (int j = 0; j < W; j += 37) PointAtCell(j, (j * 7) % W);
  PointAtCell(400, 5);
  PointAtCell(1, 1);
  hp.Push(ScriptEvent::Pointer(CellX(200), 26));  // one pixel above the top row
  hp.PushKeys({std::string(1, keys::ESC)});
  Run();
  EXPECT_FALSE(BandHasInk(hp.GetCanvas()));
  EXPECT_EQ(readout.readoutText, BLANKS);
}

TEST_F(MapScreen, ThePointerOnTheFrameOrAboveTheTopRowShowsNoReadout) {
  for (auto [x, y] : {std::pair{34 + W, CellY(100)}, {CellX(100), 26}, {33, CellY(100)},
                      {CellX(100), W + 27}}) {
    SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
    hp.GetCanvas().SetPointer(x, y);
    hp.PushKeys({std::string(1, keys::ESC)});
    Run();
    EXPECT_EQ(readout.readoutText, BLANKS);
    EXPECT_FALSE(BandHasInk(hp.GetCanvas()));
  }
}

// --- Bitmaps ------------------------------------------------------------------------------

TEST_F(MapScreen, BothPicturesAreWrittenToTheCurrentDirectory) {
  GraphicsToolkit& g = hp.Graphics();
  g.BrushColor(RgbColor(10, 20, 200));
  g.GfxCLS();  // stands for the orbit view's last frame
  hp.PushKeys({std::string(1, keys::ESC)});
  Run();
  const auto orbits = maptest::BmpImage::Load(dir.Path() / "Orbits.bmp");
  const auto map = maptest::BmpImage::Load(dir.Path() / "Orbdis.bmp");
  ASSERT_TRUE(orbits.Valid());
  ASSERT_TRUE(map.Valid());
  EXPECT_EQ(orbits.Pixel(CellX(5), CellY(7)), RgbColor(10, 20, 200));
  EXPECT_EQ(map.Pixel(CellX(5), CellY(7)), maptest::CellColor(5, 7));
  EXPECT_EQ(map.Pixel(CellX(300), CellY(50)), RED);
}

TEST_F(MapScreen, EveryEntryWritesBothPicturesAgain) {
  hp.PushKeys({"B"});
  Run();
  // Back in the orbit view: a different picture; and the map of another body.
  hp.Graphics().BrushColor(RgbColor(0, 128, 0));
  hp.Graphics().GfxCLS();
  fixture.colors.cells[static_cast<size_t>(5) * (W + 1) + 7] = RgbColor(1, 2, 3);
  hp.PushKeys({"B"});
  Run();
  const auto orbits = maptest::BmpImage::Load(dir.Path() / "Orbits.bmp");
  const auto map = maptest::BmpImage::Load(dir.Path() / "Orbdis.bmp");
  ASSERT_TRUE(orbits.Valid());
  ASSERT_TRUE(map.Valid());
  EXPECT_EQ(orbits.Pixel(CellX(5), CellY(7)), RgbColor(0, 128, 0));
  EXPECT_EQ(map.Pixel(CellX(5), CellY(7)), RgbColor(1, 2, 3));
  EXPECT_EQ(CountOf("SaveGfxWindow(\"Orbits.bmp\")"), 2u);
  EXPECT_EQ(CountOf("SaveGfxWindow(\"Orbdis.bmp\")"), 2u);
}

TEST_F(MapScreen, AnUnwritablePictureIsSkippedAndTheScreenGoesOn) {
  // A directory in the way of "Orbits.bmp": that save fails, everything else happens.
  std::filesystem::create_directories(dir.Path() / "Orbits.bmp" / "keep");
  hp.PushKeys({"b"});
  EXPECT_EQ(Run(), MapExit::ToOrbitView);
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "Orbits.bmp" / "keep"));
  EXPECT_TRUE(maptest::BmpImage::Load(dir.Path() / "Orbdis.bmp").Valid());
  EXPECT_EQ(Log().back(), "GfxCLS()");
}

}  // namespace
}  // namespace moid

#include "app/DisplaySetup.h"

#include <gtest/gtest.h>

#include "AppTestSupport.h"

namespace moid {
namespace {

using apptest::CountCalls;
using apptest::CountPrefix;
using apptest::EndsWith;
using apptest::HasRun;
using apptest::NewState;
using apptest::TempDir;
using headless::HeadlessConfig;
using headless::HeadlessPlatform;
using headless::ScriptEvent;

TEST(WidthChoices, TenFourCharacterItemsFrom432InStepsOf72) {
  const std::vector<std::string> expected = {" 432", " 504", " 576", " 648", " 720",
                                             " 792", " 864", " 936", "1008", "1080"};
  EXPECT_EQ(WidthChoices(), expected);
}

TEST(WidthFromItem, ListItemsGiveTheirOwnValue) {
  for (const std::string& item : WidthChoices()) {
    EXPECT_EQ(WidthFromItem(item), std::stoi(item)) << item;
  }
  EXPECT_EQ(WidthFromItem("   432"), 432);
}

TEST(WidthFromItem, OtherAnswersStayUsableWidths) {
  EXPECT_EQ(WidthFromItem("abc"), 72);
  EXPECT_EQ(WidthFromItem("0"), 72);
  EXPECT_EQ(WidthFromItem("-432"), 72);
  EXPECT_EQ(WidthFromItem("500"), 432);
  EXPECT_EQ(WidthFromItem("144x"), 144);
  EXPECT_EQ(WidthFromItem("99999999999999999999"), 1080);
}

TEST(ExtraMargins, FollowTheCellSizeBands) {
  EXPECT_EQ(ExtraRowsFor(1), 6);
  EXPECT_EQ(ExtraRowsFor(9), 6);
  EXPECT_EQ(ExtraRowsFor(10), 5);
  EXPECT_EQ(ExtraRowsFor(17), 5);
  EXPECT_EQ(ExtraRowsFor(18), 4);
  EXPECT_EQ(ExtraRowsFor(40), 4);
  EXPECT_EQ(ExtraColsFor(5), 7);
  EXPECT_EQ(ExtraColsFor(6), 6);
  EXPECT_EQ(ExtraColsFor(9), 6);
  EXPECT_EQ(ExtraColsFor(10), 5);
}

// A fit-loop run on a small catalogue of three bodies, with the given cell size and height.
struct FitRun {
  TempDir dir;
  std::unique_ptr<AppState> state = NewState();
  HeadlessPlatform platform;

  FitRun(int charWidth, int charHeight, int displayHeight, int width)
      : platform(HeadlessConfig{charWidth, charHeight, displayHeight}) {
    state->elementsPath = dir.File("ELEMENTS.DAT");
    apptest::WriteFile(state->elementsPath,
                       apptest::CatalogText({"(433) Eros", "(1036) Ganymed", "(99942) Apophis"}));
    state->windowWidth = width;
    Platform p = platform.AsPlatform();
    FitLayout(p, *state);
  }
};

TEST(FitLayout, Width504WithEightBySixteenCells) {
  FitRun run(8, 16, 585, 504);  // needs 5 * 16 + 504 = 584 < 585
  const AppState& s = *run.state;
  EXPECT_EQ(s.windowWidth, 504);
  EXPECT_EQ(s.extraRows, 5);
  EXPECT_EQ(s.extraCols, 6);
  EXPECT_EQ(s.consoleRows, 36);  // 31.5 + 5 = 36.5, ties to even
  EXPECT_EQ(s.consoleCols, 69);  // 63 + 6
  EXPECT_EQ(s.ballSpacing, 14);
  EXPECT_EQ(s.lastSample, 503);
  EXPECT_EQ(s.charWidth, 8);
  EXPECT_EQ(s.charHeight, 16);
  EXPECT_EQ(run.platform.ConsoleCols(), 69);
  EXPECT_EQ(run.platform.ConsoleRows(), 36);
  EXPECT_EQ(s.catalogReads, 1);
}

TEST(FitLayout, Width648RoundsHalfRowsToEven) {
  FitRun run(8, 16, 729, 648);  // needs 728
  EXPECT_EQ(run.state->windowWidth, 648);
  EXPECT_EQ(run.state->consoleRows, 46);  // 40.5 + 5 = 45.5 -> 46
  EXPECT_EQ(run.state->consoleCols, 87);
  EXPECT_EQ(run.state->ballSpacing, 18);
}

TEST(FitLayout, Width1080WithTenByEighteenCells) {
  FitRun run(10, 18, 1153, 1080);  // needs 4 * 18 + 1080 = 1152
  EXPECT_EQ(run.state->windowWidth, 1080);
  EXPECT_EQ(run.state->extraRows, 4);
  EXPECT_EQ(run.state->extraCols, 5);
  EXPECT_EQ(run.state->consoleRows, 64);
  EXPECT_EQ(run.state->consoleCols, 113);
  EXPECT_EQ(run.state->ballSpacing, 30);
}

TEST(FitLayout, BandEdgesOfTheCellSize) {
  FitRun tenHigh(6, 10, 2000, 432);
  EXPECT_EQ(tenHigh.state->extraRows, 5);
  EXPECT_EQ(tenHigh.state->extraCols, 6);
  EXPECT_EQ(tenHigh.state->consoleRows, 48);  // 43.2 + 5 = 48.2
  EXPECT_EQ(tenHigh.state->consoleCols, 78);  // 72 + 6
  FitRun small(5, 9, 2000, 432);
  EXPECT_EQ(small.state->extraRows, 6);
  EXPECT_EQ(small.state->extraCols, 7);
  EXPECT_EQ(small.state->consoleRows, 54);  // 48 + 6
  EXPECT_EQ(small.state->consoleCols, 93);  // 86.4 + 7 = 93.4
}

TEST(FitLayout, AHeightEqualToTheNeedLowersTheWidth) {
  FitRun run(8, 16, 584, 504);  // exactly the 584 pixels needed: not enough
  EXPECT_EQ(run.state->windowWidth, 432);
  EXPECT_EQ(run.state->catalogReads, 2);
  EXPECT_EQ(run.state->consoleRows, 32);  // 27 + 5
  EXPECT_EQ(run.state->consoleCols, 60);  // 54 + 6
  EXPECT_EQ(run.state->ballSpacing, 12);
}

TEST(FitLayout, From1080ToA800PixelScreenReadsTheCatalogueSevenTimes) {
  FitRun run(8, 16, 800, 1080);
  EXPECT_EQ(run.state->windowWidth, 648);
  EXPECT_EQ(run.state->catalogReads, 7);
  const auto& log = run.platform.CallLog();
  // one console size per pass, in falling widths: 1080 / 8 + 6 = 141 columns first
  EXPECT_EQ(CountPrefix(log, "SetConsoleSize("), 7);
  EXPECT_EQ(CountCalls(log, "ClearText()"), 8);  // one per pass, one on leaving
  EXPECT_EQ(CountCalls(log, "ConsoleInfo(35)"), 7);
  EXPECT_EQ(CountPrefix(log, "SetConsoleSize(141,"), 1);
  EXPECT_EQ(CountPrefix(log, "SetConsoleSize(87,46)"), 1);
  EXPECT_EQ(run.platform.ConsoleCols(), 87);
  EXPECT_EQ(run.platform.ConsoleRows(), 46);
}

TEST(FitLayout, StopsLoweringAt72) {
  FitRun run(8, 16, 10, 1080);  // nothing fits
  EXPECT_EQ(run.state->windowWidth, 72);
  EXPECT_EQ(run.state->catalogReads, 15);  // 1080, 1008, ..., 72
  EXPECT_EQ(run.state->ballSpacing, 2);
  EXPECT_EQ(run.state->lastSample, 71);
  EXPECT_EQ(run.state->session.earthTable.nu.size(), 73u);
}

TEST(FitLayout, RecreatesEveryWidthSizedTableZeroFilled) {
  FitRun run(8, 16, 2000, 432);
  AppState& s = *run.state;
  s.session.grid.At(3, 4) = 7.5;
  s.session.earthTable.x[10] = 1.25;
  s.colorGrid.cells[5] = 0x123456;
  s.session.moid.moidAu = 0.5;
  s.windowWidth = 504;
  Platform p = run.platform.AsPlatform();
  FitLayout(p, s);
  EXPECT_EQ(s.session.W, 504);
  EXPECT_EQ(s.session.earthTable.x.size(), 505u);
  EXPECT_EQ(s.session.asteroidTable.nu.size(), 505u);
  EXPECT_EQ(s.session.grid.cells.size(), 505u * 505u);
  EXPECT_EQ(s.colorGrid.cells.size(), 505u * 505u);
  EXPECT_EQ(s.session.projection.earth.size(), 505u);
  for (double d : s.session.grid.cells) ASSERT_EQ(d, 0.0);
  for (double d : s.session.earthTable.x) ASSERT_EQ(d, 0.0);
  for (Color c : s.colorGrid.cells) ASSERT_EQ(c, 0u);
  EXPECT_EQ(s.session.moid.moidAu, 0.0);
  EXPECT_EQ(s.catalogReads, 2);
}

TEST(FitLayout, ReadsTheCatalogueAndPreparesTheEarth) {
  FitRun run(8, 16, 2000, 432);
  const AppState& s = *run.state;
  EXPECT_EQ(s.catalog.lastIndex, 2);
  EXPECT_EQ(s.catalog.epoch, 2460000.5);
  EXPECT_EQ(s.catalog.reference.name, "Earth-Moon Barycenter");
  EXPECT_EQ(s.catalog.bodies[2].name, "(99942) Apophis");
  EXPECT_TRUE(s.skippedRecords.empty());
  EXPECT_TRUE(s.session.earth.isEarth);
  EXPECT_DOUBLE_EQ(s.session.earth.a, 1.00000011);
  EXPECT_DOUBLE_EQ(s.session.earth.e, 0.0167086);
}

TEST(FitLayout, KeepsThePositionsOfSkippedRecords) {
  TempDir dir;
  auto state = NewState();
  state->elementsPath = dir.File("ELEMENTS.DAT");
  std::string text = apptest::CatalogText({"(433) Eros"});
  text += "1.5, 10, 20, 30, 2.0, 40, Hyperbolic\r\n";  // not an ellipse: no slot
  text += apptest::BodyLine("(1036) Ganymed");
  apptest::WriteFile(state->elementsPath, text);
  state->windowWidth = 432;
  HeadlessPlatform platform;
  Platform p = platform.AsPlatform();
  FitLayout(p, *state);
  EXPECT_EQ(state->skippedRecords, std::vector<int>{2});
  EXPECT_EQ(state->catalog.lastIndex, 1);
  EXPECT_EQ(state->catalog.bodies[1].name, "(1036) Ganymed");
}

TEST(FitLayout, LeavesAWhiteGraphicsAreaReadyForTheList) {
  FitRun run(8, 16, 2000, 432);
  const auto& log = run.platform.CallLog();
  EXPECT_TRUE(EndsWith(log, {"ClearText()", "ConsoleGfx(0,0,0,0)", "GfxOption(6,0)",
                             "GfxOption(1,0)", "GfxWindow(5)", "Sleep(50)",
                             "BrushColor(16777215)", "GfxCLS()"}));
  EXPECT_TRUE(HasRun(log, {"ClearText()", "ConsoleMetrics(1)", "ConsoleMetrics(2)",
                          "GfxWindow(1)", "ConsoleNormal()", "SetConsoleSize(60,32)",
                          "ConsoleInfo(35)", "ClearText()", "ConsoleGfx(0,0,0,0)"}));
  EXPECT_EQ(run.platform.ClockMs(), 50);
}

TEST(ChooseWindowWidth, PreparesTheConsoleAndShowsTheList) {
  auto state = NewState();
  state->widthChoices = WidthChoices();
  HeadlessPlatform platform;
  platform.Push(ScriptEvent::ListAnswer(" 576"));
  Platform p = platform.AsPlatform();
  EXPECT_EQ(ChooseWindowWidth(p, *state), " 576");
  ASSERT_EQ(platform.ListsShown().size(), 1u);
  EXPECT_EQ(platform.ListsShown()[0].prompt, "Please select the window's width (pixels)");
  EXPECT_EQ(platform.ListsShown()[0].title, "Window Selection");
  EXPECT_EQ(platform.ListsShown()[0].items, WidthChoices());
  EXPECT_TRUE(HasRun(platform.CallLog(),
                     {"ConsoleWindow(0)", "SetConsoleSize(40,20)", "ConsoleGfx(0,0,0,0)",
                      "GfxWindow(1)", "ConsoleGfx(0,0,0,0)", "GfxOption(6,0)", "GfxOption(1,0)",
                      "GfxWindow(5)", "Sleep(50)", "BrushColor(16777215)", "GfxCLS()",
                      "ConsoleNormal()"}));
  EXPECT_EQ(platform.ConsoleCols(), 40);
  EXPECT_EQ(platform.ConsoleRows(), 20);
}

TEST(ChooseWindowWidth, DismissalGivesTheEmptyText) {
  auto state = NewState();
  state->widthChoices = WidthChoices();
  HeadlessPlatform platform;
  platform.Push(ScriptEvent::ListAnswer(""));
  Platform p = platform.AsPlatform();
  EXPECT_EQ(ChooseWindowWidth(p, *state), "");
}

}  // namespace
}  // namespace moid

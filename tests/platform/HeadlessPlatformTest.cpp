#include <gtest/gtest.h>

#include "platform/Keys.h"
#include "platform/headless/HeadlessPlatform.h"

namespace moid::headless {
namespace {

using Log = std::vector<std::string>;

TEST(HeadlessScript, KeysArriveInOrderThenTheScriptEndsInQuit) {
  HeadlessPlatform p;
  p.PushKeys({"A", keys::Extended(keys::SCAN_UP), keys::Ordinary(keys::ESC)});
  EXPECT_EQ(p.EventsLeft(), 3u);
  EXPECT_EQ(p.ReadKey(), "A");
  EXPECT_EQ(p.ReadKey(), std::string("\0\x48", 2));
  EXPECT_EQ(p.ReadKey(), "\x1b");
  EXPECT_FALSE(p.QuitRequested());  // the last key is still acted on
  EXPECT_EQ(p.ReadKey(), "");
  EXPECT_TRUE(p.QuitRequested());
  EXPECT_EQ(p.ReadKey(), "");
  EXPECT_TRUE(p.QuitRequested());
}

TEST(HeadlessScript, IdleGivesThatManyEmptyPolls) {
  HeadlessPlatform p;
  p.Push(ScriptEvent::Idle(3));
  p.Push(ScriptEvent::Idle(0));  // nothing
  p.Push(ScriptEvent::Key("x"));
  EXPECT_EQ(p.ReadKey(), "");
  EXPECT_EQ(p.ReadKey(), "");
  EXPECT_EQ(p.ReadKey(), "");
  EXPECT_EQ(p.ReadKey(), "x");
  EXPECT_FALSE(p.QuitRequested());
}

TEST(HeadlessScript, PointerMovesWhatTheGraphicsReport) {
  HeadlessPlatform p;
  p.Push(ScriptEvent::Pointer(12, 34));
  p.Push(ScriptEvent::Key("b"));
  EXPECT_EQ(p.ReadKey(), "");
  EXPECT_EQ(p.Graphics().MouseOverX(), 12);
  EXPECT_EQ(p.Graphics().MouseOverY(), 34);
  EXPECT_EQ(p.ReadKey(), "b");
}

TEST(HeadlessScript, MousePressesCountOnlyWhileMouseInputIsOn) {
  HeadlessPlatform p;
  p.PushKeys({keys::MousePress(keys::MOUSE_LEFT), keys::MousePress(keys::MOUSE_RIGHT)});
  EXPECT_FALSE(p.MouseInputOn());
  EXPECT_EQ(p.ReadKey(), "");  // consumed and dropped
  p.SetMouseInput(true);
  EXPECT_TRUE(p.MouseInputOn());
  EXPECT_EQ(p.ReadKey(), keys::MousePress(keys::MOUSE_RIGHT));
  EXPECT_EQ(p.EventsLeft(), 0u);
}

TEST(HeadlessScript, ListBoxTakesTheNextAnswerAndDropsKeysBeforeIt) {
  HeadlessPlatform p;
  p.PushKeys({"q", "w"});
  p.Push(ScriptEvent::ListAnswer("  433 Eros"));
  p.Push(ScriptEvent::Key("after"));
  const std::vector<std::string> items{"  1 Ceres", "  433 Eros"};
  EXPECT_EQ(p.ConsoleListBox(3, 0, 0, "Choose", "Asteroid Selection", items, 0, 0, 0),
            "  433 Eros");
  ASSERT_EQ(p.ListsShown().size(), 1u);
  EXPECT_EQ(p.ListsShown()[0].prompt, "Choose");
  EXPECT_EQ(p.ListsShown()[0].title, "Asteroid Selection");
  EXPECT_EQ(p.ListsShown()[0].items, items);
  EXPECT_EQ(p.ListsShown()[0].answer, "  433 Eros");
  EXPECT_EQ(p.ReadKey(), "after");
}

TEST(HeadlessScript, ListBoxHandsBackTheRowOfItsAnswer) {
  HeadlessPlatform p;
  const std::vector<std::string> items{"Twin", "", "Twin", ""};
  p.Push(ScriptEvent::ListRow(2));
  p.Push(ScriptEvent::ListAnswer("Twin"));
  p.Push(ScriptEvent::ListRow(1));
  p.Push(ScriptEvent::ListAnswer(""));
  p.Push(ScriptEvent::ListRow(4));
  p.Push(ScriptEvent::ListAnswer("Nobody"));
  const std::vector<std::pair<std::string, int>> expected = {
      {"Twin", 2}, {"Twin", 0}, {"", 1}, {"", -1}, {"", -1}, {"Nobody", -1}};
  for (const auto& [text, row] : expected) {
    int chosen = 99;
    EXPECT_EQ(p.ConsoleListBox(3, 0, 0, "p", "t", items, 0, 0, 0, &chosen), text);
    EXPECT_EQ(chosen, row) << text;
    EXPECT_EQ(p.ListsShown().back().row, row);
  }
  int chosen = 99;
  EXPECT_EQ(p.ConsoleListBox(3, 0, 0, "p", "t", items, 0, 0, 0, &chosen), "");  // script ended
  EXPECT_EQ(chosen, -1);
}

TEST(HeadlessScript, ListBoxAtTheScriptEndReturnsNothingAndQuits) {
  HeadlessPlatform p;
  p.Push(ScriptEvent::Key("x"));
  EXPECT_EQ(p.ConsoleListBox(3, 0, 0, "", "Window Selection", {"720"}, 0, 0, 0), "");
  EXPECT_TRUE(p.QuitRequested());
  EXPECT_EQ(p.ListsShown().size(), 1u);
}

TEST(HeadlessScript, AnswerMetByReadKeyIsConsumedSilently) {
  HeadlessPlatform p;
  p.Push(ScriptEvent::ListAnswer("720"));
  p.Push(ScriptEvent::Key("k"));
  EXPECT_EQ(p.ReadKey(), "");
  EXPECT_EQ(p.ReadKey(), "k");
}

TEST(HeadlessScript, WaitForKeyTakesOneKeyAndNeverHangs) {
  HeadlessPlatform p;
  p.Push(ScriptEvent::Idle(5));
  p.Push(ScriptEvent::Pointer(1, 2));
  p.PushKeys({keys::MousePress(1), "x", "y"});
  p.WaitForKey();
  EXPECT_EQ(p.ReadKey(), "y");
  EXPECT_EQ(p.Graphics().MouseOverY(), 2);
  p.WaitForKey();  // script used up: returns at once
  EXPECT_TRUE(p.QuitRequested());
}

TEST(HeadlessScript, MessageBoxConsumesNothing) {
  HeadlessPlatform p;
  p.Push(ScriptEvent::Key("z"));
  p.ConsoleMessageBox("Keys:\\tArrows\\nEsc", 0, "Available Commands", 0, 0);
  EXPECT_EQ(p.EventsLeft(), 1u);
  EXPECT_EQ(p.ReadKey(), "z");
}

TEST(HeadlessScript, DiscardInputKeepsTheScript) {
  HeadlessPlatform p;
  p.Push(ScriptEvent::Key("z"));
  p.DiscardInput();
  EXPECT_EQ(p.ReadKey(), "z");
}

TEST(HeadlessClock, SleepAdvancesVirtualTimeOnly) {
  HeadlessPlatform p;
  EXPECT_EQ(p.ClockMs(), 0);
  p.Sleep(10);
  p.Sleep(50);
  p.Sleep(3600 * 1000);  // an hour: would stall the test if it really waited
  p.Sleep(-5);
  EXPECT_EQ(p.ClockMs(), 10 + 50 + 3600 * 1000);
}

TEST(HeadlessConsole, GeometryComesFromTheConfiguration) {
  HeadlessPlatform p(HeadlessConfig{9, 18, 1050});
  EXPECT_EQ(p.ConsoleMetrics(CONSOLE_CELL_WIDTH), 9);
  EXPECT_EQ(p.ConsoleMetrics(CONSOLE_CELL_HEIGHT), 18);
  EXPECT_EQ(p.ConsoleInfo(CONSOLE_DISPLAY_HEIGHT), 1050);
  p.SetConsoleSize(100, 40);
  EXPECT_EQ(p.ConsoleCols(), 100);
  EXPECT_EQ(p.ConsoleRows(), 40);
  p.SetConsoleSize(10000, 50);  // above 9999: nothing
  p.SetConsoleSize(50, 10000);
  EXPECT_EQ(p.ConsoleCols(), 100);
  EXPECT_EQ(p.ConsoleRows(), 40);
  p.ConsoleGfx(0, 0, 0, 0);
  EXPECT_EQ(p.GetCanvas().Width(), 900);
  EXPECT_EQ(p.GetCanvas().Height(), 720);
}

TEST(HeadlessConsole, GraphicsAreaStaysEmptyUntilTheConsoleHasASize) {
  HeadlessPlatform p;
  p.ConsoleGfx(0, 0, 0, 0);
  EXPECT_EQ(p.GetCanvas().Width(), 0);
  EXPECT_FALSE(p.Graphics().SaveGfxWindow("never-written.bmp"));
}

TEST(HeadlessConsole, TextOutputCursorAndMouseState) {
  HeadlessPlatform p;
  EXPECT_TRUE(p.TextCursorVisible());
  p.SetTextCursorVisible(false);
  EXPECT_FALSE(p.TextCursorVisible());
  p.WriteLine("File ELEMENTS.DAT Not Found!");
  p.ClearText();
  p.WriteLine("second");
  EXPECT_EQ(p.Output(), "File ELEMENTS.DAT Not Found!\nsecond\n");
}

TEST(HeadlessGraphics, DrawsIntoTheCanvas) {
  HeadlessPlatform p;
  p.SetConsoleSize(4, 2);
  p.ConsoleGfx(0, 0, 0, 0);
  GraphicsToolkit& g = p.AsPlatform().graphics;
  g.PenColor(RED);
  g.DrawLine(0, 5, 31, 5);
  g.DrawPixel(3, 3, BLACK);
  g.DrawPixel(4, 3, BLACK);
  EXPECT_EQ(p.GetCanvas().ShownPixel(17, 5), RED);
  EXPECT_EQ(p.GetCanvas().ShownPixel(4, 3), BLACK);
  EXPECT_EQ(p.PixelCount(), 2);
  EXPECT_EQ(&p.AsPlatform().console, static_cast<ConsoleToolkit*>(&p));
}

TEST(HeadlessLog, EveryCallIsLoggedInItsFixedForm) {
  HeadlessPlatform p;
  p.Push(ScriptEvent::ListAnswer("1008"));
  p.Push(ScriptEvent::Key("k"));
  std::int32_t zero = 0;
  GraphicsToolkit& g = p.Graphics();
  p.InitConsoleTools(0, 0, 0, CONSOLE_TOOLS_START_MODE, zero, 0);
  p.ConsoleWindow(0);
  p.SetConsoleSize(80, 25);
  p.ConsoleGfx(0, 0, 0, 0);
  g.GfxWindow(GFX_WINDOW_BEGIN_PICTURE);
  g.GfxFont("Arial", 0, 15, 1, 0, 0, 0.0);
  g.PenColor(255);
  g.GfxBkgdColor(WHITE);
  g.DrawLine(1, 2, 3, 4);
  g.DrawFrom(5, 6);
  g.DrawTo(7, 8);
  g.DrawCircle(10);
  g.DrawPixel(1, 1, 0);
  g.DrawTextRow("F1=Help", 0);
  g.GfxWindow(GFX_WINDOW_SHOW_PICTURE);
  p.ConsoleListBox(3, 0, 0, "prompt", "Window Selection", {"1008"}, 0, 0, 0);
  p.ConsoleMessageBox("text", 0, "Available Commands", 0, 0);
  EXPECT_EQ(p.ReadKey(), "k");
  p.Sleep(10);
  g.GfxRefresh(0);
  p.SetTextCursorVisible(true);
  p.WriteLine("File ELEMENTS.DAT Not Found!");
  p.ConsoleWindow(3);
  const Log expected{"InitConsoleTools(0,0,0,3,0,0)",
                     "ConsoleWindow(0)",
                     "SetConsoleSize(80,25)",
                     "ConsoleGfx(0,0,0,0)",
                     "GfxWindow(2)",
                     "GfxFont(\"Arial\",0,15,1,0,0,0)",
                     "PenColor(255)",
                     "GfxBkgdColor(16777215)",
                     "DrawLine(1,2,3,4)",
                     "DrawFrom(5,6)",
                     "DrawTo(7,8)",
                     "DrawCircle(10)",
                     "DrawTextRow(\"F1=Help\",0)",
                     "GfxWindow(3)",
                     "ConsoleListBox(\"Window Selection\")",
                     "ConsoleMessageBox(\"Available Commands\")",
                     "Sleep(10)",
                     "GfxRefresh(0)",
                     "SetTextCursorVisible(1)",
                     "WriteLine(\"File ELEMENTS.DAT Not Found!\")",
                     "ConsoleWindow(3)"};
  EXPECT_EQ(p.CallLog(), expected);
  p.ClearLog();
  EXPECT_TRUE(p.CallLog().empty());
  EXPECT_EQ(p.PixelCount(), 1);
}

TEST(HeadlessLog, SaveIsLoggedWithItsFileName) {
  HeadlessPlatform p;
  p.Graphics().SaveGfxWindow("Orbits.bmp");  // empty area: logged, nothing written
  EXPECT_EQ(p.CallLog(), Log{"SaveGfxWindow(\"Orbits.bmp\")"});
}

}  // namespace
}  // namespace moid::headless

#include "platform/sdl/SdlPlatform.h"

#include <gtest/gtest.h>

#include "SdlTestWindow.h"
#include "platform/Keys.h"

namespace moid::sdl {
namespace {

using test::KeyDown;
using test::MouseDown;
using test::Push;
using test::TextInput;

constexpr std::uint32_t WHITE_RGB = 0xFFFFFF;
constexpr std::uint32_t RED_RGB = 0xFF0000;

using SdlConsole = test::SdlWindowTest;

TEST_F(SdlConsole, CellSizeComesFromTheConsoleFont) {
  const int cw = window->ConsoleMetrics(CONSOLE_CELL_WIDTH);
  const int ch = window->ConsoleMetrics(CONSOLE_CELL_HEIGHT);
  // Liberation Mono at 13 pixels gives cells of 8 x 16 pixels.
  EXPECT_EQ(cw, 8);
  EXPECT_EQ(ch, 16);
  EXPECT_EQ(window->ConsoleMetrics(3), 0);
  // The console starts as 80 x 25 cells.
  EXPECT_EQ(window->WindowWidth(), 80 * cw);
  EXPECT_EQ(window->WindowHeight(), 25 * ch);
}

TEST_F(SdlConsole, TheWindowTitleIsTheTextGiven) {
  window->SetWindowTitle("moidview - Orbits.bmp not saved in /tmp/caf\xC3\xA9");
  EXPECT_EQ(window->WindowTitle(), "moidview - Orbits.bmp not saved in /tmp/caf\xC3\xA9");
  window->SetWindowTitle("moidview");
  EXPECT_EQ(window->WindowTitle(), "moidview");
}

TEST_F(SdlConsole, SetConsoleSizeSizesTheWindowInCells) {
  const int cw = window->ConsoleMetrics(CONSOLE_CELL_WIDTH);
  const int ch = window->ConsoleMetrics(CONSOLE_CELL_HEIGHT);
  window->SetConsoleSize(40, 20);
  EXPECT_EQ(window->ConsoleCols(), 40);
  EXPECT_EQ(window->ConsoleRows(), 20);
  EXPECT_EQ(window->WindowWidth(), 40 * cw);
  EXPECT_EQ(window->WindowHeight(), 20 * ch);
  // Above 9999 in either value, or no cells at all: nothing changes.
  window->SetConsoleSize(10000, 30);
  window->SetConsoleSize(69, 10000);
  window->SetConsoleSize(0, 30);
  window->SetConsoleSize(69, -1);
  EXPECT_EQ(window->ConsoleCols(), 40);
  EXPECT_EQ(window->ConsoleRows(), 20);
  EXPECT_EQ(window->WindowWidth(), 40 * cw);
  // 9999 is still a size; the window stops at a sane number of pixels.
  window->SetConsoleSize(9999, 9999);
  EXPECT_EQ(window->ConsoleCols(), 9999);
  EXPECT_EQ(window->WindowWidth(), 8192);
  EXPECT_EQ(window->WindowHeight(), 8192);
}

TEST_F(SdlConsole, DisplayHeightIsTheUsableHeightLessTheFrame) {
  SDL_Rect usable{};
  ASSERT_EQ(SDL_GetDisplayUsableBounds(0, &usable), 0);
  // The dummy display has no window frame.
  EXPECT_EQ(window->ConsoleInfo(CONSOLE_DISPLAY_HEIGHT), usable.h);
  EXPECT_EQ(window->ConsoleInfo(1), 0);
}

TEST_F(SdlConsole, ConsoleGfxSizesTheGraphicsAreaToTheConsole) {
  window->SetConsoleSize(69, 36);
  window->ConsoleGfx(0, 0, 0, 0);
  EXPECT_EQ(window->GetCanvas().Width(), 69 * window->ConsoleMetrics(CONSOLE_CELL_WIDTH));
  EXPECT_EQ(window->GetCanvas().Height(), 36 * window->ConsoleMetrics(CONSOLE_CELL_HEIGHT));
}

TEST_F(SdlConsole, PictureAppearsAtGfxWindow3) {
  window->SetConsoleSize(40, 20);
  window->ConsoleGfx(0, 0, 0, 0);
  GraphicsToolkit& g = window->Graphics();
  g.GfxWindow(GFX_WINDOW_GRAPHICS);
  g.BrushColor(WHITE);
  g.GfxCLS();
  g.GfxRefresh(0);
  EXPECT_EQ(window->ScreenPixel(5, 5), WHITE_RGB);
  g.GfxWindow(GFX_WINDOW_BEGIN_PICTURE);
  g.DrawPixel(5, 5, RED);
  g.GfxRefresh(0);
  EXPECT_EQ(window->ScreenPixel(5, 5), WHITE_RGB);  // still being built
  g.GfxWindow(GFX_WINDOW_SHOW_PICTURE);
  EXPECT_EQ(window->ScreenPixel(5, 5), RED_RGB);
  EXPECT_EQ(window->ScreenPixel(6, 5), WHITE_RGB);
}

TEST_F(SdlConsole, AnIdleScreenPresentsNothing) {
  window->ConsoleGfx(0, 0, 0, 0);
  window->Graphics().GfxWindow(GFX_WINDOW_GRAPHICS);
  window->Graphics().GfxRefresh(0);
  EXPECT_GE(window->PresentCount(), 1u);
  window->Sleep(0);  // the window's own "shown" notice asks for one more picture
  const auto presents = window->PresentCount();
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(window->ReadKey(), "");
    window->Sleep(0);
    window->Graphics().GfxRefresh(0);
    window->Graphics().GfxWindow(GFX_WINDOW_SHOW_PICTURE);
  }
  EXPECT_EQ(window->PresentCount(), presents);
  // One drawing call outside a picture is shown at the next idle pass.
  window->Graphics().DrawPixel(1, 1, RED);
  window->Graphics().GfxRefresh(0);
  EXPECT_EQ(window->PresentCount(), presents + 1);
  EXPECT_EQ(window->ScreenPixel(1, 1), RED_RGB);
}

TEST_F(SdlConsole, TextScreenShowsWhenTheGraphicsAreaIsClosed) {
  window->ConsoleGfx(0, 0, 0, 0);
  window->Graphics().GfxWindow(GFX_WINDOW_GRAPHICS);
  window->Sleep(0);
  EXPECT_EQ(window->ScreenPixel(300, 300), WHITE_RGB);
  window->Graphics().GfxWindow(GFX_WINDOW_CONSOLE);
  testing::internal::CaptureStdout();
  window->WriteLine("MMMMMMMM");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "MMMMMMMM\n");
  window->Sleep(0);
  EXPECT_EQ(window->ScreenPixel(300, 300), 0u);  // black console background
  bool ink = false;
  const int ch = window->ConsoleMetrics(CONSOLE_CELL_HEIGHT);
  for (int y = 0; y < ch; ++y) {
    for (int x = 0; x < 64; ++x) ink = ink || window->ScreenPixel(x, y) != 0;
  }
  EXPECT_TRUE(ink) << "the line is drawn in the first row";
}

TEST_F(SdlConsole, TextCursorVisibilityIsKept) {
  EXPECT_TRUE(window->TextCursorVisible());
  window->SetTextCursorVisible(false);
  EXPECT_FALSE(window->TextCursorVisible());
  window->SetTextCursorVisible(true);
  EXPECT_TRUE(window->TextCursorVisible());
}

TEST_F(SdlConsole, KeysArriveInOrderAsKeyBufferEntries) {
  Push(KeyDown(SDLK_UP));
  Push(KeyDown(SDLK_m));  // a letter's key-down gives nothing; its text does
  Push(TextInput("m"));
  Push(KeyDown(SDLK_SPACE));
  Push(TextInput(" "));
  Push(KeyDown(SDLK_F1));
  Push(KeyDown(SDLK_ESCAPE));
  EXPECT_EQ(window->ReadKey(), keys::Extended(keys::SCAN_UP));
  EXPECT_EQ(window->ReadKey(), "m");
  EXPECT_EQ(window->ReadKey(), " ");
  EXPECT_EQ(window->ReadKey(), keys::Extended(keys::SCAN_F1));
  EXPECT_EQ(window->ReadKey(), "\x1b");
  EXPECT_EQ(window->ReadKey(), "");
}

TEST_F(SdlConsole, MousePressesCountOnlyWhileMouseInputIsOn) {
  Push(MouseDown(SDL_BUTTON_LEFT, 30, 40));
  EXPECT_EQ(window->ReadKey(), "");
  EXPECT_EQ(window->Graphics().MouseOverX(), 30);
  EXPECT_EQ(window->Graphics().MouseOverY(), 40);
  window->SetMouseInput(true);
  EXPECT_TRUE(window->MouseInputOn());
  Push(MouseDown(SDL_BUTTON_RIGHT, 50, 60));
  EXPECT_EQ(window->ReadKey(), keys::MousePress(keys::MOUSE_RIGHT));
  window->SetMouseInput(false);
  Push(MouseDown(SDL_BUTTON_RIGHT));
  EXPECT_EQ(window->ReadKey(), "");
}

TEST_F(SdlConsole, PointerFollowsMotionOverTheWindow) {
  Push(test::MouseMove(123, 45));
  EXPECT_EQ(window->Graphics().MouseOverX(), 123);
  EXPECT_EQ(window->Graphics().MouseOverY(), 45);
  Push(test::MouseMove(7, 8));
  window->Sleep(0);
  EXPECT_EQ(window->Graphics().MouseOverY(), 8);
}

TEST_F(SdlConsole, DiscardInputDropsWhatIsPending) {
  Push(TextInput("a"));
  Push(KeyDown(SDLK_DOWN));
  window->DiscardInput();
  EXPECT_EQ(window->ReadKey(), "");
  Push(TextInput("b"));
  EXPECT_EQ(window->ReadKey(), "b");
}

TEST_F(SdlConsole, WaitForKeyTakesExactlyOneKey) {
  Push(TextInput("a"));
  Push(TextInput("b"));
  window->WaitForKey();
  EXPECT_EQ(window->ReadKey(), "b");
}

TEST_F(SdlConsole, ClosingTheWindowEndsEveryWait) {
  EXPECT_FALSE(window->QuitRequested());
  Push(TextInput("a"));
  Push(test::WindowClose());
  Push(TextInput("b"));
  EXPECT_EQ(window->ReadKey(), "");  // nothing is read once the window is closed
  EXPECT_TRUE(window->QuitRequested());
  window->WaitForKey();  // returns at once
  const std::vector<std::string> items = {"a", "b"};
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", items, 0, 0, 0), "");
  window->ConsoleMessageBox("text", 0, "title", 0, 0);
  // The exit sequence's calls still work.
  window->Graphics().GfxWindow(GFX_WINDOW_CONSOLE);
  window->ConsoleWindow(3);
  window->SetConsoleSize(80, 25);
  window->SetTextCursorVisible(true);
  EXPECT_TRUE(window->QuitRequested());
}

TEST_F(SdlConsole, QuitEventFromTheSystemEndsEveryWaitToo) {
  Push(test::Quit());
  window->WaitForKey();
  EXPECT_TRUE(window->QuitRequested());
}

TEST(SdlOpen, InvisibleDriversAreRefusedUnlessAllowed) {
  SdlOptions options;
  options.videoDriver = "dummy";
  std::string whyNot;
  EXPECT_EQ(SdlPlatform::Open(options, whyNot), nullptr);
  EXPECT_NE(whyNot.find("no display"), std::string::npos) << whyNot;
  EXPECT_EQ(whyNot.find('\n'), std::string::npos);  // one line
  // Refusing left SDL ready to be opened again.
  options.allowInvisible = true;
  auto window = SdlPlatform::Open(options, whyNot);
  ASSERT_TRUE(window);
  // A second window in the same process is refused, not half-made.
  std::string second;
  EXPECT_EQ(SdlPlatform::Open(options, second), nullptr);
  EXPECT_FALSE(second.empty());
}

TEST(SdlOpen, AnUnknownDriverIsRefusedWithAReason) {
  SdlOptions options;
  options.videoDriver = "no-such-driver";
  std::string whyNot;
  EXPECT_EQ(SdlPlatform::Open(options, whyNot), nullptr);
  EXPECT_NE(whyNot.find("no display"), std::string::npos) << whyNot;
}

}  // namespace
}  // namespace moid::sdl

namespace moid::sdl {
namespace {

using test::KeyDown;
using test::Push;

// A program started from a desktop has no terminal: what it wrote before waiting for a key
// is shown in a message box too.
class SdlWaitMessage : public ::testing::Test {
 protected:
  void SetUp() override {
    window = test::OpenDummyWindow(SdlOptions::WaitMessage::Always);
    ASSERT_TRUE(window);
  }
  std::unique_ptr<SdlPlatform> window;
};

TEST_F(SdlWaitMessage, WrittenLineIsShownInABoxWhoseDismissalIsTheKey) {
  testing::internal::CaptureStdout();
  window->WriteLine("File ELEMENTS.DAT Not Found!");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "File ELEMENTS.DAT Not Found!\n");
  const auto before = window->PresentCount();
  Push(KeyDown(SDLK_RETURN));
  Push(KeyDown(SDLK_UP));
  window->WaitForKey();
  // The console, the box over it, the console again.
  EXPECT_GE(window->PresentCount(), before + 3);
  // Return dismissed the box and was the key waited for; the next key is still there.
  EXPECT_EQ(window->ReadKey(), keys::Extended(keys::SCAN_UP));
}

TEST_F(SdlWaitMessage, ClosingTheWindowEndsTheBox) {
  window->WriteLine("File ELEMENTS.DAT Not Found!");
  Push(test::WindowClose());
  window->WaitForKey();
  EXPECT_TRUE(window->QuitRequested());
}

TEST_F(SdlWaitMessage, NoBoxWithoutWrittenTextOrOverTheGraphicsArea) {
  Push(KeyDown(SDLK_RETURN));
  auto before = window->PresentCount();
  window->WaitForKey();  // nothing written: an ordinary wait
  EXPECT_LE(window->PresentCount(), before + 1);
  window->WriteLine("text");
  window->ConsoleGfx(0, 0, 0, 0);
  window->Graphics().GfxWindow(GFX_WINDOW_GRAPHICS);
  window->Sleep(0);
  before = window->PresentCount();
  Push(KeyDown(SDLK_RETURN));
  window->WaitForKey();
  EXPECT_LE(window->PresentCount(), before + 1);
}

}  // namespace
}  // namespace moid::sdl

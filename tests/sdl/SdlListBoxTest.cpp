// List and message boxes in the window, answered through pushed events.
#include <gtest/gtest.h>

#include "ListNames.h"
#include "SdlTestWindow.h"
#include "platform/Keys.h"
#include "platform/sdl/ListBoxLayout.h"

namespace moid::sdl {
namespace {

using test::KeyDown;
using test::MouseDown;
using test::Push;
using test::TextInput;

const std::vector<std::string> WIDTHS = {" 432", " 504", " 576", " 648", " 720",
                                         " 792", " 864", " 936", "1008", "1080"};
const char* const WIDTH_PROMPT = "Please select the window's width (pixels)";

class SdlListBox : public test::SdlWindowTest {
 protected:
  std::string ShowWidths() {
    return window->ConsoleListBox(3, 0, 0, WIDTH_PROMPT, "Window Selection", WIDTHS, 0, 0, 0);
  }
  ListBoxLayout Layout(const std::string& prompt) const {
    return ListBoxLayout(window->WindowWidth(), window->WindowHeight(),
                         window->ConsoleMetrics(CONSOLE_CELL_WIDTH), window->ConsoleMetrics(CONSOLE_CELL_HEIGHT), prompt);
  }
  // A point in the middle of the row `row` rows below the first one in view.
  static std::pair<int, int> RowPoint(const ListBoxLayout& l, int row) {
    return {l.listLeft + 30, l.rowsTop + row * l.cellH + l.cellH / 2};
  }
  void SetUp() override {
    test::SdlWindowTest::SetUp();
    window->SetConsoleSize(40, 20);
    window->ConsoleGfx(0, 0, 0, 0);
  }
};

TEST_F(SdlListBox, ArrowsAndEnterChooseAWidth) {
  Push(KeyDown(SDLK_DOWN));
  Push(KeyDown(SDLK_DOWN));
  Push(KeyDown(SDLK_DOWN));
  Push(KeyDown(SDLK_UP));
  Push(KeyDown(SDLK_RETURN));
  EXPECT_EQ(ShowWidths(), " 576");
}

TEST_F(SdlListBox, EndHomeAndPageKeys) {
  Push(KeyDown(SDLK_END));
  Push(KeyDown(SDLK_RETURN));
  EXPECT_EQ(ShowWidths(), "1080");
  Push(KeyDown(SDLK_PAGEDOWN));
  Push(KeyDown(SDLK_HOME));
  Push(KeyDown(SDLK_KP_ENTER));
  EXPECT_EQ(ShowWidths(), " 432");
}

TEST_F(SdlListBox, EscapeChoosesNothing) {
  Push(KeyDown(SDLK_DOWN));
  Push(KeyDown(SDLK_ESCAPE));
  EXPECT_EQ(ShowWidths(), "");
}

TEST_F(SdlListBox, ClosingTheWindowChoosesNothing) {
  Push(KeyDown(SDLK_DOWN));
  Push(test::WindowClose());
  EXPECT_EQ(ShowWidths(), "");
  EXPECT_TRUE(window->QuitRequested());
}

TEST_F(SdlListBox, TypeToSearchFindsOneNameAmong25000) {
  window->SetConsoleSize(141, 72);
  window->ConsoleGfx(0, 0, 0, 0);
  const auto names = test::CatalogueNames(25000, 25001);
  for (int n : {1, 9999, 17345, 25000}) {
    for (char c : test::WordFor(n)) Push(TextInput(std::string(1, c)));
    Push(KeyDown(SDLK_RETURN));
    EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "Please select one Asteroid", "Body Selection",
                                     names, 0, 0, 0),
              test::NameFor(n));
  }
}

TEST_F(SdlListBox, BackspaceEditsTheSearch) {
  const std::vector<std::string> names = {"(1) Ceres", "(2) Pallas", "(3) Juno", "(4) Vesta"};
  Push(TextInput("j"));
  Push(TextInput("x"));
  Push(KeyDown(SDLK_BACKSPACE));
  Push(KeyDown(SDLK_BACKSPACE));
  Push(TextInput("v"));
  Push(KeyDown(SDLK_RETURN));
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0), "(4) Vesta");
}

TEST_F(SdlListBox, TheChosenTextComesBackUnchanged) {
  const std::vector<std::string> names = {"  (1) Ceres   ", "(2) Pallas\xB0 ", "", ""};
  Push(KeyDown(SDLK_RETURN));
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0), "  (1) Ceres   ");
  Push(KeyDown(SDLK_DOWN));
  Push(KeyDown(SDLK_DOWN));  // the empty slots are not offered
  Push(KeyDown(SDLK_RETURN));
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0), "(2) Pallas\xB0 ");
}

TEST_F(SdlListBox, TheChosenRowComesBackWithItsText) {
  const std::vector<std::string> names = {"Twin", "", "Twin", "Other", ""};
  int row = 99;
  Push(KeyDown(SDLK_DOWN));
  Push(KeyDown(SDLK_DOWN));
  Push(KeyDown(SDLK_RETURN));
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0, &row), "Twin");
  EXPECT_EQ(row, 2);  // the second "Twin", not the first
  Push(KeyDown(SDLK_DOWN));
  Push(KeyDown(SDLK_RETURN));
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0, &row), "");
  EXPECT_EQ(row, 1);  // an empty item chosen is not nothing chosen
  Push(KeyDown(SDLK_ESCAPE));
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0, &row), "");
  EXPECT_EQ(row, -1);
}

TEST_F(SdlListBox, ClickSelectsAndDoubleClickChooses) {
  const ListBoxLayout l = Layout(WIDTH_PROMPT);
  const auto [x4, y4] = RowPoint(l, 4);
  const auto [x6, y6] = RowPoint(l, 6);
  Push(MouseDown(SDL_BUTTON_LEFT, x4, y4, 1));
  Push(KeyDown(SDLK_RETURN));
  EXPECT_EQ(ShowWidths(), " 720");
  Push(MouseDown(SDL_BUTTON_LEFT, x6, y6, 2));
  EXPECT_EQ(ShowWidths(), " 864");
  // A click below the last item or beside the rows selects nothing.
  const auto [xOut, yOut] = RowPoint(l, l.pageRows + 2);
  Push(MouseDown(SDL_BUTTON_LEFT, xOut, yOut, 2));
  Push(MouseDown(SDL_BUTTON_LEFT, 1, y4, 2));
  Push(KeyDown(SDLK_RETURN));
  EXPECT_EQ(ShowWidths(), " 432");
}

TEST_F(SdlListBox, WheelScrollsSoAClickHitsALaterItem) {
  const auto names = test::CatalogueNames(100, 100);
  const ListBoxLayout l = Layout("p");
  const auto [x, y] = RowPoint(l, 0);
  Push(test::Wheel(-1));  // towards the user: three rows down
  Push(test::Wheel(-1));
  Push(test::Wheel(1));
  Push(MouseDown(SDL_BUTTON_LEFT, x, y, 2));
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0), test::NameFor(4));
}

// The pointer moved with the left button held.
SDL_Event DragTo(int x, int y) {
  SDL_Event e = test::MouseMove(x, y);
  e.motion.state = SDL_BUTTON_LMASK;
  return e;
}

TEST_F(SdlListBox, DraggingTheThumbScrollsTheRows) {
  const auto names = test::CatalogueNames(1000, 1000);
  const ListBoxLayout l = Layout("p");
  const int barX = l.listLeft + l.listWidth - ListBoxLayout::SCROLLBAR / 2;
  const ListBoxLayout::Thumb thumb = l.ThumbFor(1000, 0);
  const int grabY = static_cast<int>(thumb.top + thumb.height / 2);
  const double travel = l.pageRows * l.cellH - thumb.height;
  const auto [x, y] = RowPoint(l, 0);
  // Half the travel down: the rows half of the way from the first page to the last.
  Push(MouseDown(SDL_BUTTON_LEFT, barX, grabY));
  Push(DragTo(barX, grabY + 10));
  Push(DragTo(barX, grabY + static_cast<int>(travel / 2)));
  Push(test::MouseUp(SDL_BUTTON_LEFT, barX, grabY + static_cast<int>(travel / 2)));
  Push(DragTo(barX, grabY + 100));  // released: the thumb stays
  Push(MouseDown(SDL_BUTTON_LEFT, x, y, 2));
  const std::string chosen = window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0);
  const int maxTop = 1000 - l.pageRows;
  const int rowsPerPixel = static_cast<int>(maxTop / travel) + 1;
  bool near = false;
  for (int top = maxTop / 2 - rowsPerPixel; top <= maxTop / 2 + rowsPerPixel; ++top) {
    near = near || chosen == test::NameFor(top + 1);
  }
  EXPECT_TRUE(near) << chosen;
  // All the way down and beyond: the last page.
  Push(MouseDown(SDL_BUTTON_LEFT, barX, grabY));
  Push(DragTo(barX, l.rowsTop + 5000));
  Push(test::MouseUp(SDL_BUTTON_LEFT, barX, 0));
  Push(MouseDown(SDL_BUTTON_LEFT, x, y, 2));
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0), test::NameFor(maxTop + 1));
}

TEST_F(SdlListBox, APressOnTheTrackTurnsAPage) {
  const auto names = test::CatalogueNames(1000, 1000);
  const ListBoxLayout l = Layout("p");
  const int barX = l.listLeft + l.listWidth - ListBoxLayout::SCROLLBAR / 2;
  const auto [x, y] = RowPoint(l, 0);
  Push(MouseDown(SDL_BUTTON_LEFT, barX, l.rowsTop + l.pageRows * l.cellH - 2));
  Push(test::MouseUp(SDL_BUTTON_LEFT, barX, 0));
  Push(DragTo(barX, l.rowsTop));  // no thumb is held
  Push(MouseDown(SDL_BUTTON_LEFT, x, y, 2));
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0), test::NameFor(l.pageRows + 1));
}

TEST_F(SdlListBox, APresetSelectionOpensTheNextListThereOnly) {
  const auto names = test::CatalogueNames(1000, 1000);
  window->PresetListSelection(700);
  Push(KeyDown(SDLK_RETURN));
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0), test::NameFor(701));
  Push(KeyDown(SDLK_DOWN));
  Push(KeyDown(SDLK_RETURN));
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0), test::NameFor(2));
  window->PresetListSelection(5000);  // beyond the items: the last
  Push(KeyDown(SDLK_RETURN));
  EXPECT_EQ(window->ConsoleListBox(3, 0, 0, "p", "t", names, 0, 0, 0), test::NameFor(1000));
}

TEST_F(SdlListBox, TheWindowTitleIsTheOneLastSet) {
  EXPECT_EQ(window->WindowTitle(), "moidview");
  window->SetWindowTitle("(99942) Apophis \xE2\x80\x94 moidview");
  EXPECT_EQ(window->WindowTitle(), "(99942) Apophis \xE2\x80\x94 moidview");
  window->SetWindowTitle("ELEMENTS.DAT \xE2\x80\x94 moidview");
  EXPECT_EQ(window->WindowTitle(), "ELEMENTS.DAT \xE2\x80\x94 moidview");
  EXPECT_GE(window->RefreshRate(), 1);
}

TEST_F(SdlListBox, KeysAfterTheListAreNotLeftOverFromIt) {
  Push(KeyDown(SDLK_RETURN));
  Push(TextInput("q"));  // text input that came with the closing key
  EXPECT_EQ(ShowWidths(), " 432");
  EXPECT_EQ(window->ReadKey(), "");
}

TEST_F(SdlListBox, TheListIsDrawnInTheWindow) {
  Push(KeyDown(SDLK_DOWN));
  Push(KeyDown(SDLK_RETURN));
  ShowWidths();
  // After the list the window shows the graphics area again (white).
  window->Sleep(0);
  EXPECT_EQ(window->ScreenPixel(2, 2), 0xFFFFFFu);
  EXPECT_GE(window->PresentCount(), 3u);  // list drawn, redrawn after Down, area again
}

TEST_F(SdlListBox, MessageBoxIsDismissedByAFreshKeyPress) {
  Push(KeyDown(SDLK_F1, KMOD_NONE, 1));  // still repeating from before the box
  Push(KeyDown(SDLK_LSHIFT));            // a modifier alone
  Push(KeyDown(SDLK_UP));                // dismisses
  Push(KeyDown(SDLK_DOWN));
  window->ConsoleMessageBox("Arrows\\t= Image rotations\\nEsc\\t= Exit", 0,
                            "Available Commands", 0, 0);
  EXPECT_EQ(window->ReadKey(), keys::Extended(keys::SCAN_DOWN));
  EXPECT_EQ(window->ReadKey(), "");
}

TEST_F(SdlListBox, MessageBoxIsDismissedByAClickAndItsTextDoesNotLeak) {
  Push(MouseDown(SDL_BUTTON_RIGHT));
  window->ConsoleMessageBox("x", 0, "t", 0, 0);
  Push(KeyDown(SDLK_SPACE));
  Push(TextInput(" "));  // a space closing the box must not reach the screen beneath
  window->ConsoleMessageBox("x", 0, "t", 0, 0);
  EXPECT_EQ(window->ReadKey(), "");
}

}  // namespace
}  // namespace moid::sdl

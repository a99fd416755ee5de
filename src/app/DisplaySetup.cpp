#include "app/DisplaySetup.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/CatalogLoad.h"

namespace moid {

namespace {

constexpr int FIRST_LIST_WIDTH = 432;
constexpr int LIST_WIDTH_COUNT = 10;
constexpr int LARGEST_LIST_WIDTH = FIRST_LIST_WIDTH + (LIST_WIDTH_COUNT - 1) * WIDTH_STEP;

// A backend that reports no cell size is treated as one of one pixel.
int CellMetric(ConsoleToolkit& console, int item) { return std::max(1, console.ConsoleMetrics(item)); }

// Real quotient plus the margin, rounded half to even.
int CellsFor(int W, int cellPixels, int extra) {
  return static_cast<int>(std::nearbyint(W / static_cast<double>(cellPixels) + extra));
}

void SetWidthDependentSizes(AppState& state) {
  const int W = state.windowWidth;
  state.ballSpacing = static_cast<int>(std::nearbyint(W / 36.0));
  state.lastSample = W - 1;
}

void RecreateWorkTables(AppState& state) {
  const int W = state.windowWidth;
  state.session.Resize(W);
  state.colorGrid.Resize(W);
}

void MeasureConsole(ConsoleToolkit& console, AppState& state) {
  const int W = state.windowWidth;
  state.charWidth = CellMetric(console, CONSOLE_CELL_WIDTH);
  state.charHeight = CellMetric(console, CONSOLE_CELL_HEIGHT);
  state.extraRows = ExtraRowsFor(state.charHeight);
  state.extraCols = ExtraColsFor(state.charWidth);
  state.consoleRows = CellsFor(W, state.charHeight, state.extraRows);
  state.consoleCols = CellsFor(W, state.charWidth, state.extraCols);
}

// The picture and the text rows under it must be strictly lower than the usable height.
bool WindowFits(ConsoleToolkit& console, const AppState& state) {
  const long long needed =
      static_cast<long long>(state.charHeight) * state.extraRows + state.windowWidth;
  return console.ConsoleInfo(CONSOLE_DISPLAY_HEIGHT) > needed;
}

// One pass of the fit loop; true when the window fits.
bool TryLayoutPass(Platform& platform, AppState& state) {
  SetWidthDependentSizes(state);
  RecreateWorkTables(state);
  platform.console.ClearText();
  LoadCatalog(state);
  MeasureConsole(platform.console, state);
  platform.graphics.GfxWindow(GFX_WINDOW_CONSOLE);
  platform.console.ConsoleNormal();
  platform.console.SetConsoleSize(state.consoleCols, state.consoleRows);
  return WindowFits(platform.console, state);
}

}  // namespace

std::vector<std::string> WidthChoices() {
  std::vector<std::string> items;
  for (int i = 0; i < LIST_WIDTH_COUNT; ++i) {
    char text[8];
    std::snprintf(text, sizeof text, "%4d", FIRST_LIST_WIDTH + i * WIDTH_STEP);
    items.emplace_back(text);
  }
  return items;
}

int ExtraRowsFor(int charHeight) {
  if (charHeight < 10) return 6;
  if (charHeight < 18) return 5;
  return 4;
}

int ExtraColsFor(int charWidth) {
  if (charWidth < 6) return 7;
  if (charWidth < 10) return 6;
  return 5;
}

int WidthFromItem(const std::string& item) {
  std::size_t pos = item.find_first_not_of(' ');
  long long value = 0;
  for (; pos < item.size() && item[pos] >= '0' && item[pos] <= '9'; ++pos) {
    value = std::min<long long>(value * 10 + (item[pos] - '0'), LARGEST_LIST_WIDTH);
  }
  const long long steps = std::max<long long>(1, value / WIDTH_STEP);
  return static_cast<int>(steps * WIDTH_STEP);
}

void PrepareGraphicsArea(Platform& platform) {
  platform.console.ConsoleGfx(0, 0, 0, 0);
  platform.graphics.GfxOption(6, 0);
  platform.graphics.GfxOption(1, 0);
  platform.graphics.GfxWindow(GFX_WINDOW_GRAPHICS);
  platform.console.Sleep(50);
  platform.graphics.BrushColor(WHITE);
  platform.graphics.GfxCLS();
}

std::string ChooseWindowWidth(Platform& platform, const AppState& state) {
  platform.console.ConsoleWindow(0);
  platform.console.SetConsoleSize(40, 20);
  platform.console.ConsoleGfx(0, 0, 0, 0);
  platform.graphics.GfxWindow(GFX_WINDOW_CONSOLE);
  PrepareGraphicsArea(platform);
  platform.console.ConsoleNormal();
  return platform.console.ConsoleListBox(3, 0, 0, "Please select the window's width (pixels)",
                                         "Window Selection", state.widthChoices, 0, 0, 0);
}

void FitLayout(Platform& platform, AppState& state) {
  state.windowWidth = std::max(state.windowWidth, MIN_WINDOW_WIDTH);
  while (!TryLayoutPass(platform, state) &&
         state.windowWidth - WIDTH_STEP >= MIN_WINDOW_WIDTH) {
    state.windowWidth -= WIDTH_STEP;
  }
  platform.console.ClearText();
  PrepareGraphicsArea(platform);
}

}  // namespace moid

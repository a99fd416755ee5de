#include <string>

#include "distmap/MapLayout.h"
#include "distmap/MapScreen.h"
#include "text/NumericMask.h"
#include "view/MoidCaption.h"

namespace moid {

namespace {

// One scale tick: where it starts on the frame and where it ends outside it.
enum class ScaleSide { Top, Bottom, Left, Right };

void DrawTick(GraphicsToolkit& g, const MapLayout& m, ScaleSide side, int at, bool isLong) {
  const int W = m.W;
  switch (side) {
    case ScaleSide::Top:
      g.DrawLine(at, 26, at, isLong ? 18 : 22);
      break;
    case ScaleSide::Bottom:
      g.DrawLine(at, W + 28, at, isLong ? W + 37 : W + 32);
      break;
    case ScaleSide::Left:
      g.DrawLine(MAP_LEFT, at, isLong ? 25 : 29, at);
      break;
    case ScaleSide::Right:
      g.DrawLine(MAP_LEFT + W, at, isLong ? W + 43 : W + 39, at);
      break;
  }
}

// Long ticks every 30 degrees (n = 0..12), short ones every 5 degrees (n = 0..72).
void DrawTickLoop(GraphicsToolkit& g, const MapLayout& m, ScaleSide side, bool isLong) {
  const bool horizontal = side == ScaleSide::Top || side == ScaleSide::Bottom;
  const int origin = horizontal ? MAP_LEFT : MAP_TOP;
  const int last = isLong ? 12 : 72;
  const int step = isLong ? m.step30 : m.step5;
  for (int n = 0; n <= last; ++n) DrawTick(g, m, side, origin + n * step, isLong);
}

// A color grid made for another width is left out rather than read past its end.
bool FitsWidth(const ColorGrid& colors, int W) {
  return colors.W == W && colors.cells.size() >= static_cast<size_t>(W) * (W + 1);
}

void DrawCells(GraphicsToolkit& g, const ColorGrid& colors, int W) {
  if (!FitsWidth(colors, W)) return;
  const int bottom = W + 26;
  for (int j = 0; j < W; ++j) {
    const Color* column = &colors.cells[static_cast<size_t>(j) * (W + 1)];
    const int x = MAP_LEFT + j;
    for (int k = 0; k < W; ++k) g.DrawPixel(x, bottom - k, column[k]);
  }
}

void DrawFrame(GraphicsToolkit& g, int W) {
  g.DrawLine(MAP_LEFT, MAP_TOP, MAP_LEFT + W, MAP_TOP);
  g.DrawTo(MAP_LEFT + W, MAP_TOP + W);
  g.DrawTo(MAP_LEFT, MAP_TOP + W);
  g.DrawTo(MAP_LEFT, MAP_TOP);
}

void DrawScales(GraphicsToolkit& g, const MapLayout& m) {
  for (ScaleSide side : {ScaleSide::Top, ScaleSide::Bottom, ScaleSide::Left, ScaleSide::Right}) {
    DrawTickLoop(g, m, side, true);
    DrawTickLoop(g, m, side, false);
  }
}

void DrawTextAt(GraphicsToolkit& g, int x, int y, const std::string& text) {
  g.DrawFrom(x, y);
  g.DrawTextRow(text, 0);
}

std::string ScaleLabel(int n) { return FormatWithMask("###", 90.0 * n) + "\xB0"; }

void DrawScaleLabels(GraphicsToolkit& g, const MapLayout& m) {
  for (int n = 0; n <= 4; ++n) DrawTextAt(g, 23 + n * m.step90, m.W + 38, ScaleLabel(n));
  for (int n = 0; n <= 4; ++n) DrawTextAt(g, 1, m.W + 19 - n * m.step90, ScaleLabel(n));
}

void DrawAxisNames(GraphicsToolkit& g, const MapLayout& m, const std::string& bodyLabel) {
  DrawTextAt(g, m.earthLabelX, m.W + 38, "Earth");
  DrawTextAt(g, 1, m.bodyLabelY, bodyLabel.substr(0, 4));
}

// A cross eight pixels wide centred on the cell's pixel.
void DrawCellCross(GraphicsToolkit& g, const MapLayout& m, int j, int k) {
  const int px = m.CellX(j);
  const int py = m.CellY(k);
  g.DrawLine(px - 3, py, px + 4, py);
  g.DrawLine(px, py - 3, px, py + 4);
}

void DrawExtremeMarkers(GraphicsToolkit& g, const MapLayout& m, const Session& s) {
  DrawCellCross(g, m, s.moid.gridMinEarthIndex, s.moid.gridMinAsteroidIndex);
  g.PenColor(RED);
  DrawCellCross(g, m, s.grid.gridMaxEarthIndex, s.grid.gridMaxAsteroidIndex);
}

}  // namespace

bool DrawDistanceMap(Platform& platform, const Session& session, const ColorGrid& colors) {
  GraphicsToolkit& g = platform.graphics;
  const MapLayout m = MakeMapLayout(session.W);
  g.GfxWindow(GFX_WINDOW_BEGIN_PICTURE);
  g.BrushColor(WHITE);
  g.GfxCLS();
  g.GfxWindow(GFX_WINDOW_MAP_CLEARED);
  DrawCells(g, colors, m.W);
  g.PenColor(BLACK);
  g.PenStyle(PEN_SOLID);
  DrawFrame(g, m.W);
  DrawScales(g, m);
  DrawScaleLabels(g, m);
  DrawAxisNames(g, m, session.bodyLabel);
  DrawMoidCaption(g, session);
  DrawTextAt(g, m.W - 1, 3, "B=Back");
  DrawExtremeMarkers(g, m, session);
  g.GfxWindow(GFX_WINDOW_SHOW_PICTURE);
  return g.SaveGfxWindow("Orbdis.bmp");
}

}  // namespace moid

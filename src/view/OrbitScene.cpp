#include "view/OrbitScene.h"

#include <algorithm>
#include <cstddef>

#include "orbit/CalendarDate.h"
#include "view/MoidCaption.h"
#include "view/OrbitView.h"
#include "view/Projection.h"
#include "view/SceneColors.h"
#include "view/StatusLine.h"

namespace moid {

namespace {

using namespace scene;

void ClearPicture(GraphicsToolkit& g) {
  g.BrushColor(BACKGROUND);
  g.GfxCLS();
  g.PenColor(BLACK);
  g.BrushColor(BLACK);
  g.GfxBkgdMode(0);
  g.GfxBkgdColor(BACKGROUND);
}

void DrawGridLine(GraphicsToolkit& g, const GridNodeTable& nodes, int i1, int j1, int i2,
                  int j2) {
  const int a = GridNodeTable::Index(i1, j1);
  const int b = GridNodeTable::Index(i2, j2);
  if (!nodes.drawable[a] || !nodes.drawable[b]) return;
  g.DrawLine(nodes.x[a], nodes.y[a], nodes.x[b], nodes.y[b]);
}

void DrawBall(GraphicsToolkit& g, const Pixel& p, int radius) {
  g.DrawFrom(p.x, p.y);
  g.DrawCircle(radius);
}

void DrawEarthSample(GraphicsToolkit& g, const Pixel& p, const ProjectedSample& s, bool ball,
                     Color c, int ballSize) {
  g.PenColor(c);
  g.BrushColor(c);
  if (!p.drawable) return;
  if (ball) {
    DrawBall(g, p, BallRadius(ballSize, s.r));
  } else {
    g.DrawPixel(p.x, p.y, EARTH_PLAIN);
  }
}

void DrawAsteroidSample(GraphicsToolkit& g, const Pixel& p, const ProjectedSample& s,
                        bool ball, Color a, int ballSize) {
  if (!p.drawable) return;
  if (ball) {
    g.PenColor(a);
    g.BrushColor(a);
    DrawBall(g, p, BallRadius(ballSize, s.r));
  } else {
    g.DrawPixel(p.x, p.y, a);
  }
}

// The tables hold W + 1 slots once the session is sized for W.
bool TablesFit(const Session& s) {
  const std::size_t slots = static_cast<std::size_t>(s.W) + 1;
  return s.W > 0 && s.earthTable.x.size() >= slots && s.asteroidTable.x.size() >= slots &&
         s.projection.earth.size() >= slots && s.projection.asteroid.size() >= slots;
}

bool IsBallSample(int k, int W, int ballSpacing, bool animating) {
  if (k == W) return true;
  return !animating && ballSpacing > 0 && k % ballSpacing == 0;
}

}  // namespace

Color EarthSampleColor(int k, int W) {
  if (k == W / 2) return EARTH_AT_HALF;
  if (k == 0) return EARTH_AT_0;
  if (k == W / 4) return EARTH_AT_QUARTER;
  if (k == 3 * W / 4) return EARTH_AT_3_QUARTERS;
  return EARTH_PLAIN;
}

Color AsteroidSampleColor(double z) { return z < 0 ? ASTEROID_SOUTH : ASTEROID_NORTH; }

void DrawEclipticGrid(GraphicsToolkit& g, const GridNodeTable& nodes, int gridExtent) {
  const int E = std::clamp(gridExtent, 0, GRID_NODE_BOUND);
  g.PenStyle(PEN_DASHED);
  g.PenColor(GRID_LINE);
  for (int i = -E; i <= E; ++i) DrawGridLine(g, nodes, i, -E, i, E);
  for (int i = -E; i <= E; ++i) DrawGridLine(g, nodes, -E, i, E, i);
}

void DrawSun(GraphicsToolkit& g, const GridNodeTable& nodes) {
  const int n = GridNodeTable::Index(0, 0);
  g.PenColor(SUN_OUTLINE);
  g.BrushColor(SUN_FILL);
  if (!nodes.drawable[n]) return;
  g.DrawFrom(nodes.x[n], nodes.y[n]);
  g.DrawCircle(SUN_RADIUS);
}

void DrawOrbitSamples(GraphicsToolkit& g, const Session& s, int last) {
  const ProjectionTables& t = s.projection;
  const int W = s.W;
  const int ballSize = s.view.ballSize;
  for (int k = 0; k <= last; ++k) {
    const ProjectedSample& es = t.earth[k];
    const ProjectedSample& as = t.asteroid[k];
    const Pixel ep = ToPixel(es, W);
    const Pixel ap = ToPixel(as, W);
    const Color c = EarthSampleColor(k, W);
    const Color a = AsteroidSampleColor(s.asteroidTable.z[k]);
    const bool ball = IsBallSample(k, W, s.ballSpacing, s.view.animating);
    // The nearer sample goes on top; on a tie the asteroid does.
    if (as.r > es.r) {
      DrawAsteroidSample(g, ap, as, ball, a, ballSize);
      DrawEarthSample(g, ep, es, ball, c, ballSize);
    } else {
      DrawEarthSample(g, ep, es, ball, c, ballSize);
      DrawAsteroidSample(g, ap, as, ball, a, ballSize);
    }
  }
}

void DrawClosestApproach(GraphicsToolkit& g, const Session& s) {
  const int je = s.moid.gridMinEarthIndex;
  const int ka = s.moid.gridMinAsteroidIndex;
  const int size = static_cast<int>(s.projection.earth.size());
  if (je < 0 || ka < 0 || je >= size || ka >= size) return;
  const Pixel ep = ToPixel(s.projection.earth[je], s.W);
  const Pixel ap = ToPixel(s.projection.asteroid[ka], s.W);
  g.PenColor(CLOSEST_APPROACH);
  g.BrushColor(CLOSEST_APPROACH);
  if (ep.drawable && ap.drawable) {
    g.DrawLine(ep.x, ep.y, ap.x, ap.y);
    g.DrawCircle(END_DOT_RADIUS);  // the line left the pen at the asteroid's end
    DrawBall(g, ep, END_DOT_RADIUS);
    return;
  }
  if (ap.drawable) DrawBall(g, ap, END_DOT_RADIUS);
  if (ep.drawable) DrawBall(g, ep, END_DOT_RADIUS);
}

void DrawDirectionLabels(GraphicsToolkit& g, int W) {
  const int w1 = W - 1;
  const int half = w1 / 2;
  g.DrawFrom(half, w1 + 25);
  g.DrawTextRow("0\xB0", 0);
  g.DrawFrom(w1 + 20, half - 6);
  g.DrawTextRow("90\xB0", 0);
  g.DrawFrom(10, half - 6);
  g.DrawTextRow("270\xB0", 0);
  g.DrawFrom(w1, 3);
  g.DrawTextRow("F1=Help", 0);
}

void DrawAnimationDate(GraphicsToolkit& g, double julianDay) {
  const std::string date = JulianDayToDateText(julianDay);
  g.GfxFont("Courier", 0, 15, 1, 0, 0, 0.0);
  g.DrawFrom(1, 22);
  g.DrawTextRow(date, 0);
}

void RedrawOrbitView(Platform& platform, Session& s, bool full, OrbitViewInput& input) {
  GraphicsToolkit& g = platform.graphics;
  ViewState& view = s.view;
  ProjectionTables& t = s.projection;
  if (!TablesFit(s)) return;  // nothing to draw before the tables are sized
  if (full) ComputeViewAngles(view, t);
  int last = s.W - 1;
  g.GfxWindow(GFX_WINDOW_BEGIN_PICTURE);
  if (view.animating) {
    AnimationStep(s);
    last = s.W;
  }
  ProjectSamples(s.earthTable, last, view, t, t.earth);
  ProjectSamples(s.asteroidTable, last, view, t, t.asteroid);
  ProjectGridNodes(view, s.W, t);
  ClearPicture(g);
  DrawEclipticGrid(g, t.nodes, view.gridExtent);
  DrawSun(g, t.nodes);
  g.PenStyle(PEN_SOLID);
  DrawOrbitSamples(g, s, last);
  DrawClosestApproach(g, s);
  DrawMoidCaption(g, s);
  DrawDirectionLabels(g, s.W);
  g.PenColor(BLACK);
  g.BrushColor(BLACK);
  platform.console.SetWindowTitle(OrbitViewStatusLine(OrbitStatusOf(s)));
  if (view.animating) {
    DrawAnimationDate(g, view.animTime);
    if (view.paused) PauseWait(platform, view, input);
  }
  g.GfxWindow(GFX_WINDOW_SHOW_PICTURE);
  input.keyBuffer.clear();
  platform.console.SetMouseInput(true);
}

void RedrawOrbitView(Platform& platform, Session& session, bool full) {
  OrbitViewInput input;
  RedrawOrbitView(platform, session, full, input);
}

}  // namespace moid

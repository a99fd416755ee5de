#include "view/Projection.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "Contract.h"

namespace moid {

namespace {

// The grid's cell size, kept in single precision as the grid has always used it.
constexpr double GRID_CELL_AU = 0.2f;

bool PixelCoordinate(double value, int& out) {
  if (!std::isfinite(value)) return false;
  const double held = std::clamp(value, -PIXEL_LIMIT, PIXEL_LIMIT);
  out = static_cast<int>(std::nearbyint(held));
  return true;
}

}  // namespace

void ComputeViewAngles(const ViewState& view, ProjectionTables& tables) {
  const double a1 = view.elevationDeg * RadPerDeg();
  const double a2 = view.azimuthDeg * RadPerDeg();
  tables.c1 = std::cos(a1);
  tables.s1 = std::sin(a1);
  tables.c2 = std::cos(a2);
  tables.s2 = std::sin(a2);
}

ProjectedSample ProjectPoint(double X, double Y, double Z, const ViewState& view,
                             const ProjectionTables& t) {
  // Turn about the ecliptic pole, then tilt to the eye's latitude.
  const double x1 = t.c2 * X + t.s2 * Y;
  const double y1 = t.c2 * Y - t.s2 * X;
  const double z1 = Z;
  const double x2 = t.c1 * x1 + t.s1 * z1;
  const double z2 = t.c1 * z1 - t.s1 * x1;
  const double d = view.eyeDistance - x2;
  ProjectedSample p;
  p.u = y1 / d;
  p.v = z2 / d;
  p.r = std::sqrt(d * d + y1 * y1 + z2 * z2);
  return p;
}

Pixel ToPixel(double u, double v, int W) {
  const double w = W;
  Pixel p;
  p.drawable = PixelCoordinate(w * 0.5 + w * u, p.x) && PixelCoordinate(w * 0.5 - w * v, p.y);
  return p;
}

int BallRadius(int ballSize, double r) {
  const double radius = ballSize / r;
  if (std::isnan(radius) || radius <= 0) return 0;
  return static_cast<int>(std::nearbyint(std::min(radius, PIXEL_LIMIT)));
}

void ProjectSamples(const OrbitTable& table, int last, const ViewState& view,
                    const ProjectionTables& tables, std::vector<ProjectedSample>& out) {
  MOID_EXPECT(last < 0 || (out.size() > static_cast<std::size_t>(last) &&
                           table.x.size() > static_cast<std::size_t>(last)),
              "a sample table and an output of at least last + 1 slots");
  for (int k = 0; k <= last; ++k) {
    out[k] = ProjectPoint(table.x[k], table.y[k], table.z[k], view, tables);
  }
}

void ProjectGridNodes(const ViewState& view, int W, ProjectionTables& tables) {
  const int E = std::clamp(view.gridExtent, 0, GRID_NODE_BOUND);
  GridNodeTable& nodes = tables.nodes;
  for (int i = -E; i <= E; ++i) {
    const double g = i * GRID_CELL_AU;
    const double d = std::fabs(view.eyeDistance - tables.c1 * g);
    const double v = -g * tables.s1 / d;
    for (int j = -E; j <= E; ++j) {
      const double u = j * GRID_CELL_AU / d;
      const Pixel p = ToPixel(u, v, W);
      const int n = GridNodeTable::Index(i, j);
      nodes.x[n] = p.x;
      nodes.y[n] = p.y;
      nodes.drawable[n] = p.drawable;
    }
  }
}

}  // namespace moid

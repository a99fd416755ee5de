#pragma once
#include <vector>

#include "orbit/OrbitModel.h"
#include "view/ViewState.h"

namespace moid {

// A pixel of the graphics area. Not drawable when the point has no finite projection
// (it lies at the eye's depth); such a point is left out of the picture.
struct Pixel {
  int x = 0, y = 0;
  bool drawable = false;
};

// Pixel coordinates are held within +-PIXEL_LIMIT; the canvas clips what lies outside.
constexpr double PIXEL_LIMIT = 1e9;

// Holds cos and sin of the eye's elevation (c1, s1) and azimuth (c2, s2) for the frame.
void ComputeViewAngles(const ViewState& view, ProjectionTables& tables);

// Perspective of the heliocentric ecliptic point (X, Y, Z) in AU, with the angles held in
// `tables`: u to the right, v upwards, both per unit of depth; r the distance from the eye.
ProjectedSample ProjectPoint(double X, double Y, double Z, const ViewState& view,
                             const ProjectionTables& tables);

// round(W/2 + W u), round(W/2 - W v), ties to even.
Pixel ToPixel(double u, double v, int W);
inline Pixel ToPixel(const ProjectedSample& p, int W) { return ToPixel(p.u, p.v, W); }

// Ball radius in pixels: ballSize / r rounded, ties to even; never negative.
int BallRadius(int ballSize, double r);

// Projects slots 0..last of one orbit table into `out` (which holds at least last + 1).
void ProjectSamples(const OrbitTable& table, int last, const ViewState& view,
                    const ProjectionTables& tables, std::vector<ProjectedSample>& out);

// Pixels of the grid nodes (i, j), i and j in -gridExtent..gridExtent.
void ProjectGridNodes(const ViewState& view, int W, ProjectionTables& tables);

}  // namespace moid

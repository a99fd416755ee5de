// The perspective projection against hand-worked pixels of the default view.
#include "view/Projection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "view/OrbitView.h"

namespace moid {
namespace {

constexpr int W = 432;

struct Px {
  int x, y;
};

Pixel PixelOf(double X, double Y, double Z, const ViewState& view, int w = W) {
  ProjectionTables t;
  ComputeViewAngles(view, t);
  return ToPixel(ProjectPoint(X, Y, Z, view, t), w);
}

void ExpectPixel(const Pixel& p, Px want) {
  EXPECT_TRUE(p.drawable);
  EXPECT_EQ(p.x, want.x);
  EXPECT_EQ(p.y, want.y);
}

ProjectionTables GridOf(const ViewState& view, int w = W) {
  ProjectionTables t;
  ComputeViewAngles(view, t);
  ProjectGridNodes(view, w, t);
  return t;
}

Px Node(const ProjectionTables& t, int i, int j) {
  const int n = GridNodeTable::Index(i, j);
  EXPECT_TRUE(t.nodes.drawable[n]) << i << "," << j;
  return {t.nodes.x[n], t.nodes.y[n]};
}

TEST(Projection, DefaultViewPutsTheSunAndTheAxesWhereWorkedOut) {
  const ViewState view;
  ExpectPixel(PixelOf(0, 0, 0, view), {216, 216});
  ExpectPixel(PixelOf(1, 0, 0, view), {216, 288});
  ExpectPixel(PixelOf(0, 1, 0, view), {360, 216});
  ExpectPixel(PixelOf(-1, 0, 0, view), {216, 178});
  ExpectPixel(PixelOf(0, 0, 1, view), {216, 63});
}

TEST(Projection, SampleDistanceFromTheEye) {
  const ViewState view;  // eye 3 AU from the Sun
  ProjectionTables t;
  ComputeViewAngles(view, t);
  EXPECT_NEAR(ProjectPoint(0, 0, 0, view, t).r, 3.0, 1e-15);
  // (0, 1, 0) is 1 AU across the line of sight from the Sun: sqrt(3^2 + 1^2).
  EXPECT_NEAR(ProjectPoint(0, 1, 0, view, t).r, std::sqrt(10.0), 1e-14);
}

TEST(Projection, ViewFromTheNorthPolePutsLongitudeZeroStraightBelowTheSun) {
  ViewState view;
  view.elevationDeg = 90;
  // Seen from above, (1, 0, 0) lies 1 AU down the screen at depth 3: 432/3 pixels.
  ExpectPixel(PixelOf(1, 0, 0, view), {216, 360});
  ExpectPixel(PixelOf(0, 1, 0, view), {360, 216});
}

TEST(Projection, AnglesAreNotWrappedAndFullTurnsGiveTheSamePicture) {
  ViewState base;
  ViewState turned;
  turned.elevationDeg = 20 + 360;
  turned.azimuthDeg = 360;
  ViewState negative;
  negative.azimuthDeg = -360;
  const double points[][3] = {{1, 0, 0}, {0, 1, 0}, {-0.7, 0.4, 0.3}, {1.3, -1.1, -0.2}};
  for (const auto& p : points) {
    const Pixel a = PixelOf(p[0], p[1], p[2], base);
    const Pixel b = PixelOf(p[0], p[1], p[2], turned);
    const Pixel c = PixelOf(p[0], p[1], p[2], negative);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.x, c.x);
    EXPECT_EQ(a.y, c.y);
  }
}

TEST(Projection, TurningTheEyeIsTurningTheOrbitsTheOtherWay) {
  ViewState view;
  view.azimuthDeg = 90;  // the eye now stands over longitude 90
  ExpectPixel(PixelOf(0, 1, 0, view), {216, 288});
  ExpectPixel(PixelOf(-1, 0, 0, view), {360, 216});
  view.azimuthDeg = -90;
  ExpectPixel(PixelOf(0, -1, 0, view), {216, 288});
}

TEST(Projection, PointsBehindTheEyeAreMirroredThroughTheCentre) {
  ViewState view;
  view.elevationDeg = 0;
  // Depth 3 - 4 = -1: half an AU up becomes 216 pixels down.
  ExpectPixel(PixelOf(4, 0, 0.5, view), {216, 432});
  ExpectPixel(PixelOf(4, 0.5, 0, view), {0, 216});
}

TEST(Projection, ASampleAtTheEyesDepthIsNotDrawn) {
  ViewState view;
  view.elevationDeg = 0;
  EXPECT_FALSE(PixelOf(3, 0, 0, view).drawable);    // 0 / 0
  EXPECT_FALSE(PixelOf(3, 1, 0, view).drawable);    // 1 / 0
  EXPECT_FALSE(PixelOf(3, 0, -1, view).drawable);
}

TEST(Projection, ToPixelRoundsHalfwayToEven) {
  // W = 72: 36 + 72 u, with u = 1/16 giving exactly 40.5 and 3/16 giving 49.5.
  const Pixel a = ToPixel(1.0 / 16, 1.0 / 16, 72);
  EXPECT_EQ(a.x, 40);
  EXPECT_EQ(a.y, 32);  // 36 - 4.5 = 31.5
  const Pixel b = ToPixel(3.0 / 16, -3.0 / 16, 72);
  EXPECT_EQ(b.x, 50);
  EXPECT_EQ(b.y, 50);
  const Pixel c = ToPixel(-1.0 / 16, 0, 72);  // 31.5
  EXPECT_EQ(c.x, 32);
}

TEST(Projection, ToPixelRefusesNonFiniteAndHoldsHugeValues) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(ToPixel(inf, 0, W).drawable);
  EXPECT_FALSE(ToPixel(0, -inf, W).drawable);
  EXPECT_FALSE(ToPixel(nan, 0, W).drawable);
  EXPECT_FALSE(ToPixel(1e306, 0, W).drawable);  // W u overflows
  const Pixel far = ToPixel(1e12, -1e12, W);
  EXPECT_TRUE(far.drawable);
  EXPECT_EQ(far.x, 1000000000);
  EXPECT_EQ(far.y, 1000000000);
  const Pixel near = ToPixel(2000, 0, W);  // thousands of pixels off: passed on unchanged
  EXPECT_EQ(near.x, 216 + 864000);
}

TEST(Projection, GridNodesOfTheDefaultView) {
  const ProjectionTables t = GridOf(ViewState{});
  const Px sun = Node(t, 0, 0);
  EXPECT_EQ(sun.x, 216);
  EXPECT_EQ(sun.y, 216);
  const Px near = Node(t, 10, 0);
  EXPECT_EQ(near.x, 216);
  EXPECT_EQ(near.y, 480);
  const Px corner = Node(t, -15, -15);
  EXPECT_EQ(corner.x, -7);
  EXPECT_EQ(corner.y, 140);
}

TEST(Projection, GridNodesFollowTheElevationButNotTheAzimuth) {
  ViewState view;
  view.azimuthDeg = 135;
  const ProjectionTables turned = GridOf(view);
  const ProjectionTables still = GridOf(ViewState{});
  EXPECT_EQ(turned.nodes.x, still.nodes.x);
  EXPECT_EQ(turned.nodes.y, still.nodes.y);
  view.elevationDeg = 0;  // seen edge-on, every node of a row lies on the horizon
  const ProjectionTables edgeOn = GridOf(view);
  for (int j = -15; j <= 15; ++j) EXPECT_EQ(Node(edgeOn, 7, j).y, 216);
}

TEST(Projection, GridCellIsTheSinglePrecisionFifth) {
  // With the eye exactly at 15 single-precision fifths, row 15 lies at the eye's depth.
  ViewState view;
  view.elevationDeg = 0;
  view.eyeDistance = 15 * static_cast<double>(0.2f);
  const ProjectionTables t = GridOf(view);
  for (int j = -15; j <= 15; ++j) EXPECT_FALSE(t.nodes.drawable[GridNodeTable::Index(15, j)]);
  EXPECT_TRUE(t.nodes.drawable[GridNodeTable::Index(14, 0)]);
  // With the double 0.2 the row would sit 4.5e-8 AU off the eye and be drawn.
  view.eyeDistance = 3.0;
  const ProjectionTables d = GridOf(view);
  EXPECT_TRUE(d.nodes.drawable[GridNodeTable::Index(15, 0)]);
}

TEST(Projection, GridNodesBeyondTheEyeAreFoldedInFront) {
  ViewState view;
  view.elevationDeg = 0;
  view.eyeDistance = 1.0;
  // Row 10 is 1 AU beyond the eye; node (10, 5) lies 1 AU to the side: 432 px right.
  const ProjectionTables t = GridOf(view);
  const Px p = Node(t, 10, 5);
  EXPECT_EQ(p.x, 216 + 432);
  EXPECT_EQ(p.y, 216);
}

TEST(Projection, EyeAtTheSunLeavesTheSunsRowUndrawnWithoutFailing) {
  ViewState view;
  view.eyeDistance = 0;
  const ProjectionTables t = GridOf(view);
  for (int j = -15; j <= 15; ++j) EXPECT_FALSE(t.nodes.drawable[GridNodeTable::Index(0, j)]);
  EXPECT_TRUE(t.nodes.drawable[GridNodeTable::Index(1, 0)]);
  EXPECT_TRUE(t.nodes.drawable[GridNodeTable::Index(-15, 15)]);
}

TEST(Projection, OnlyTheNodesOfTheCurrentExtentAreWritten) {
  ViewState view;
  view.gridExtent = 10;
  const ProjectionTables t = GridOf(view);
  EXPECT_TRUE(t.nodes.drawable[GridNodeTable::Index(10, -10)]);
  EXPECT_FALSE(t.nodes.drawable[GridNodeTable::Index(11, 0)]);
  EXPECT_FALSE(t.nodes.drawable[GridNodeTable::Index(-20, -20)]);
  view.gridExtent = 20;
  const ProjectionTables wide = GridOf(view);
  EXPECT_TRUE(wide.nodes.drawable[GridNodeTable::Index(-20, 20)]);
}

TEST(Projection, BallRadiusIsSizeOverDistanceRoundedHalfToEven) {
  EXPECT_EQ(BallRadius(13, 3.0), 4);     // 4.33
  EXPECT_EQ(BallRadius(13, 2.0), 6);     // 6.5 -> 6
  EXPECT_EQ(BallRadius(15, 2.0), 8);     // 7.5 -> 8
  EXPECT_EQ(BallRadius(25, 1.0), 25);
  EXPECT_EQ(BallRadius(1, 3.0), 0);      // far away: radius 0
  EXPECT_EQ(BallRadius(1, 2.0), 0);      // 0.5 -> 0
  EXPECT_EQ(BallRadius(13, 0.0), 1000000000);  // held, never undefined
  EXPECT_EQ(BallRadius(13, std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Projection, SamplesAreProjectedUpToTheLastSlotGiven) {
  OrbitTable table;
  table.Resize(4);
  table.x = {1, 0, -1, 0, 0};
  table.y = {0, 1, 0, -1, 0};
  table.z = {0, 0, 0, 0, 1};
  const ViewState view;
  ProjectionTables t;
  t.Resize(4);
  ComputeViewAngles(view, t);
  ProjectSamples(table, 3, view, t, t.earth);
  ExpectPixel(ToPixel(t.earth[0], W), {216, 288});
  ExpectPixel(ToPixel(t.earth[1], W), {360, 216});
  EXPECT_EQ(t.earth[4].r, 0.0);  // slot 4 left alone
  ProjectSamples(table, 4, view, t, t.earth);
  ExpectPixel(ToPixel(t.earth[4], W), {216, 63});
}

}  // namespace
}  // namespace moid

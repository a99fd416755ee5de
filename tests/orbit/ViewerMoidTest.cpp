#include "orbit/ViewerMoid.h"

#include <gtest/gtest.h>

#include <cmath>

namespace moid {
namespace {

ElementRecord Body(double e, double i, double w, double node, double a) {
  return {e, i, w, node, a, 0, "body"};
}

const ElementRecord kEarth{0.01671123, 0.0, 102.93768193, 0.0, 1.00000261, 0, "Earth"};

std::vector<ElementRecord> SomeBodies() {
  std::vector<ElementRecord> bodies;
  for (int n = 0; n < 23; ++n)
    bodies.push_back(Body(0.05 + 0.03 * n, 2.0 + 3 * n, 17.0 * n, 29.0 * n, 0.8 + 0.11 * n));
  return bodies;
}

std::vector<const ElementRecord*> Pointers(const std::vector<ElementRecord>& bodies) {
  std::vector<const ElementRecord*> p;
  for (const ElementRecord& b : bodies) p.push_back(&b);
  return p;
}

TEST(ViewerMoid, IsTheScanAndRefinementOfOneBody) {
  const ElementRecord body = Body(0.3, 20, 60, 80, 1.6);
  const int W = 144;
  MoidWorkspace work(W);
  const OrbitGeometry earth = PrepareEarthGeometry(kEarth);
  const ViewerMoid v = ComputeViewerMoid(earth, body, W, work);
  // The same steps by hand.
  const OrbitGeometry ast = PrepareAsteroidGeometry(body);
  OrbitTable et, at;
  et.Resize(W);
  at.Resize(W);
  BuildOrbitTables(earth, ast, W, et, at);
  DistanceGrid grid;
  const MoidResult m = FindMoid(et, at, earth, ast, W, grid);
  EXPECT_EQ(v.moid.moidAu, m.moidAu);
  EXPECT_EQ(v.moid.longitudeDeg, m.longitudeDeg);
  EXPECT_EQ(v.moid.gridMinEarthIndex, m.gridMinEarthIndex);
  EXPECT_EQ(v.moid.gridMinAsteroidIndex, m.gridMinAsteroidIndex);
  EXPECT_EQ(v.minGm, grid.minGm);
  EXPECT_EQ(v.maxGm, grid.maxGm);
  EXPECT_EQ(v.gridMaxEarthIndex, grid.gridMaxEarthIndex);
  EXPECT_EQ(v.gridMaxAsteroidIndex, grid.gridMaxAsteroidIndex);
}

TEST(ViewerMoid, ThreadsDoNotChangeTheResultsOrTheirOrder) {
  const std::vector<ElementRecord> bodies = SomeBodies();
  const auto one = ComputeViewerMoids(kEarth, Pointers(bodies), 216, 1);
  ASSERT_EQ(one.size(), bodies.size());
  for (int threads : {2, 3, 8, 64}) {
    const auto many = ComputeViewerMoids(kEarth, Pointers(bodies), 216, threads);
    ASSERT_EQ(many.size(), bodies.size());
    for (size_t i = 0; i < bodies.size(); ++i) {
      EXPECT_EQ(many[i].moid.moidAu, one[i].moid.moidAu) << i;
      EXPECT_EQ(many[i].moid.longitudeDeg, one[i].moid.longitudeDeg) << i;
      EXPECT_EQ(many[i].minGm, one[i].minGm) << i;
      EXPECT_EQ(many[i].maxGm, one[i].maxGm) << i;
    }
  }
  // Each body's own run agrees with its place in the list.
  const OrbitGeometry earth = PrepareEarthGeometry(kEarth);
  MoidWorkspace work(216);
  for (size_t i = 0; i < bodies.size(); ++i)
    EXPECT_EQ(ComputeViewerMoid(earth, bodies[i], 216, work).moid.moidAu, one[i].moid.moidAu);
}

TEST(ViewerMoid, ProgressEndsWithEverythingDone) {
  const std::vector<ElementRecord> bodies = SomeBodies();
  int calls = 0, lastDone = -1, lastTotal = -1;
  bool monotone = true;
  ComputeViewerMoids(kEarth, Pointers(bodies), 144, 2, [&](int done, int total) {
    ++calls;
    monotone = monotone && done >= lastDone;
    lastDone = done;
    lastTotal = total;
  });
  EXPECT_GE(calls, 1);
  EXPECT_TRUE(monotone);
  EXPECT_EQ(lastDone, static_cast<int>(bodies.size()));
  EXPECT_EQ(lastTotal, static_cast<int>(bodies.size()));
}

TEST(ViewerMoid, NoBodiesNoResults) {
  EXPECT_TRUE(ComputeViewerMoids(kEarth, {}, 72, 4).empty());
  int lastDone = -1;
  EXPECT_TRUE(ComputeViewerMoids(kEarth, {}, 72, 4, [&](int d, int) { lastDone = d; }).empty());
  EXPECT_EQ(lastDone, 0);
}

}  // namespace
}  // namespace moid

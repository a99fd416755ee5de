#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "orbit/BatchMoid.h"
#include "orbit/ViewerMoid.h"
#include "tools/SharedData.h"
#include "tools/SquaredGridExtremes.h"

namespace moid::tools {
namespace {

ElementRecord FromNeaLine(const std::string& line) {
  auto column = [&](std::size_t first, std::size_t width) {
    return std::stod(line.substr(first - 1, width));
  };
  ElementRecord r;
  r.meanAnomaly = column(27, 9);
  r.perihelionArgument = column(38, 9);
  r.ascendingNode = column(49, 9);
  r.inclination = column(60, 9);
  r.eccentricity = column(71, 9);
  r.semiMajorAxis = column(93, 11);
  return r;
}

// The batch grid's extremes against the viewer's own full grid of the same body, computed
// by the viewer's scan (square roots, every row).
TEST(SquaredGridExtremes, TheViewersGridNumbersFromTheBatchGrid) {
  const std::vector<std::string> nea = NeaLines();
  ASSERT_GE(nea.size(), 500u) << "the NEA list was not found";
  const ElementRecord earthRecord = {0.0167, 0.0, 102.9, 0.0, 1.0, 0.0, "Earth"};
  const OrbitGeometry earth = PrepareEarthGeometry(earthRecord);
  for (const int W : {72, 216}) {
    MoidWorkspace viewerWork(W);
    BatchMoidWorkspace batchWork(W);
    int sameMaxCell = 0;
    for (std::size_t i = 0; i < 500; ++i) {
      const ElementRecord body = FromNeaLine(nea[i]);
      const ViewerMoid viewer = ComputeViewerMoid(earth, body, W, viewerWork);
      const MoidResult moid = ComputeBatchMoid(earth, body, batchWork);
      const ViewerMoid batch = WithGridExtremes(moid, batchWork.Grid());
      EXPECT_NEAR(batch.minGm, viewer.minGm, 1e-9 * viewer.maxGm) << i;
      EXPECT_NEAR(batch.maxGm, viewer.maxGm, 1e-9 * viewer.maxGm) << i;
      EXPECT_NEAR(batch.moid.moidAu, viewer.moid.moidAu, 1e-12) << i;
      if (batch.gridMaxEarthIndex == viewer.gridMaxEarthIndex &&
          batch.gridMaxAsteroidIndex == viewer.gridMaxAsteroidIndex) {
        ++sameMaxCell;
      }
    }
    // Rounding may break a tie the other way now and then, never often.
    EXPECT_GE(sameMaxCell, 495) << "W = " << W;
  }
}

}  // namespace
}  // namespace moid::tools

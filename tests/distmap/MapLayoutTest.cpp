#include "distmap/MapLayout.h"

#include <gtest/gtest.h>

namespace moid {
namespace {

TEST(MapLayout, StepsAtTheSmallestWidth) {
  const MapLayout m = MakeMapLayout(432);
  EXPECT_EQ(m.step30, 36);
  EXPECT_EQ(m.step5, 6);
  EXPECT_EQ(m.step90, 108);
  // 23 + 0.62 * 432 = 290.84 and 0.38 * 432 + 19 = 183.16
  EXPECT_EQ(m.earthLabelX, 291);
  EXPECT_EQ(m.bodyLabelY, 183);
  EXPECT_EQ(m.readoutY, 490);
}

TEST(MapLayout, StepsAtTheLargestWidth) {
  const MapLayout m = MakeMapLayout(1080);
  EXPECT_EQ(m.step30, 90);
  EXPECT_EQ(m.step5, 15);
  EXPECT_EQ(m.step90, 270);
  // 23 + 669.6 = 692.6 and 410.4 + 19 = 429.4
  EXPECT_EQ(m.earthLabelX, 693);
  EXPECT_EQ(m.bodyLabelY, 429);
  EXPECT_EQ(m.readoutY, 1138);
}

TEST(MapLayout, ScalesSpanTheWholeFrameAtEveryOfferedWidth) {
  for (int W = 432; W <= 1080; W += 72) {
    SCOPED_TRACE(W);
    const MapLayout m = MakeMapLayout(W);
    EXPECT_EQ(12 * m.step30, W);  // the 360 degree tick lies on the frame's far side
    EXPECT_EQ(72 * m.step5, W);
    EXPECT_EQ(4 * m.step90, W);
    // "Earth" sits between the 180 and 270 degree labels, the body label likewise.
    EXPECT_GT(m.earthLabelX, 23 + 2 * m.step90);
    EXPECT_LT(m.earthLabelX, 23 + 3 * m.step90);
    EXPECT_LT(m.bodyLabelY, W + 19 - 2 * m.step90);
    EXPECT_GT(m.bodyLabelY, W + 19 - 3 * m.step90);
  }
}

TEST(MapLayout, CellPixelsFollowTheMapGeometry) {
  const MapLayout m = MakeMapLayout(432);
  EXPECT_EQ(m.CellX(0), 34);
  EXPECT_EQ(m.CellX(431), 465);
  EXPECT_EQ(m.CellY(0), 458);    // bottom row
  EXPECT_EQ(m.CellY(431), 27);   // top row, on the frame's top side
}

}  // namespace
}  // namespace moid

// The window title as a status line: its text for every screen and state. Dates and
// distances were worked out by hand (Python's datetime for the Julian days; 1 LD =
// 384,400 km, 1 AU = 149,597,870.691 km).
#include <gtest/gtest.h>

#include <cmath>

#include "ViewTestSupport.h"
#include "view/OrbitView.h"
#include "view/StatusLine.h"

namespace moid {
namespace {

const std::string DASH = " - ";
const std::string PLAY = "\xE2\x96\xB6";
const std::string BACK = "\xE2\x97\x80";

OrbitStatus Apophis() {
  OrbitStatus s;
  s.body = "(99942) Apophis";
  s.julianDay = 2462239.5;  // 2029 April 13, 0h
  s.framePace = 60;
  s.distanceAu = 0.000254;
  return s;
}

TEST(StatusLine, StillViewNamesOnlyTheBody) {
  EXPECT_EQ(OrbitViewStatusLine(Apophis()), "(99942) Apophis" + DASH + "moidview");
}

TEST(StatusLine, AnimationGivesDateDirectionPaceAndDistance) {
  OrbitStatus s = Apophis();
  s.animating = true;
  EXPECT_EQ(OrbitViewStatusLine(s), "(99942) Apophis" + DASH + "2029-04-13 " + PLAY + " 60 days/s" +
                                        DASH + "Earth distance 0.000254 AU (0.10 LD)" + DASH + "moidview");
  s.timeDirection = -1;
  s.framePace = 15;
  s.julianDay = 2460000.5 + 0.75;  // a fraction of a day shows the day it falls in
  s.distanceAu = 0.1;
  EXPECT_EQ(OrbitViewStatusLine(s), "(99942) Apophis" + DASH + "2023-02-25 " + BACK + " 15 days/s" +
                                        DASH + "Earth distance 0.100000 AU (38.92 LD)" + DASH + "moidview");
}

TEST(StatusLine, PausedSaysSoAndKeepsThePace) {
  OrbitStatus s = Apophis();
  s.animating = true;
  s.paused = true;
  s.framePace = 7;
  EXPECT_EQ(OrbitViewStatusLine(s), "(99942) Apophis" + DASH + "2029-04-13 " + PLAY + " paused, 7 days/s" +
                                        DASH + "Earth distance 0.000254 AU (0.10 LD)" + DASH + "moidview");
}

TEST(StatusLine, OneLunarDistanceIs384400Km) {
  EXPECT_EQ(DistanceText(384400 / 149597870.691), "0.002570 AU (1.00 LD)");
  EXPECT_EQ(DistanceText(1.5), "1.500000 AU (583.76 LD)");
}

TEST(StatusLine, MapGivesTheBodyAndItsMoid) {
  EXPECT_EQ(MapStatusLine("(99942) Apophis", 0.000254),
            "(99942) Apophis" + DASH + "distance map" + DASH + "MOID 0.000254 AU (0.10 LD)" + DASH + "moidview");
}

TEST(StatusLine, ListsGiveTheCatalogueFileAndItsBodies) {
  EXPECT_EQ(ListStatusLine("./ELEMENTS.DAT", 25000), "ELEMENTS.DAT" + DASH + "25000 bodies" + DASH + "moidview");
  EXPECT_EQ(ListStatusLine("/home/a/data/ELEMENTS.DAT", 1), "ELEMENTS.DAT" + DASH + "1 body" + DASH + "moidview");
  EXPECT_EQ(ListStatusLine("..\\ELEMENTS.DAT", 0), "ELEMENTS.DAT" + DASH + "0 bodies" + DASH + "moidview");
  // Before the catalogue has been read (the first width list) only its name is known.
  EXPECT_EQ(ListStatusLine("./ELEMENTS.DAT", -1), "ELEMENTS.DAT" + DASH + "moidview");
}

TEST(StatusLine, NamesInWindows1252BecomeUtf8) {
  OrbitStatus s = Apophis();
  s.body = "(2) Pall\xE1s";  // á
  EXPECT_EQ(OrbitViewStatusLine(s), "(2) Pall\xC3\xA1s" + DASH + "moidview");
}

TEST(StatusLine, TheViewsFactsComeFromTheAnimatedFrame) {
  // Circles of radius 1 and 2 in the ecliptic, both at longitude 0 at the epoch: at the
  // epoch the bodies are 1 AU apart.
  auto s = viewtest::CircleSession(72);
  s->bodyName = "Circle";
  viewtest::Rig rig;
  rig.console.keys.assign({"M", "", "\x1b"});
  Platform p = rig.Get();
  RunOrbitView(p, *s);
  const OrbitStatus status = OrbitStatusOf(*s);
  EXPECT_TRUE(status.animating);
  EXPECT_EQ(status.julianDay, viewtest::TEST_EPOCH + 1);
  EXPECT_EQ(status.framePace, 60);
  // One day on: the Earth has gone k·sqrt(1.0000030404) rad, the body k / sqrt(8) rad
  // (k = 0.01720209895), so their distance is sqrt(1 + 4 - 4 cos(difference)).
  const double k = 0.01720209895;
  const double diff = k * std::sqrt(1.0000030404) - k / std::sqrt(8.0);
  EXPECT_NEAR(status.distanceAu, std::sqrt(5 - 4 * std::cos(diff)), 1e-9);
  // A title for every frame: the still view's, then the dated ones.
  ASSERT_EQ(rig.console.titles.size(), 3u);
  EXPECT_EQ(rig.console.titles[0], "Circle" + DASH + "moidview");
  EXPECT_NE(rig.console.titles[2].find("2023-02-26 " + PLAY + " 60 days/s"), std::string::npos);
}

}  // namespace
}  // namespace moid

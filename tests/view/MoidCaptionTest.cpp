// The caption line: its three texts and the calls that place them.
#include "view/MoidCaption.h"

#include <gtest/gtest.h>

#include "ViewTestSupport.h"

namespace moid {
namespace {

using viewtest::RecordingGraphics;

Session CaptionSession(double moidAu, double longitudeDeg, const std::string& label) {
  Session s;
  s.referenceName = "Earth-Moon Barycenter";
  s.bodyLabel = label;
  s.moid.moidAu = moidAu;
  s.moid.longitudeDeg = longitudeDeg;
  return s;
}

TEST(MoidCaption, TextsOfATypicalMoid) {
  const MoidCaptionText t = MakeMoidCaption(CaptionSession(0.05, 123.4567, "Eros"));
  EXPECT_EQ(t.names, "Earth-Moon Barycenter-Eros");
  // 0.05 AU = 7.47989... Gm; nothing but the mask's blanks after "Moid =".
  EXPECT_EQ(t.distance, "Moid =   7.4799 Gm,  0.050000 AU");
  EXPECT_EQ(t.longitude, "Long = 123.457\xB0");
}

TEST(MoidCaption, OneAstronomicalUnit) {
  const MoidCaptionText t = MakeMoidCaption(CaptionSession(1.0, 0, "X"));
  EXPECT_EQ(t.distance, "Moid = 149.5979 Gm,  1.000000 AU");
  EXPECT_EQ(t.longitude, "Long =   0.000\xB0");
}

TEST(MoidCaption, LongitudeIsRoundedByTheMaskWithoutReducingItAgain) {
  EXPECT_EQ(MakeMoidCaption(CaptionSession(0, 359.9996, "X")).longitude, "Long = 360.000\xB0");
  // 0.0045 is stored slightly below the halfway point, 0.0015 slightly above.
  EXPECT_EQ(MakeMoidCaption(CaptionSession(0, 0.0045, "X")).longitude, "Long =   0.004\xB0");
  EXPECT_EQ(MakeMoidCaption(CaptionSession(0, 0.0015, "X")).longitude, "Long =   0.002\xB0");
}

TEST(MoidCaption, ZeroMoidAndAWideOne) {
  EXPECT_EQ(MakeMoidCaption(CaptionSession(0, 0, "X")).distance,
            "Moid =   0.0000 Gm,  0.000000 AU");
  // 70 AU is 10471.85 Gm: the Gm field grows by one to the left, the rest moves right.
  EXPECT_EQ(MakeMoidCaption(CaptionSession(70, 0, "X")).distance,
            "Moid =10471.8509 Gm, 70.000000 AU");
}

TEST(MoidCaption, DrawsThreeRunsInArialOnRowThree) {
  RecordingGraphics g;
  const Session s = CaptionSession(0.05, 123.4567, "Eros");
  DrawMoidCaption(g, s);
  ASSERT_EQ(g.calls.size(), 7u);
  EXPECT_EQ(g.calls[0].name, "GfxFont");
  EXPECT_EQ(g.calls[0].text, "Arial");
  EXPECT_EQ(g.calls[0].args, (std::vector<long long>{0, 15, 1, 0, 0, 0}));
  EXPECT_TRUE(g.calls[1].Is("DrawFrom", {1, 3}));
  EXPECT_EQ(g.calls[2].text, "Earth-Moon Barycenter-Eros");
  EXPECT_TRUE(g.calls[3].Is("DrawFrom", {120, 3}));
  EXPECT_EQ(g.calls[4].text, "Moid =   7.4799 Gm,  0.050000 AU");
  EXPECT_TRUE(g.calls[5].Is("DrawFrom", {330, 3}));
  EXPECT_EQ(g.calls[6].text, "Long = 123.457\xB0");
  for (int i : {2, 4, 6}) EXPECT_EQ(g.calls[i].args, std::vector<long long>{0});
}

TEST(MoidCaption, SetsNoColor) {
  RecordingGraphics g;
  DrawMoidCaption(g, CaptionSession(0.1, 10, "X"));
  EXPECT_EQ(g.Count("PenColor") + g.Count("BrushColor") + g.Count("GfxFontColor"), 0);
}

TEST(MoidCaption, LabelIsShownAsGiven) {
  // The label is made at the choice of body; the caption only joins it to the reference name.
  EXPECT_EQ(MakeMoidCaption(CaptionSession(0, 0, "")).names, "Earth-Moon Barycenter-");
  EXPECT_EQ(MakeMoidCaption(CaptionSession(0, 0, "1999 AN10")).names,
            "Earth-Moon Barycenter-1999 AN10");
}

}  // namespace
}  // namespace moid

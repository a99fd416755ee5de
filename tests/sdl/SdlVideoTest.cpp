#include "platform/sdl/SdlVideo.h"

#include <gtest/gtest.h>

namespace moid::sdl {
namespace {

TEST(VideoDrivers, OnlyTheDesktopsTheEnvironmentNames) {
  EXPECT_EQ(VideoDriversToTry({"", "", ":0", ""}), "x11");
  EXPECT_EQ(VideoDriversToTry({"", "", "", "wayland-0"}), "wayland");
  EXPECT_EQ(VideoDriversToTry({"", "", ":1", "wayland-0"}), "x11,wayland");
}

TEST(VideoDrivers, NoDesktopMeansNoDisplay) {
  EXPECT_EQ(VideoDriversToTry({"", "", "", ""}), std::nullopt);
}

TEST(VideoDrivers, AnExplicitChoiceWins) {
  // The program's own request, then the user's SDL_VIDEODRIVER (left for SDL to read).
  EXPECT_EQ(VideoDriversToTry({"dummy", "x11", ":0", ""}), "dummy");
  EXPECT_EQ(VideoDriversToTry({"", "offscreen", "", ""}), "");
  EXPECT_EQ(VideoDriversToTry({"", "x11", ":0", ""}), "");
}

TEST(VideoDrivers, DriversThatShowNothing) {
  EXPECT_TRUE(IsInvisibleDriver("offscreen"));
  EXPECT_TRUE(IsInvisibleDriver("dummy"));
  EXPECT_FALSE(IsInvisibleDriver("x11"));
  EXPECT_FALSE(IsInvisibleDriver("wayland"));
}

TEST(VideoDrivers, NoDisplayIsRefusedBeforeSdlStarts) {
  std::string whyNot;
  EXPECT_FALSE(StartVideo({"", "", "", ""}, false, whyNot));
  EXPECT_NE(whyNot.find("no display"), std::string::npos);
  EXPECT_NE(whyNot.find("DISPLAY"), std::string::npos);
}

}  // namespace
}  // namespace moid::sdl

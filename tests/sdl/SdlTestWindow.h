#pragma once
// An SdlPlatform on SDL's dummy video driver: a real window object and window surface in
// memory, no screen. Events are pushed into SDL's queue as the window would receive them.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "SdlEvents.h"
#include "platform/sdl/SdlPlatform.h"

namespace moid::sdl::test {

inline std::unique_ptr<SdlPlatform> OpenDummyWindow(
    SdlOptions::WaitMessage waitMessage = SdlOptions::WaitMessage::Never) {
  SdlOptions options;
  options.videoDriver = "dummy";
  options.allowInvisible = true;
  options.waitMessage = waitMessage;
  std::string whyNot;
  auto platform = SdlPlatform::Open(options, whyNot);
  EXPECT_TRUE(platform) << whyNot;
  return platform;
}

inline void Push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }

class SdlWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = OpenDummyWindow();
    ASSERT_TRUE(window);
  }
  void TearDown() override {
    window.reset();
  }
  std::unique_ptr<SdlPlatform> window;
};

}  // namespace moid::sdl::test

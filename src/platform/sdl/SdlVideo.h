#pragma once
#include <string>

namespace moid::sdl {

// Starts SDL's video for one window. False, with a one-line reason, when SDL cannot start,
// when another window of this process already holds it, or when the driver SDL found shows
// nothing (offscreen, dummy: no display) and `allowInvisible` is off.
bool StartVideo(const std::string& driver, bool allowInvisible, std::string& whyNot);
void StopVideo();

// True for the video drivers that show nothing on any screen.
bool IsInvisibleDriver(const std::string& name);

}  // namespace moid::sdl

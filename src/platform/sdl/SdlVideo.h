#pragma once
#include <optional>
#include <string>

namespace moid::sdl {

// What decides the video drivers SDL may try.
struct VideoEnvironment {
  std::string requested;     // a driver the program asks for ("" for none)
  std::string sdlDriverVar;  // SDL_VIDEODRIVER
  std::string display;       // DISPLAY
  std::string waylandDisplay;  // WAYLAND_DISPLAY
};

// The driver list to give SDL ("" lets SDL read SDL_VIDEODRIVER itself); nullopt when there
// is no display to try at all. Only the desktops that the environment names are tried, so
// that SDL neither falls back to a driver that shows nothing nor lets a desktop library
// that is not there complain on standard error.
std::optional<std::string> VideoDriversToTry(const VideoEnvironment& env);

// The environment of this process, with `requested` from the program.
VideoEnvironment ProcessVideoEnvironment(const std::string& requested);

// Starts SDL's video for one window. False, with a one-line reason, when there is no
// display, SDL cannot start, another window of this process already holds it, or the driver
// SDL found shows nothing (offscreen, dummy) and `allowInvisible` is off.
bool StartVideo(const VideoEnvironment& env, bool allowInvisible, std::string& whyNot);
void StopVideo();

// True for the video drivers that show nothing on any screen.
bool IsInvisibleDriver(const std::string& name);

}  // namespace moid::sdl

// moidview: the program in its window.
#include <iostream>
#include <string>

#include "app/Driver.h"
#include "platform/sdl/SdlPlatform.h"

// Kept in the executable's dynamic symbol table for callers that look it up by name.
extern "C" int Gfx_OleStringParams() { return 0; }

int main() {
  std::string whyNot;
  auto window = moid::sdl::SdlPlatform::Open(moid::sdl::SdlOptions{}, whyNot);
  if (!window) {
    std::cerr << "moidview: " << whyNot << '\n';
    return 1;
  }
  moid::Platform platform = window->AsPlatform();
  return moid::RunDriver(platform);
}

// moidview: the program in its window.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/Driver.h"
#include "app/ViewerArguments.h"
#include "platform/sdl/SdlPlatform.h"

// Kept in the executable's dynamic symbol table for callers that look it up by name.
extern "C" int Gfx_OleStringParams() { return 0; }

namespace {

// Writes the text to standard output; false, after saying so, when it could not be written.
bool Print(const std::string& text) {
  std::cout << text << std::flush;
  if (std::cout) return true;
  std::cerr << "moidview: standard output could not be written\n";
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  switch (moid::ViewerRequestFor(std::vector<std::string>(argv + std::min(argc, 1), argv + argc))) {
    case moid::ViewerRequest::Usage: return Print(moid::ViewerUsage()) ? 0 : 1;
    case moid::ViewerRequest::Version:
      return Print(std::string("moidview ") + MOIDVIEW_VERSION + "\n") ? 0 : 1;
    case moid::ViewerRequest::Run: break;
  }
  std::string whyNot;
  auto window = moid::sdl::SdlPlatform::Open(moid::sdl::SdlOptions{}, whyNot);
  if (!window) {
    std::cerr << "moidview: " << whyNot << '\n';
    return 1;
  }
  moid::Platform platform = window->AsPlatform();
  return moid::RunDriver(platform);
}

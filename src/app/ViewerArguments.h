#pragma once
#include <string>
#include <vector>

namespace moid {

// What moidview's command line asks for before any window is opened.
enum class ViewerRequest {
  Run,      // the program itself; arguments other than the ones below are ignored
  Usage,    // --help or -h
  Version,  // --version
};

// The request of the arguments after the program's name; the first of --help, -h and
// --version decides.
ViewerRequest ViewerRequestFor(const std::vector<std::string>& args);

// The usage text, each line ending in a line break.
std::string ViewerUsage();

}  // namespace moid

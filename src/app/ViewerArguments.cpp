#include "app/ViewerArguments.h"

namespace moid {

ViewerRequest ViewerRequestFor(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return ViewerRequest::Usage;
    if (arg == "--version") return ViewerRequest::Version;
  }
  return ViewerRequest::Run;
}

std::string ViewerUsage() {
  return "usage: moidview\n"
         "       moidview --help\n"
         "       moidview --version\n\n"
         "Shows the orbit of an asteroid of the catalogue ELEMENTS.DAT beside the Earth's, the\n"
         "closest approach of the two orbits (MOID) and a colour map of their distances, and\n"
         "saves both pictures as Orbits.bmp and Orbdis.bmp in the current folder.\n\n"
         "ELEMENTS.DAT is looked for in the current folder when KORIX121.EXE is there, in\n"
         "the parent folder when the current one is named USERDATA, else in the folder the\n"
         "environment variable KORIX12DIR names, and last in the shared data folders.\n";
}

}  // namespace moid

// sdl_list_demo [COUNT]: shows a list box of COUNT catalogue-like names (25000 by default,
// followed by one empty slot) in the window and prints the chosen text on standard output,
// for the end-to-end checks of type-to-search. Exit code 0 when something was chosen.
#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/sdl/SdlPlatform.h"
#include "sdl/ListNames.h"

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 25000;
  moid::sdl::SdlOptions options;
  options.title = "moidview list";
  std::string whyNot;
  auto window = moid::sdl::SdlPlatform::Open(options, whyNot);
  if (!window) {
    std::cerr << "sdl_list_demo: " << whyNot << '\n';
    return 1;
  }
  window->SetConsoleSize(141, 72);
  window->ConsoleGfx(0, 0, 0, 0);
  const auto names = moid::sdl::test::CatalogueNames(count, count + 1);
  const std::string chosen = window->ConsoleListBox(3, 0, 0, "Please select one Asteroid",
                                                    "Body Selection", names, 0, 0, 0);
  std::cout << chosen << '\n';
  return chosen.empty() ? 3 : 0;
}

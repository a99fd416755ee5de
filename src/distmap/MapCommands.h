#pragma once
#include <string>

namespace moid {

// What one key read on the map asks for.
enum class MapCommand {
  None,          // nothing, or a key the map ignores
  Back,          // "B", "b" or a left-button press: back to the orbit view
  ChooseBody,    // right-button press: the asteroid list
  ChooseWidth,   // any extended key: the width list
  Exit,          // Esc
};

MapCommand MapCommandForKey(const std::string& key);

}  // namespace moid

#include "distmap/MapCommands.h"

#include "platform/Keys.h"

namespace moid {

namespace {

constexpr char MOUSE_EVENT_PRESS = 4;

MapCommand MouseCommand(const std::string& key) {
  if (key[2] != MOUSE_EVENT_PRESS) return MapCommand::None;
  if (key[3] == keys::MOUSE_LEFT) return MapCommand::Back;
  if (key[3] == keys::MOUSE_RIGHT) return MapCommand::ChooseBody;
  return MapCommand::None;
}

bool IsMouseEvent(const std::string& key) {
  return key.size() == 4 && static_cast<unsigned char>(key[0]) == 255 &&
         static_cast<unsigned char>(key[1]) == 255;
}

}  // namespace

MapCommand MapCommandForKey(const std::string& key) {
  if (keys::IsExtended(key)) return MapCommand::ChooseWidth;
  if (IsMouseEvent(key)) return MouseCommand(key);
  if (key == "B" || key == "b") return MapCommand::Back;
  if (key.size() == 1 && key[0] == keys::ESC) return MapCommand::Exit;
  return MapCommand::None;
}

}  // namespace moid

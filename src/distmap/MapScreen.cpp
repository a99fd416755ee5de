#include "distmap/MapScreen.h"

#include <string>
#include <vector>

#include "distmap/MapCommands.h"
#include "platform/process/ProcessServices.h"
#include "view/StatusLine.h"

namespace moid {

namespace {

constexpr int POLL_SLEEP_MS = 10;
constexpr int READOUT_SLEEP_MS = 50;
const char* const ORBIT_PICTURE = "Orbits.bmp";
const char* const MAP_PICTURE = "Orbdis.bmp";
const char* const PROGRAM_NAME = "moidview";

// "Orbits.bmp and Orbdis.bmp", or the one name.
std::string NameList(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  }
  return text;
}

// Once per entry into the map: the user learns that the pictures are not on disk. The
// title keeps the map's status line in front of the note.
void TellUnsaved(ConsoleToolkit& console, const std::string& statusLine,
                 const std::vector<std::string>& names) {
  const std::string folder = process::CurrentDirectory();
  console.WriteErrorLine(std::string(PROGRAM_NAME) + ": " + NameList(names) +
                         " could not be saved in " + folder + "; the map is shown without them");
  console.SetWindowTitle(statusLine + " - " + NameList(names) + " not saved in " + folder);
}

// Carries out a command that leaves the map and sets where to; false keeps the map running.
bool LeaveFor(Platform& platform, MapCommand command, MapExit& exit) {
  switch (command) {
    case MapCommand::None:
      return false;
    case MapCommand::Back:
      platform.graphics.GfxCLS();  // the brush is still white from the map's clear
      exit = MapExit::ToOrbitView;
      return true;
    case MapCommand::ChooseBody:
      platform.graphics.GfxCLS();
      platform.console.SetMouseInput(false);
      exit = MapExit::ToBodyChoice;
      return true;
    case MapCommand::ChooseWidth:
      exit = MapExit::ToWidthChoice;
      return true;
    case MapCommand::Exit:
      exit = MapExit::ToExit;
      return true;
  }
  return false;
}

MapExit FollowUntilLeft(Platform& platform, const Session& session, MapReadout& readout) {
  // A closed window leaves for the exit once the pass that saw its last input is done.
  while (!platform.console.QuitRequested()) {
    const std::string key = platform.console.ReadKey();
    platform.console.Sleep(POLL_SLEEP_MS);
    MapExit exit = MapExit::ToExit;
    if (LeaveFor(platform, MapCommandForKey(key), exit)) return exit;
    platform.graphics.GfxRefresh(0);
    if (FollowPointer(platform.graphics, session.grid, session.W, readout)) {
      platform.console.Sleep(READOUT_SLEEP_MS);
    }
  }
  return MapExit::ToExit;
}

}  // namespace

MapExit RunDistanceMap(Platform& platform, Session& session, const ColorGrid& colors,
                       MapReadout& readout) {
  session.view.paused = false;
  std::vector<std::string> unsaved;
  if (!platform.graphics.SaveGfxWindow(ORBIT_PICTURE)) unsaved.push_back(ORBIT_PICTURE);
  if (!DrawDistanceMap(platform, session, colors)) unsaved.push_back(MAP_PICTURE);
  const std::string statusLine = MapStatusLine(session.bodyName, session.moid.moidAu);
  if (!unsaved.empty()) TellUnsaved(platform.console, statusLine, unsaved);
  platform.console.DiscardInput();
  ShowFirstReadout(platform.graphics, session.grid, session.W, readout);
  // The note stays in the title until the next screen sets its own.
  return FollowUntilLeft(platform, session, readout);
}

}  // namespace moid

#include "distmap/MapScreen.h"

#include <string>

#include "distmap/MapCommands.h"

namespace moid {

namespace {

constexpr int POLL_SLEEP_MS = 10;
constexpr int READOUT_SLEEP_MS = 50;

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
  platform.graphics.SaveGfxWindow("Orbits.bmp");
  DrawDistanceMap(platform, session, colors);
  platform.console.DiscardInput();
  ShowFirstReadout(platform.graphics, session.grid, session.W, readout);
  return FollowUntilLeft(platform, session, readout);
}

}  // namespace moid

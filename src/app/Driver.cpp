#include "app/Driver.h"

#include <cstdint>
#include <memory>

#include "app/AppState.h"
#include "app/BodySelection.h"
#include "app/CatalogRefusal.h"
#include "app/DisplaySetup.h"
#include "app/ExitSequence.h"
#include "app/OrbitSetup.h"
#include "data/CatalogReader.h"
#include "data/DataDirectory.h"
#include "distmap/MapScreen.h"
#include "view/OrbitView.h"
#include "view/StatusLine.h"

namespace moid {

namespace {

const char* const ELEMENTS_FILE = "ELEMENTS.DAT";

ScreenState Start(Platform& platform, AppState& state, const DriverOptions& options) {
  std::int32_t initValue = 0;
  platform.console.InitConsoleTools(0, 0, 0, CONSOLE_TOOLS_START_MODE, initValue, 0);
  state.defaultElevation = 20;
  state.defaultAzimuth = 0;
  if (options.elementsPath) {
    state.elementsPath = *options.elementsPath;
  } else {
    state.dataDir = FindDataDirectory();
    state.elementsPath = state.dataDir + ELEMENTS_FILE;
  }
  if (!PathExists(state.elementsPath)) return ScreenState::MissingData;
  // A catalogue that cannot be used is refused before any window is shown.
  state.catalogRefusal =
      CatalogRefusalLines(state.elementsPath, ReadCatalog(state.elementsPath, state.catalog));
  if (!state.catalogRefusal.empty()) return ScreenState::UnusableData;
  state.widthChoices = WidthChoices();
  return ScreenState::WidthChoice;
}

// Writes the lines, waits for one key and leaves.
ScreenState ReportAndLeave(Platform& platform, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) platform.console.WriteLine(line);
  platform.console.WaitForKey();
  return ScreenState::Exit;
}

// The lists name the catalogue, and how many bodies it holds once it has been read.
void ShowListStatus(Platform& platform, const AppState& state) {
  const int bodies = state.catalogReads > 0 ? state.catalog.lastIndex + 1 : -1;
  platform.console.SetWindowTitle(ListStatusLine(state.elementsPath, bodies));
}

ScreenState ChooseWidth(Platform& platform, AppState& state) {
  ShowListStatus(platform, state);
  const std::string item = ChooseWindowWidth(platform, state);
  if (item.empty()) return ScreenState::Exit;
  state.windowWidth = WidthFromItem(item);
  return ScreenState::Layout;
}

ScreenState ShowOrbitView(Platform& platform, AppState& state) {
  return RunOrbitView(platform, state.session) == OrbitViewExit::ToDistanceMap
             ? ScreenState::DistanceMap
             : ScreenState::Exit;
}

ScreenState ShowDistanceMap(Platform& platform, AppState& state) {
  const Session& session = state.session;
  platform.console.SetWindowTitle(MapStatusLine(session.bodyName, session.moid.moidAu));
  switch (RunDistanceMap(platform, state.session, state.colorGrid, state.readout)) {
    case MapExit::ToOrbitView: return ScreenState::OrbitView;
    case MapExit::ToBodyChoice: return ScreenState::BodyChoice;
    case MapExit::ToWidthChoice: return ScreenState::WidthChoice;
    case MapExit::ToExit: break;
  }
  return ScreenState::Exit;
}

// Runs one screen and names the next.
ScreenState RunState(ScreenState s, Platform& platform, AppState& state,
                     const DriverOptions& options) {
  switch (s) {
    case ScreenState::Start: return Start(platform, state, options);
    case ScreenState::MissingData:
      return ReportAndLeave(platform, MissingCatalogLines(state.elementsPath));
    case ScreenState::UnusableData: return ReportAndLeave(platform, state.catalogRefusal);
    case ScreenState::WidthChoice: return ChooseWidth(platform, state);
    case ScreenState::Layout:
      FitLayout(platform, state);
      // The file may have changed since the start.
      return state.catalogRefusal.empty() ? ScreenState::BodyChoice : ScreenState::UnusableData;
    case ScreenState::BodyChoice:
      ShowListStatus(platform, state);
      ChooseBody(platform, state);
      return ScreenState::OrbitSetup;
    case ScreenState::OrbitSetup:
      RunOrbitSetup(platform, state);
      return ScreenState::OrbitView;
    case ScreenState::OrbitView: return ShowOrbitView(platform, state);
    case ScreenState::DistanceMap: return ShowDistanceMap(platform, state);
    case ScreenState::Exit: break;
  }
  return ScreenState::Exit;
}

}  // namespace

int RunDriver(Platform& platform, AppState& state, const DriverOptions& options) {
  ScreenState s = ScreenState::Start;
  while (s != ScreenState::Exit) {
    s = RunState(s, platform, state, options);
    // A closed window ends the program from whatever screen it was closed on; why the
    // catalogue cannot be used is still written.
    const bool reporting = s == ScreenState::MissingData || s == ScreenState::UnusableData;
    if (!reporting && platform.console.QuitRequested()) s = ScreenState::Exit;
  }
  return RunExitSequence(platform);
}

int RunDriver(Platform& platform, const DriverOptions& options) {
  auto state = std::make_unique<AppState>();
  return RunDriver(platform, *state, options);
}

}  // namespace moid

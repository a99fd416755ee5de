#pragma once
#include <string>
#include <vector>

#include "data/ElementRecord.h"
#include "distmap/ColorRamp.h"
#include "distmap/MapReadout.h"
#include "view/Session.h"

namespace moid {

enum class ScreenState {
  Start,
  MissingData,
  UnusableData,
  WidthChoice,
  Layout,
  BodyChoice,
  OrbitSetup,
  OrbitView,
  DistanceMap,
  Exit,
};

constexpr int WIDTH_STEP = 72;
constexpr int MIN_WINDOW_WIDTH = 72;

// Everything that lives across screens, for the life of the process.
struct AppState {
  std::string dataDir;
  std::string elementsPath;
  std::vector<std::string> widthChoices;
  int windowWidth = 0;
  int ballSpacing = 0;
  int lastSample = 0;
  int charWidth = 0, charHeight = 0;
  int extraCols = 0, extraRows = 0;
  int consoleCols = 0, consoleRows = 0;
  BodyCatalog catalog;
  int catalogReads = 0;             // how often the fit loop read the catalogue
  // Why the catalogue cannot be used (unreadable, or an unusable reference orbit), as lines
  // for the console; empty when it can be.
  std::vector<std::string> catalogRefusal;
  std::vector<int> skippedRecords;  // positions of body records the reader could not use
  int selectedIndex = 0;
  std::string selectedName;
  std::string bodyLabel;
  ElementRecord currentBody;
  double defaultElevation = 20;
  double defaultAzimuth = 0;

  Session session;      // orbits, grid, MOID, view of the chosen body
  ColorGrid colorGrid;  // color of every grid cell
  MapReadout readout;   // the map's pointer readout
};

}  // namespace moid

#include "app/OrbitSetup.h"

#include "orbit/DistanceScan.h"
#include "orbit/MoidRefinement.h"
#include "orbit/OrbitModel.h"
#include "view/OrbitView.h"

namespace moid {

namespace {

// What the two graphic screens show beside the orbits.
void CopyCaptionFacts(AppState& state) {
  Session& session = state.session;
  session.W = state.windowWidth;
  session.ballSpacing = state.ballSpacing;
  session.epoch = state.catalog.epoch;
  session.referenceName = state.catalog.reference.name;
  session.bodyLabel = state.bodyLabel;
  session.bodyName = state.selectedName;
}

}  // namespace

void RunOrbitSetup(Platform& platform, AppState& state) {
  Session& session = state.session;
  const int W = state.windowWidth;
  session.asteroid = PrepareAsteroidGeometry(state.currentBody);
  BuildOrbitTables(session.earth, session.asteroid, W, session.earthTable, session.asteroidTable);
  const GridMinimum start =
      ScanDistanceGrid(session.earthTable, session.asteroidTable, W, session.grid);
  BuildColorGrid(session.grid, W, state.colorGrid);
  session.moid = RefineMoid(session.earth, session.asteroid, start);
  platform.console.SetTextCursorVisible(false);
  ResetView(session.view);
  CopyCaptionFacts(state);
}

}  // namespace moid

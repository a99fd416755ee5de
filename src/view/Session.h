#pragma once
#include <string>

#include "orbit/MoidSearch.h"
#include "orbit/OrbitModel.h"
#include "view/ViewState.h"

namespace moid {

// What the two graphic screens show for the chosen body. Its tables are re-created for
// every width (W + 1 slots) and filled after every choice of body.
struct Session {
  int W = 0;
  int ballSpacing = 0;
  double epoch = 0;            // catalogue epoch, the animation's time origin
  std::string referenceName;   // record 0's name, left part of the caption
  std::string bodyLabel;       // the chosen body's label
  std::string bodyName;        // the chosen body's name, outer blanks removed
  OrbitGeometry earth, asteroid;
  OrbitTable earthTable, asteroidTable;
  DistanceGrid grid;
  MoidResult moid;
  ViewState view;
  ProjectionTables projection;

  void Resize(int w) {
    W = w;
    earthTable.Resize(w);
    asteroidTable.Resize(w);
    grid.Resize(w);
    projection.Resize(w);
    moid = {};
  }
};

}  // namespace moid

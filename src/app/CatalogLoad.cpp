#include "app/CatalogLoad.h"

#include "app/CatalogRefusal.h"
#include "data/CatalogReader.h"
#include "orbit/OrbitModel.h"

namespace moid {

void LoadCatalog(AppState& state) {
  const CatalogReadReport report = ReadCatalog(state.elementsPath, state.catalog);
  ++state.catalogReads;
  state.catalogRefusal = CatalogRefusalLines(state.elementsPath, report);
  state.skippedRecords.clear();
  for (const SkippedRecord& r : report.skipped) state.skippedRecords.push_back(r.position);
  state.session.earth = PrepareEarthGeometry(state.catalog.reference);
}

}  // namespace moid

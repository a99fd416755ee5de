#include "orbit/BatchMoid.h"

#include "orbit/BatchRefinement.h"
#include "orbit/GridValleys.h"

namespace moid {

BatchMoidWorkspace::BatchMoidWorkspace(int W) {
  earthTable_.Resize(W);
  asteroidTable_.Resize(W);
  grid_.Resize(W);
  turns_.Resize(W);
}

namespace {

bool SameOrbit(const OrbitGeometry& a, const OrbitGeometry& b) {
  return a.e == b.e && a.a == b.a && a.omega == b.omega && a.node == b.node &&
         a.isEarth == b.isEarth;
}

}  // namespace

const OrbitTable& BatchMoidWorkspace::EarthSamples(const OrbitGeometry& earth) {
  if (!haveEarth_ || !SameOrbit(earth, earthOfTable_)) {
    FillOrbitTable(earth, grid_.W, earthTable_);
    earthLargestStep_ = LargestSampleStepAu(earthTable_, grid_.W);
    earthOfTable_ = earth;
    haveEarth_ = true;
  }
  return earthTable_;
}

MoidResult ComputeBatchMoid(const OrbitGeometry& earth, const ElementRecord& body,
                            BatchMoidWorkspace& work) {
  const OrbitGeometry asteroid = PrepareAsteroidGeometry(body);
  const OrbitTable& earthTable = work.EarthSamples(earth);
  FillAsteroidSamples(asteroid, work.Turns(), work.Width(), work.AsteroidSamples());
  const GridMinimum start = ScanSquaredDistances(earthTable, work.EarthLargestStep(),
                                                 work.AsteroidSamples(), work.Grid());
  return RefineBatchMoid(earth, asteroid, start);
}

}  // namespace moid

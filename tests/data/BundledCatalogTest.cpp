// The catalogue that ships with moidview reads cleanly and holds what users look for.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>

#include "data/CatalogReader.h"
#include "orbit/ViewerMoid.h"

namespace moid {
namespace {

class BundledCatalog : public ::testing::Test {
 protected:
  void SetUp() override {
    report = ReadCatalog(std::string(MOID_SOURCE_DIR) + "/share/ELEMENTS.DAT", *catalog);
  }
  int IndexOf(const std::string& name) const {
    for (int i = 0; i <= catalog->lastIndex; ++i) {
      if (catalog->bodies[static_cast<std::size_t>(i)].name == name) return i;
    }
    return -1;
  }

  std::unique_ptr<BodyCatalog> catalog = std::make_unique<BodyCatalog>();
  CatalogReadReport report;
};

TEST_F(BundledCatalog, ReadsWithoutComplaint) {
  EXPECT_FALSE(report.unreadable);
  EXPECT_FALSE(report.truncated);
  EXPECT_EQ(report.skippedCount, 0);
  EXPECT_EQ(report.referenceProblem, "");
  EXPECT_EQ(catalog->lastIndex, CATALOG_LAST_INDEX - 1);  // full: 25,000 bodies
}

TEST_F(BundledCatalog, ReferenceIsTheEarthsOrbitAtTheCommonEpochInItsOwnPlane) {
  EXPECT_EQ(catalog->epoch, 2461000.5);  // 2025 November 21.0
  const ElementRecord& earth = catalog->reference;
  EXPECT_EQ(earth.name, "Earth");
  EXPECT_EQ(earth.inclination, 0.0);
  // The Earth's centre: a and e within the Moon's monthly swing of the barycentre's 1.0000 AU
  // and 0.0167.
  EXPECT_NEAR(earth.semiMajorAxis, 1.0, 1.5e-3);
  EXPECT_NEAR(earth.eccentricity, 0.0167, 1.2e-3);
  // In late November the Sun stands near 239 degrees of ecliptic longitude, so the Earth's
  // heliocentric mean longitude (perihelion longitude + mean anomaly) lies near 59 degrees.
  const double meanLongitude = std::fmod(
      earth.ascendingNode + earth.perihelionArgument + earth.meanAnomaly, 360.0);
  EXPECT_NEAR(meanLongitude, 59.0, 2.0);
}

TEST_F(BundledCatalog, NamesInTheReadableFormEachOnce) {
  EXPECT_EQ(catalog->bodies[0].name, "(1) Ceres");
  EXPECT_GE(IndexOf("(433) Eros"), 0);
  EXPECT_GE(IndexOf("(1036) Ganymed"), 0);
  EXPECT_GE(IndexOf("(90377) Sedna"), 0);
  EXPECT_GE(IndexOf("(99942) Apophis"), 0);
  EXPECT_GE(IndexOf("2024 YR4"), 0);
  std::set<std::string> names;
  for (int i = 0; i <= catalog->lastIndex; ++i) {
    EXPECT_TRUE(names.insert(catalog->bodies[static_cast<std::size_t>(i)].name).second)
        << "twice: " << catalog->bodies[static_cast<std::size_t>(i)].name;
  }
  // JPL's solution 659 of Eros for 2025 November 21 (SBDB API, 2025).
  const ElementRecord& eros = catalog->bodies[static_cast<std::size_t>(IndexOf("(433) Eros"))];
  EXPECT_EQ(eros.semiMajorAxis, 1.458120998474684);
  EXPECT_EQ(eros.eccentricity, 0.2228359407071628);
}

TEST_F(BundledCatalog, NumberedBodiesComeInTheOrderOfTheirNumbers) {
  long previous = 0;
  int numbered = 0;
  for (int i = 0; i <= catalog->lastIndex; ++i) {
    const std::string& name = catalog->bodies[static_cast<std::size_t>(i)].name;
    if (name.empty() || name[0] != '(') break;
    const long number = std::stol(name.substr(1));
    EXPECT_GT(number, previous) << name;
    previous = number;
    ++numbered;
  }
  EXPECT_GT(numbered, 3000);
  // After the numbered bodies, none comes again.
  for (int i = numbered; i <= catalog->lastIndex; ++i) {
    EXPECT_NE(catalog->bodies[static_cast<std::size_t>(i)].name[0], '(') << i;
  }
}

TEST_F(BundledCatalog, MostlyNearEarthAsteroids) {
  int near = 0;
  for (int i = 0; i <= catalog->lastIndex; ++i) {
    const ElementRecord& body = catalog->bodies[static_cast<std::size_t>(i)];
    if (body.semiMajorAxis * (1 - body.eccentricity) < 1.3) ++near;  // perihelion below 1.3 AU
  }
  EXPECT_GE(near, 20000);
}

// The MOIDs JPL's Small-Body Database lists for the solutions the catalogue holds (SBDB API,
// 2025): Apophis 0.000360605 AU (solution 220), 2024 YR4 0.00280259 AU (solution 78).
TEST_F(BundledCatalog, TheFamousBodiesHaveJplsMoids) {
  const OrbitGeometry earth = PrepareEarthGeometry(catalog->reference);
  MoidWorkspace work(432);
  const auto moidOf = [&](const std::string& name) {
    const int index = IndexOf(name);
    EXPECT_GE(index, 0) << name;
    if (index < 0) return -1.0;
    return ComputeViewerMoid(earth, catalog->bodies[static_cast<std::size_t>(index)], 432, work)
        .moid.moidAu;
  };
  EXPECT_NEAR(moidOf("(99942) Apophis"), 0.000360605, 1e-6);
  EXPECT_NEAR(moidOf("2024 YR4"), 0.00280259, 1e-6);
}

TEST_F(BundledCatalog, EveryMeanAnomalyIsReducedToOneTurn) {
  for (int i = 0; i <= catalog->lastIndex; ++i) {
    const double m = catalog->bodies[static_cast<std::size_t>(i)].meanAnomaly;
    ASSERT_TRUE(m >= 0 && m < 360) << i << ' ' << m;
  }
}

}  // namespace
}  // namespace moid

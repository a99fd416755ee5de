// The catalogue that ships with moidview reads cleanly and holds what users look for.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "data/CatalogReader.h"

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
  EXPECT_GT(catalog->lastIndex, 5000);
}

TEST_F(BundledCatalog, ReferenceIsTheEarthMoonBarycentreAtTheCommonEpoch) {
  EXPECT_EQ(catalog->epoch, 2459800.5);  // 2022 August 9.0
  const ElementRecord& earth = catalog->reference;
  EXPECT_EQ(earth.name, "Earth");
  EXPECT_NEAR(earth.semiMajorAxis, 1.0, 1e-5);
  EXPECT_NEAR(earth.eccentricity, 0.0167, 1e-4);
  // Longitude of perihelion near 103 degrees; early August lies about 217 days after the
  // January perihelion, so the mean anomaly is near 214 degrees.
  EXPECT_NEAR(earth.perihelionArgument + earth.ascendingNode, 103.0, 0.1);
  EXPECT_NEAR(earth.meanAnomaly, 214.1, 0.5);
}

TEST_F(BundledCatalog, NamesInTheReadableForm) {
  EXPECT_EQ(catalog->bodies[0].name, "(1) Ceres");
  EXPECT_GE(IndexOf("(433) Eros"), 0);
  EXPECT_GE(IndexOf("(1036) Ganymed"), 0);
  EXPECT_GE(IndexOf("(90377) Sedna"), 0);
  EXPECT_GE(IndexOf("2022 OU15"), 0);
  const ElementRecord& eros = catalog->bodies[static_cast<std::size_t>(IndexOf("(433) Eros"))];
  EXPECT_NEAR(eros.semiMajorAxis, 1.458, 1e-3);
  EXPECT_NEAR(eros.eccentricity, 0.223, 1e-3);
}

TEST_F(BundledCatalog, EveryMeanAnomalyIsReducedToOneTurn) {
  for (int i = 0; i <= catalog->lastIndex; ++i) {
    const double m = catalog->bodies[static_cast<std::size_t>(i)].meanAnomaly;
    ASSERT_TRUE(m >= 0 && m < 360) << i << ' ' << m;
  }
}

}  // namespace
}  // namespace moid

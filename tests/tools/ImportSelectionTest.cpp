#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "tools/ImportSelection.h"

namespace moid::tools {
namespace {

sources::SourceBody Body(const std::string& name, double e = 0.1, double a = 2.5, double epochJd = 2459800.5) {
  sources::SourceBody body;
  body.name = name;
  body.epochJd = epochJd;
  body.eccentricity = e;
  body.inclination = 5;
  body.perihelionArgument = 10;
  body.ascendingNode = 20;
  body.semiMajorAxis = a;
  body.meanAnomaly = 30;
  return body;
}

std::vector<std::string> KeptNames(const Collection& c) {
  std::vector<std::string> names;
  for (const sources::SourceBody& body : c.kept) names.push_back(body.name);
  return names;
}

TEST(ImportSelection, WhatElementsDatCannotHold) {
  EXPECT_EQ(WhyNotHoldable(Body("(1) Ceres")), "");
  EXPECT_EQ(WhyNotHoldable(Body("circle", 0.0)), "");
  EXPECT_EQ(WhyNotHoldable(Body("x", 1.0)), "eccentricity 1 is not below 1 (not an ellipse)");
  EXPECT_EQ(WhyNotHoldable(Body("x", 1.2, -1.27)), "eccentricity 1.2 is not below 1 (not an ellipse)");
  EXPECT_EQ(WhyNotHoldable(Body("x", -0.1)), "eccentricity -0.1 is negative (not an ellipse)");
  EXPECT_EQ(WhyNotHoldable(Body("x", 0.1, 0.0)), "semi-major axis 0 AU is not positive");
  sources::SourceBody infinite = Body("x");
  infinite.inclination = std::numeric_limits<double>::infinity();
  EXPECT_EQ(WhyNotHoldable(infinite), "an element is not a finite number");
  sources::SourceBody noEpoch = Body("x");
  noEpoch.epochJd = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(WhyNotHoldable(noEpoch), "the epoch is not a finite number");
}

TEST(ImportSelection, MissingValuesAreNamed) {
  sources::SourceBody body = Body("");
  body.meanAnomaly.reset();
  body.ascendingNode.reset();
  EXPECT_EQ(WhyNotHoldable(body), "no name, longitude of the ascending node, mean anomaly");
  sources::SourceBody noEpoch = Body("x");
  noEpoch.epochJd.reset();
  EXPECT_EQ(WhyNotHoldable(noEpoch), "no epoch");
  EXPECT_EQ(WhyNotHoldable(Body(" \r\n\x01 ")), "no name");  // nothing left to write
}

TEST(ImportSelection, NearEarthByFlagElseByPerihelion) {
  sources::SourceBody flagged = Body("x", 0.1, 2.5);
  flagged.nearEarth = true;
  EXPECT_TRUE(IsNearEarth(flagged));
  sources::SourceBody denied = Body("x", 0.5, 1.5);  // q = 0.75, but the source says no
  denied.nearEarth = false;
  EXPECT_FALSE(IsNearEarth(denied));
  EXPECT_TRUE(IsNearEarth(Body("x", 0.5, 2.59)));   // q = 1.295
  EXPECT_FALSE(IsNearEarth(Body("x", 0.5, 2.61)));  // q = 1.305
}

TEST(ImportSelection, CollectorSortsBodiesAndKeepsInputOrder) {
  ImportFilters filters;
  BodyCollector collector(filters);
  collector.OnBody(Body("(1) Ceres"));
  collector.OnBody(Body("2017 U1", 1.2, -1.27, 2458080.5));
  collector.OnBody(Body("(433) Eros", 0.22, 1.46, 2459000.5));
  collector.OnProblem({7, "truncated"});
  const Collection& c = collector.Result();
  EXPECT_EQ(KeptNames(c), (std::vector<std::string>{"(1) Ceres", "(433) Eros"}));
  EXPECT_EQ(c.bodiesRead, 3);
  ASSERT_EQ(c.dropped.size(), 1u);
  EXPECT_EQ(c.dropped[0].name, "2017 U1");
  ASSERT_EQ(c.problems.size(), 1u);
  EXPECT_EQ(c.problems[0].line, 7);
  // Dropped bodies have no say in the common epoch; the later of a tie wins.
  EXPECT_EQ(c.epochs.MostCommon(), 2459800.5);
}

TEST(ImportSelection, FiltersLimitAndCapacity) {
  ImportFilters filters;
  filters.nearEarthOnly = true;
  filters.nameContains = "ap";
  filters.limit = 3;
  BodyCollector collector(filters, 2);
  for (const char* name : {"Apophis", "Ceres", "Apollo", "Bacchus", "Aphrodite", "Capella"}) {
    collector.OnBody(Body(name, 0.5, 1.5));  // every one near the Earth
  }
  collector.OnBody(Body("Apfar", 0.1, 3.0));  // matches the name, but far
  const Collection& c = collector.Result();
  EXPECT_EQ(KeptNames(c), (std::vector<std::string>{"Apophis", "Apollo"}));
  EXPECT_EQ(c.leftOut, 2);      // Aphrodite and Capella: over the capacity of 2
  EXPECT_EQ(c.beyondLimit, 0);
  EXPECT_EQ(c.filteredOut, 3);  // Ceres and Bacchus by name, Apfar by its orbit
  EXPECT_EQ(c.bodiesRead, 7);

  ImportFilters limited;
  limited.limit = 2;
  BodyCollector limitedCollector(limited);
  for (const char* name : {"a", "b", "c", "d"}) limitedCollector.OnBody(Body(name));
  EXPECT_EQ(KeptNames(limitedCollector.Result()), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(limitedCollector.Result().beyondLimit, 2);
  EXPECT_EQ(limitedCollector.Result().leftOut, 0);
}

TEST(ImportSelection, ProgressIsPassedOn) {
  std::vector<std::uint64_t> seen;
  BodyCollector collector({}, MAX_IMPORTED_BODIES, [&seen](std::uint64_t bytes) { seen.push_back(bytes); });
  collector.OnProgress(10);
  collector.OnProgress(20);
  EXPECT_EQ(seen, (std::vector<std::uint64_t>{10, 20}));
}

}  // namespace
}  // namespace moid::tools

// The Earths of many epochs: worked out once while kept, let go beyond a bound.
#include "tools/EarthByEpoch.h"

#include <gtest/gtest.h>

#include <memory>

namespace moid::tools {
namespace {

void ExpectSameEarth(const EarthAtEpoch& a, const EarthAtEpoch& b) {
  EXPECT_EQ(a.elements.semiMajorAxis, b.elements.semiMajorAxis);
  EXPECT_EQ(a.elements.eccentricity, b.elements.eccentricity);
  EXPECT_EQ(a.elements.perihelionArgument, b.elements.perihelionArgument);
  EXPECT_EQ(a.geometry.omega, b.geometry.omega);
  EXPECT_EQ(a.geometry.node, b.geometry.node);
}

TEST(EarthByEpoch, AnEarthLetGoStaysWithItsUsersAndComesBackTheSame) {
  EarthByEpoch earths(2);
  const std::shared_ptr<const EarthAtEpoch> first = earths.At(2458666.5);
  const double firstA = first->elements.semiMajorAxis;
  // Two epochs at a time: going back and forth between them works nothing out again.
  earths.At(2459000.5);
  earths.At(2458666.5);
  earths.At(2459000.5);
  EXPECT_EQ(earths.EpochCount(), 2u);
  // A third lets the oldest go; the job holding it still has it, unchanged.
  const auto third = earths.At(2459200.5);
  EXPECT_EQ(first->elements.semiMajorAxis, firstA);
  const auto again = earths.At(2458666.5);
  EXPECT_NE(again, first);  // worked out afresh ...
  ExpectSameEarth(*again, *first);  // ... to the same orbit
  EXPECT_EQ(earths.EpochCount(), 4u);
  // Different epochs give different Earths (the orbit turns a little every day).
  EXPECT_NE(third->elements.perihelionArgument, first->elements.perihelionArgument);
}

}  // namespace
}  // namespace moid::tools

// Whatever the bytes, the reader ends and leaves a catalogue that keeps its promises.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>

#include "data/CatalogReader.h"
#include "data/CatalogText.h"

namespace moid {
namespace {

void ExpectConsistent(const BodyCatalog& catalog, const CatalogReadReport& report) {
  ASSERT_GE(catalog.lastIndex, -1);
  ASSERT_LE(catalog.lastIndex, CATALOG_LAST_INDEX);
  ASSERT_EQ(catalog.bodies.size(), static_cast<std::size_t>(CATALOG_LAST_INDEX) + 1);
  for (int i = 0; i <= catalog.lastIndex; ++i) {
    const ElementRecord& r = catalog.bodies[static_cast<std::size_t>(i)];
    ASSERT_TRUE(r.eccentricity >= 0 && r.eccentricity < 1) << i;
    ASSERT_TRUE(r.semiMajorAxis > 0 && std::isfinite(r.semiMajorAxis)) << i;
    ASSERT_TRUE(std::isfinite(r.inclination) && std::isfinite(r.perihelionArgument) &&
                std::isfinite(r.ascendingNode) && std::isfinite(r.meanAnomaly))
        << i;
  }
  for (std::size_t i = static_cast<std::size_t>(catalog.lastIndex + 1); i < catalog.bodies.size();
       ++i) {
    ASSERT_TRUE(catalog.bodies[i].name.empty() && catalog.bodies[i].semiMajorAxis == 0) << i;
  }
  ASSERT_LE(report.skipped.size(), static_cast<std::size_t>(report.skippedCount));
}

// Random bytes drawn mostly from the characters the field rules care about.
std::string RandomCatalogue(std::mt19937& random, std::size_t length) {
  static const std::string alphabet = "0123456789.,+-eEdD \t\r\n\"\x1A" "abc\xB0\xFF";
  std::uniform_int_distribution<int> pickByte(0, 255);
  std::uniform_int_distribution<std::size_t> pickChar(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> coin(0, 3);
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    text.push_back(coin(random) == 0 ? static_cast<char>(pickByte(random))
                                     : alphabet[pickChar(random)]);
  }
  return text;
}

TEST(CatalogGarbage, RandomBytesNeverBreakTheReader) {
  std::mt19937 random(20240601);
  auto catalog = std::make_unique<BodyCatalog>();
  for (int round = 0; round < 400; ++round) {
    const std::size_t length = static_cast<std::size_t>(round) * 7 % 3000;
    const std::string bytes = RandomCatalogue(random, length);
    SCOPED_TRACE(round);
    ExpectConsistent(*catalog, ParseCatalog(bytes, *catalog));
  }
}

TEST(CatalogGarbage, PathologicalShapes) {
  auto catalog = std::make_unique<BodyCatalog>();
  const std::string shapes[] = {
      std::string(100000, ','),          std::string(100000, '\n'),
      std::string(100000, '\r'),         std::string(100000, ' '),
      std::string(100000, '"'),          std::string(100000, '9'),
      std::string(100000, '\t'),         std::string(1, '\0'),
      std::string(5000, '\0'),           "\"" + std::string(100000, 'x'),
      std::string("1e") + std::string(100000, '9'),
  };
  for (const std::string& bytes : shapes) {
    SCOPED_TRACE(bytes.substr(0, 8));
    ExpectConsistent(*catalog, ParseCatalog(bytes, *catalog));
  }
  // 100,000 commas: record 0 takes nine, leaving 99,991 = 7 x 14,284 + 3: 14,284 bodies of
  // zeros and one more partial one (its first field does not reach the end), none with an orbit.
  const CatalogReadReport report = ParseCatalog(std::string(100000, ','), *catalog);
  EXPECT_EQ(catalog->lastIndex, -1);
  EXPECT_EQ(report.skippedCount, 14285);
}

TEST(CatalogGarbage, EveryPrefixOfAGoodCatalogue) {
  const std::string good = testing::Crlf(testing::THREE_BODY_LINES);
  auto catalog = std::make_unique<BodyCatalog>();
  for (std::size_t length = 0; length <= good.size(); ++length) {
    SCOPED_TRACE(length);
    ExpectConsistent(*catalog, ParseCatalog(good.substr(0, length), *catalog));
  }
  EXPECT_EQ(catalog->lastIndex, 2);
}

}  // namespace
}  // namespace moid

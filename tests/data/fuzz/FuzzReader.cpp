// libFuzzer target for the catalogue reader: any bytes must read without a fault, leave a
// catalogue that keeps its promises, and read the same with bare LFs written as CR LF.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/CatalogReader.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

bool Drawable(const moid::ElementRecord& r) {
  return r.eccentricity >= 0 && r.eccentricity < 1 && r.semiMajorAxis > 0 &&
         std::isfinite(r.semiMajorAxis) && std::isfinite(r.inclination) &&
         std::isfinite(r.perihelionArgument) && std::isfinite(r.ascendingNode) &&
         std::isfinite(r.meanAnomaly);
}

void CheckConsistent(const moid::BodyCatalog& catalog, const moid::CatalogReadReport& report) {
  Check(catalog.lastIndex >= -1 && catalog.lastIndex <= moid::CATALOG_LAST_INDEX);
  Check(catalog.bodies.size() == static_cast<std::size_t>(moid::CATALOG_LAST_INDEX) + 1);
  for (int i = 0; i <= catalog.lastIndex; ++i) {
    Check(Drawable(catalog.bodies[static_cast<std::size_t>(i)]));
  }
  const std::size_t next = static_cast<std::size_t>(catalog.lastIndex + 1);
  if (next < catalog.bodies.size()) Check(catalog.bodies[next].name.empty());
  Check(report.skipped.size() <= static_cast<std::size_t>(report.skippedCount));
}

bool SameNumber(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

bool SameRecord(const moid::ElementRecord& a, const moid::ElementRecord& b) {
  return SameNumber(a.eccentricity, b.eccentricity) && SameNumber(a.inclination, b.inclination) &&
         SameNumber(a.perihelionArgument, b.perihelionArgument) &&
         SameNumber(a.ascendingNode, b.ascendingNode) &&
         SameNumber(a.semiMajorAxis, b.semiMajorAxis) &&
         SameNumber(a.meanAnomaly, b.meanAnomaly) && a.name == b.name;
}

void CheckSameCatalogue(const moid::BodyCatalog& a, const moid::BodyCatalog& b) {
  Check(SameNumber(a.epoch, b.epoch));
  Check(SameRecord(a.reference, b.reference));
  Check(a.lastIndex == b.lastIndex);
  for (int i = 0; i <= a.lastIndex; ++i) {
    Check(SameRecord(a.bodies[static_cast<std::size_t>(i)], b.bodies[static_cast<std::size_t>(i)]));
  }
}

// Every LF not preceded by CR written as CR LF.
std::string WithCrLf(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) out.push_back('\r');
    out.push_back(bytes[i]);
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Two catalogues kept between runs: 25,001 slots are too many to build for every input.
  static auto* const plain = new moid::BodyCatalog;
  static auto* const converted = new moid::BodyCatalog;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const moid::CatalogReadReport report = moid::ParseCatalog(bytes, *plain);
  CheckConsistent(*plain, report);
  // Inside quotes a line break is part of the name, so the comparison needs a text without them.
  if (bytes.find('"') == std::string_view::npos) {
    const moid::CatalogReadReport again = moid::ParseCatalog(WithCrLf(bytes), *converted);
    CheckSameCatalogue(*plain, *converted);
    Check(again.skippedCount == report.skippedCount && again.truncated == report.truncated);
  }
  return 0;
}

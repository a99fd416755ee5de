#include "tools/ImportSelection.h"

#include <array>
#include <cmath>

#include "data/BodyCheck.h"
#include "data/ElementRecord.h"
#include "sources/BodyNames.h"
#include "tools/SourceElements.h"
#include "tools/ToolText.h"

namespace moid::tools {
namespace {

struct NamedValue {
  const char* name;
  std::optional<double> sources::SourceBody::*member;
};

constexpr std::array<NamedValue, 7> REQUIRED_VALUES = {{
    {"epoch", &sources::SourceBody::epochJd},
    {"eccentricity", &sources::SourceBody::eccentricity},
    {"inclination", &sources::SourceBody::inclination},
    {"argument of perihelion", &sources::SourceBody::perihelionArgument},
    {"longitude of the ascending node", &sources::SourceBody::ascendingNode},
    {"semi-major axis", &sources::SourceBody::semiMajorAxis},
    {"mean anomaly", &sources::SourceBody::meanAnomaly},
}};

std::string MissingValues(const sources::SourceBody& body) {
  std::string missing = sources::CatalogName(body.name).empty() ? "name" : "";
  for (const NamedValue& value : REQUIRED_VALUES) {
    if (body.*value.member) continue;
    missing += (missing.empty() ? "" : ", ") + std::string(value.name);
  }
  return missing;
}

}  // namespace

std::string WhyNotHoldable(const sources::SourceBody& body) {
  if (const std::string missing = MissingValues(body); !missing.empty()) {
    return "no " + missing;
  }
  if (!std::isfinite(*body.epochJd)) return "the epoch is not a finite number";
  const ElementRecord elements = ElementsOf(body);
  if (std::string reason = UndrawableReason(elements); !reason.empty()) return reason;
  const double perihelion = elements.semiMajorAxis * (1 - elements.eccentricity);
  if (perihelion < SUN_RADIUS_AU) {
    return "perihelion distance " + ShortestNumber(perihelion) + " AU lies inside the Sun (below " +
           ShortestNumber(SUN_RADIUS_AU) + " AU)";
  }
  return "";
}

bool IsNearEarth(const sources::SourceBody& body) {
  if (body.nearEarth) return *body.nearEarth;
  const double perihelion = body.semiMajorAxis.value_or(0) * (1 - body.eccentricity.value_or(0));
  return perihelion < NEAR_EARTH_PERIHELION_AU;
}

BodyCollector::BodyCollector(ImportFilters filters, long capacity,
                             std::function<void(std::uint64_t)> progress)
    : filters_(std::move(filters)), capacity_(capacity), progress_(std::move(progress)) {}

void BodyCollector::OnBody(sources::SourceBody&& body) {
  ++result_.bodiesRead;
  if (std::string reason = WhyNotHoldable(body); !reason.empty()) {
    result_.dropped.push_back({body.line, body.name, std::move(reason), source_});
    return;
  }
  result_.epochs.Add(*body.epochJd);
  const auto kept = static_cast<long>(result_.kept.size());
  if (!PassesFilters(body)) {
    ++result_.filteredOut;
  } else if (filters_.limit && kept >= *filters_.limit) {
    ++result_.beyondLimit;
  } else if (kept >= capacity_) {
    ++result_.leftOut;
  } else {
    result_.kept.push_back(std::move(body));
  }
}

void BodyCollector::OnProblem(sources::SourceProblem&& problem) {
  problem.source = source_;
  result_.problems.push_back(std::move(problem));
}

void BodyCollector::StartSource(std::string name, std::function<void(std::uint64_t)> progress) {
  source_ = std::move(name);
  progress_ = std::move(progress);
}

void BodyCollector::OnProgress(std::uint64_t bytes) {
  if (progress_) progress_(bytes);
}

bool BodyCollector::PassesFilters(const sources::SourceBody& body) const {
  if (filters_.nearEarthOnly && !IsNearEarth(body)) return false;
  return sources::ContainsIgnoringCase(body.name, filters_.nameContains);
}

}  // namespace moid::tools

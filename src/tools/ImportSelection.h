#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sources/Epoch.h"
#include "sources/SourceBody.h"

// Which of a source's bodies an imported catalogue takes.
namespace moid::tools {

// ELEMENTS.DAT holds at most this many bodies besides the Earth's record.
constexpr long MAX_IMPORTED_BODIES = 25000;
// A near-Earth object comes within this distance of the Sun (perihelion, AU).
constexpr double NEAR_EARTH_PERIHELION_AU = 1.3;

struct ImportFilters {
  bool nearEarthOnly = false;
  std::string nameContains;   // UTF-8; empty: every name
  std::optional<long> limit;  // at most this many bodies
};

// The Sun's radius in AU (the IAU 2015 nominal solar radius, 695,700 km, over the astronomical
// unit): an orbit whose perihelion lies closer runs through the Sun, and no MOID of it can be
// trusted.
constexpr double SUN_RADIUS_AU = 0.00465;

// A body ELEMENTS.DAT cannot hold.
struct DroppedBody {
  int line = 0;
  std::string name;    // UTF-8
  std::string reason;  // plain English
  std::string source;  // the input it was found in
};

// Why ELEMENTS.DAT cannot hold `body` (a missing value, a value that is not finite, not an
// ellipse, a semi-major axis that is not positive, a perihelion inside the Sun); empty when it
// can.
std::string WhyNotHoldable(const sources::SourceBody& body);

// The source's own flag when it has one, else a perihelion distance below 1.3 AU.
bool IsNearEarth(const sources::SourceBody& body);

// What a source gave, sorted: the bodies taken, in input order, and everything else counted.
struct Collection {
  std::vector<sources::SourceBody> kept;
  std::vector<DroppedBody> dropped;
  std::vector<sources::SourceProblem> problems;
  long bodiesRead = 0;   // bodies the source gave (lines with problems not counted)
  long filteredOut = 0;  // holdable bodies that did not pass --neo or --name-contains
  long beyondLimit = 0;  // passing bodies after --limit was reached
  long leftOut = 0;      // passing bodies beyond the catalogue's capacity
  sources::EpochTally epochs;     // the epochs of every holdable body
};

// Sorts bodies into a Collection as a source reader finds them; keeps at most `capacity`.
class BodyCollector final : public sources::SourceVisitor {
 public:
  explicit BodyCollector(ImportFilters filters, long capacity = MAX_IMPORTED_BODIES,
                         std::function<void(std::uint64_t)> progress = {});
  void OnBody(sources::SourceBody&& body) override;
  void OnProblem(sources::SourceProblem&& problem) override;
  void OnProgress(std::uint64_t bytes) override;
  // Names the input that the next bodies and problems come from, and how to show progress.
  void StartSource(std::string name, std::function<void(std::uint64_t)> progress);
  const Collection& Result() const { return result_; }

 private:
  bool PassesFilters(const sources::SourceBody& body) const;

  ImportFilters filters_;
  long capacity_;
  std::function<void(std::uint64_t)> progress_;
  std::string source_;
  Collection result_;
};

}  // namespace moid::tools

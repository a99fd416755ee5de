#pragma once
// What the libFuzzer targets of the source readers share: any bytes must read without a fault,
// give bodies and problems in input order with sane line numbers and only finite numbers, and
// read the same when the first bytes come back through the replay buffer (as from a pipe).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "sources/SourceFormat.h"
#include "sources/SourceInput.h"

namespace moid::sources::fuzzing {

inline void Check(bool condition) {
  if (!condition) __builtin_trap();
}

struct Recorded final : SourceVisitor {
  std::vector<SourceBody> bodies;
  std::vector<SourceProblem> problems;
  void OnBody(SourceBody&& body) override { bodies.push_back(std::move(body)); }
  void OnProblem(SourceProblem&& problem) override { problems.push_back(std::move(problem)); }
};

inline bool FiniteOrMissing(const std::optional<double>& value) {
  return !value || std::isfinite(*value);
}

inline bool SameValue(const std::optional<double>& a, const std::optional<double>& b) {
  return a.has_value() == b.has_value() && (!a || *a == *b);
}

inline bool SameBody(const SourceBody& a, const SourceBody& b) {
  return a.line == b.line && a.name == b.name && SameValue(a.epochJd, b.epochJd) &&
         SameValue(a.eccentricity, b.eccentricity) && SameValue(a.inclination, b.inclination) &&
         SameValue(a.perihelionArgument, b.perihelionArgument) &&
         SameValue(a.ascendingNode, b.ascendingNode) &&
         SameValue(a.semiMajorAxis, b.semiMajorAxis) && SameValue(a.meanAnomaly, b.meanAnomaly) &&
         a.nearEarth == b.nearEarth;
}

inline void CheckSameReading(const Recorded& a, const SourceFailure& failureA, const Recorded& b,
                             const SourceFailure& failureB) {
  Check(failureA == failureB);
  Check(a.bodies.size() == b.bodies.size() && a.problems.size() == b.problems.size());
  for (std::size_t i = 0; i < a.bodies.size(); ++i) Check(SameBody(a.bodies[i], b.bodies[i]));
  for (std::size_t i = 0; i < a.problems.size(); ++i) {
    Check(a.problems[i].line == b.problems[i].line);
    Check(a.problems[i].message == b.problems[i].message);
  }
}

inline void CheckSane(const Recorded& r, std::string_view bytes) {
  long lines = 1;
  for (const char c : bytes) lines += c == '\n';
  int last = 0;
  for (const SourceBody& body : r.bodies) {
    Check(body.line >= 1 && body.line <= lines);
    Check(body.line >= last);  // input order
    last = body.line;
    Check(FiniteOrMissing(body.epochJd) && FiniteOrMissing(body.eccentricity) &&
          FiniteOrMissing(body.inclination) && FiniteOrMissing(body.perihelionArgument) &&
          FiniteOrMissing(body.ascendingNode) && FiniteOrMissing(body.semiMajorAxis) &&
          FiniteOrMissing(body.meanAnomaly));
  }
  for (const SourceProblem& problem : r.problems) {
    Check(problem.line >= 1 && problem.line <= lines);
    Check(!problem.message.empty());
  }
}

// Reads `bytes` as `format` straight, and again with the first bytes handed back by the
// replay buffer, split where the first byte says.
inline void FuzzReader(SourceFormat format, const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::istringstream straight{std::string(bytes)};
  Recorded direct;
  const SourceFailure failure = ReadSource(format, straight, direct);
  CheckSane(direct, bytes);
  const std::size_t split = size == 0 ? 0 : data[0] % (size + 1);
  std::istringstream rest{std::string(bytes.substr(split))};
  ReplayBuffer replay(std::string(bytes.substr(0, split)), *rest.rdbuf());
  std::istream replayed(&replay);
  Recorded again;
  const SourceFailure failureAgain = ReadSource(format, replayed, again);
  CheckSameReading(direct, failure, again, failureAgain);
  (void)DetectFormat(bytes.substr(0, SOURCE_HEAD_BYTES));
}

}  // namespace moid::sources::fuzzing

#pragma once
// What the import tests share: the sample inputs and a visitor that records what a reader
// finds.
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sources/SourceBody.h"

namespace moid::sources::testing {

inline std::string SamplePath(const std::string& name) {
  return std::string(MOID_SOURCE_DIR) + "/tests/sources/data/" + name;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::string SampleText(const std::string& name) { return ReadBytes(SamplePath(name)); }

struct RecordedSource final : SourceVisitor {
  std::vector<SourceBody> bodies;
  std::vector<SourceProblem> problems;
  std::vector<std::uint64_t> progress;

  void OnBody(SourceBody&& body) override { bodies.push_back(std::move(body)); }
  void OnProblem(SourceProblem&& problem) override { problems.push_back(std::move(problem)); }
  void OnProgress(std::uint64_t bytes) override { progress.push_back(bytes); }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const SourceBody& body : bodies) names.push_back(body.name);
    return names;
  }
  std::vector<int> ProblemLines() const {
    std::vector<int> lines;
    for (const SourceProblem& problem : problems) lines.push_back(problem.line);
    return lines;
  }
};

}  // namespace moid::sources::testing

#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

// What the catalogue importers read from a source file, before any check.
namespace moid::sources {

// One body as a source catalogue gives it. Angles in degrees (J2000 ecliptic), a in AU, the
// epoch a Julian day; a value the source leaves out is nullopt.
struct SourceBody {
  int line = 0;      // input line where the body's entry begins
  std::string name;  // readable name, UTF-8: "(433) Eros", "2020 KQ11"
  std::optional<double> epochJd;
  std::optional<double> eccentricity;
  std::optional<double> inclination;
  std::optional<double> perihelionArgument;
  std::optional<double> ascendingNode;
  std::optional<double> semiMajorAxis;
  std::optional<double> meanAnomaly;
  std::optional<bool> nearEarth;  // the source's own flag, when it has one
};

// An input line that could not be read; the body on it, if any, is skipped.
struct SourceProblem {
  SourceProblem() = default;
  SourceProblem(int lineNumber, std::string text) : line(lineNumber), message(std::move(text)) {}

  int line = 0;
  std::string message;  // plain English, UTF-8, without the line number
  std::string source;   // the input it was found in (set by whoever reads several)
};

// Receives what a source reader finds, in input order.
class SourceVisitor {
 public:
  virtual ~SourceVisitor() = default;
  virtual void OnBody(SourceBody&& body) = 0;
  virtual void OnProblem(SourceProblem&& problem) = 0;
  // `bytes` of the input have been read so far.
  virtual void OnProgress(std::uint64_t bytes) { (void)bytes; }
  // False once nothing more is wanted (the reader then stops early, without a failure).
  virtual bool WantsMore() const { return true; }
};

// A reader's verdict on the input as a whole: empty when it could be read (perhaps with
// problems on some lines), otherwise why nothing could be taken from it.
using SourceFailure = std::string;

}  // namespace moid::sources

#include "sources/MpcorbReader.h"

#include <array>
#include <optional>
#include <vector>

#include "sources/Decimal.h"
#include "sources/LineReader.h"
#include "sources/PackedForms.h"

namespace moid::sources {
namespace {

constexpr int PROGRESS_EVERY_LINES = 4096;
// A header longer than this is taken for data without a header.
constexpr int MAX_HEADER_LINES = 200;
constexpr std::size_t LAST_ELEMENT_COLUMN = 103;
// Columns that separate the fields and are blank on every data line.
constexpr std::array<std::size_t, 14> SEPARATOR_COLUMNS = {8,  14, 20, 26, 36, 37, 47,
                                                           48, 58, 59, 69, 70, 80, 92};

// The text in columns `first` to `last` (1-based, inclusive), cut at the end of the line.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
  if (line.size() < first) return {};
  return line.substr(first - 1, last - first + 1);
}

// An element field of the line and where its value goes.
struct ElementColumns {
  std::size_t first;
  std::size_t last;
  const char* name;
  std::optional<double> SourceBody::*member;
};

constexpr std::array<ElementColumns, 6> ELEMENT_COLUMNS = {{
    {27, 35, "mean anomaly", &SourceBody::meanAnomaly},
    {38, 46, "argument of perihelion", &SourceBody::perihelionArgument},
    {49, 57, "longitude of the ascending node", &SourceBody::ascendingNode},
    {60, 68, "inclination", &SourceBody::inclination},
    {71, 79, "eccentricity", &SourceBody::eccentricity},
    {93, 103, "semi-major axis", &SourceBody::semiMajorAxis},
}};

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Reads the six elements; the problem with the first one that is not a number, or empty.
std::string ReadElements(std::string_view line, SourceBody& body) {
  for (const ElementColumns& field : ELEMENT_COLUMNS) {
    const std::string_view text = Columns(line, field.first, field.last);
    if (IsBlank(text)) continue;  // missing: the body is dropped later, and counted
    body.*field.member = ParseDecimal(text);
    if (!(body.*field.member)) {
      return std::string(field.name) + " " + Quoted(TrimBlanks(text)) + " is not a number";
    }
  }
  return "";
}

// Columns 162-165 hold four hexadecimal digits of flags: the orbit type in the low six bits
// (1 Atira, 2 Aten, 3 Apollo, 4 Amor) and 0x0800 for a near-Earth object.
std::optional<bool> NearEarthFlag(std::string_view line) {
  const std::string_view flags = Columns(line, 162, 165);
  if (flags.size() != 4) return std::nullopt;
  unsigned value = 0;
  for (const char c : flags) {
    const std::size_t digit = std::string_view("0123456789ABCDEF").find(
        static_cast<char>(c >= 'a' && c <= 'f' ? c - 32 : c));
    if (digit == std::string_view::npos) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(digit);
  }
  const unsigned orbitType = value & 0x3F;
  return (value & 0x0800) != 0 || (orbitType >= 1 && orbitType <= 4);
}

// The readable designation of columns 167-194, else the unpacked one of columns 1-7.
std::string NameOf(std::string_view line) {
  const std::string_view readable = TrimBlanks(Columns(line, 167, 194));
  if (!readable.empty()) return std::string(readable);
  const std::string_view packed = Columns(line, 1, 7);
  return ReadableDesignation(packed).value_or(std::string(TrimBlanks(packed)));
}

std::string LayoutProblem(std::string_view line) {
  if (line.size() < LAST_ELEMENT_COLUMN) {
    return "truncated: the line ends at column " + std::to_string(line.size()) +
           ", the elements run to column " + std::to_string(LAST_ELEMENT_COLUMN);
  }
  for (const std::size_t column : SEPARATOR_COLUMNS) {
    if (line[column - 1] != ' ') {
      return "column " + std::to_string(column) + " is not blank: the fields are out of place";
    }
  }
  return "";
}

// Hands a line on: blank lines are passed over, others become a body or a problem.
void HandleDataLine(std::string_view line, int lineNumber, SourceVisitor& bodies) {
  if (IsBlank(line)) return;
  MpcorbLine parsed = ParseMpcorbLine(line, lineNumber);
  if (parsed.problem.empty()) {
    bodies.OnBody(std::move(parsed.body));
  } else {
    bodies.OnProblem({lineNumber, parsed.problem + "; skipped"});
  }
}

// The first lines of a file without a header end: data after all.
void HandleOpeningAsData(std::vector<std::string>& opening, SourceVisitor& bodies) {
  for (std::size_t i = 0; i < opening.size(); ++i) {
    HandleDataLine(opening[i], static_cast<int>(i) + 1, bodies);
  }
  opening.clear();
}

}  // namespace

MpcorbLine ParseMpcorbLine(std::string_view line, int lineNumber) {
  MpcorbLine result;
  result.problem = LayoutProblem(line);
  if (!result.problem.empty()) return result;
  SourceBody& body = result.body;
  body.line = lineNumber;
  const std::string_view epoch = Columns(line, 21, 25);
  if (!IsBlank(epoch)) {
    body.epochJd = UnpackEpoch(epoch);
    if (!body.epochJd) {
      result.problem = "epoch " + Quoted(epoch) + " is not a packed date";
      return result;
    }
  }
  result.problem = ReadElements(line, body);
  body.name = NameOf(line);
  body.nearEarth = NearEarthFlag(line);
  return result;
}

bool IsHeaderEnd(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  return trimmed.size() >= 10 && trimmed.find_first_not_of('-') == std::string_view::npos;
}

SourceFailure ReadMpcorb(std::istream& in, SourceVisitor& bodies) {
  LineReader lines(in);
  std::string line;
  std::vector<std::string> opening;  // the first lines: header, unless no line of dashes follows
  bool inHeader = true;
  while (bodies.WantsMore() && lines.Next(line)) {
    if (lines.LineNumber() % PROGRESS_EVERY_LINES == 0) bodies.OnProgress(lines.BytesRead());
    if (inHeader && IsHeaderEnd(line)) {
      opening.clear();
      inHeader = false;
    } else if (inHeader && lines.LineNumber() <= MAX_HEADER_LINES) {
      opening.push_back(line);
    } else {
      HandleOpeningAsData(opening, bodies);
      inHeader = false;
      HandleDataLine(line, lines.LineNumber(), bodies);
    }
  }
  HandleOpeningAsData(opening, bodies);
  bodies.OnProgress(lines.BytesRead());
  return lines.LineTooLong() ? lines.TooLongMessage() : "";
}

}  // namespace moid::sources

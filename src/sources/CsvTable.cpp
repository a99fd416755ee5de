#include "sources/CsvTable.h"

#include "sources/Decimal.h"
#include "sources/LineReader.h"

namespace moid::sources {
namespace {

constexpr int PROGRESS_EVERY_LINES = 1024;

std::optional<std::string> ValueOf(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty()) return std::nullopt;
  return std::string(trimmed);
}

// Reads the quoted value that starts at `pos` (the opening quote) into `value`; returns the
// position after the closing quote, or npos when the line ends first.
std::size_t ReadQuoted(std::string_view line, std::size_t pos, std::string& value) {
  for (++pos; pos < line.size(); ++pos) {
    if (line[pos] != '"') {
      value.push_back(line[pos]);
    } else if (pos + 1 < line.size() && line[pos + 1] == '"') {
      value.push_back('"');
      ++pos;
    } else {
      return pos + 1;
    }
  }
  return std::string_view::npos;
}

std::size_t SkipBlanks(std::string_view line, std::size_t pos) {
  while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
  return pos;
}

}  // namespace

CsvLine SplitCsvLine(std::string_view line) {
  CsvLine result;
  std::size_t pos = 0;
  while (true) {
    pos = SkipBlanks(line, pos);
    const std::string number = std::to_string(result.values.size() + 1);
    if (pos < line.size() && line[pos] == '"') {
      std::string value;
      pos = ReadQuoted(line, pos, value);
      if (pos == std::string_view::npos) {
        result.error = "the quote of value " + number + " is not closed on its line";
        return result;
      }
      pos = SkipBlanks(line, pos);
      if (pos < line.size() && line[pos] != ',') {
        result.error = "text follows the closing quote of value " + number;
        return result;
      }
      result.values.push_back(ValueOf(value));
    } else {
      const std::size_t comma = line.find(',', pos);
      const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
      result.values.push_back(ValueOf(line.substr(pos, end - pos)));
      pos = end;
    }
    if (pos >= line.size()) return result;
    ++pos;  // the comma
  }
}

SourceFailure ReadCsvTable(std::istream& in, TableVisitor& visitor) {
  LineReader lines(in);
  std::string line;
  bool haveFields = false;
  while (lines.Next(line)) {
    if (lines.LineNumber() % PROGRESS_EVERY_LINES == 0) visitor.OnProgress(lines.BytesRead());
    if (IsBlank(line)) continue;
    CsvLine split = SplitCsvLine(line);
    if (!split.error.empty()) {
      if (!haveFields) return "line " + std::to_string(lines.LineNumber()) + ": " + split.error;
      visitor.OnProblem({lines.LineNumber(), split.error + "; skipped"});
    } else if (!haveFields) {
      std::vector<std::string> fields;
      for (const std::optional<std::string>& value : split.values) fields.push_back(value.value_or(""));
      if (SourceFailure verdict = visitor.OnFields(fields); !verdict.empty()) return verdict;
      haveFields = true;
    } else {
      visitor.OnRow({lines.LineNumber(), "", std::move(split.values)});
    }
  }
  visitor.OnProgress(lines.BytesRead());
  if (!haveFields) return "no line of field names: the input is empty";
  return "";
}

}  // namespace moid::sources

#include "sources/CsvTable.h"

#include "sources/Decimal.h"
#include "sources/LineReader.h"

namespace moid::sources {
namespace {

constexpr int PROGRESS_EVERY_LINES = 1024;

// The value without blanks, TABs and line breaks around it; nullopt when nothing is left.
std::optional<std::string> ValueOf(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return std::nullopt;
  const std::string_view trimmed = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
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
        result.unclosedQuote = true;
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

namespace {

// One CSV record: usually one line, more when a quoted value holds line breaks.
struct CsvRecord {
  int line = 0;  // where the record begins
  CsvLine split;
};

// Joins lines while a quote stays open. When the joined text still makes no sense, the open
// quote was a fault of its first line: that line alone is the record, and the lines after it
// are read afresh, so that one broken line costs only itself.
class CsvRecords {
 public:
  explicit CsvRecords(std::istream& in) : lines_(in) {}

  bool Next(CsvRecord& record) {
    std::string text;
    if (!NextLine(text, record.line)) return false;
    record.split = SplitCsvLine(text);
    std::vector<std::pair<int, std::string>> joined;
    while (record.split.unclosedQuote && joined.size() < MAX_RECORD_LINES) {
      std::pair<int, std::string> more;
      if (!NextLine(more.second, more.first)) break;
      text += '\n';
      text += more.second;
      joined.push_back(std::move(more));
      record.split = SplitCsvLine(text);
    }
    if (!record.split.error.empty() && !joined.empty()) {
      for (auto it = joined.rbegin(); it != joined.rend(); ++it) pending_.push_back(std::move(*it));
      record.split = SplitCsvLine(text.substr(0, text.find('\n')));
    }
    return true;
  }
  const LineReader& Lines() const { return lines_; }

 private:
  static constexpr std::size_t MAX_RECORD_LINES = 64;

  bool NextLine(std::string& text, int& line) {
    if (!pending_.empty()) {
      line = pending_.back().first;
      text = std::move(pending_.back().second);
      pending_.pop_back();
      return true;
    }
    if (!lines_.Next(text)) return false;
    line = lines_.LineNumber();
    return true;
  }

  LineReader lines_;
  std::vector<std::pair<int, std::string>> pending_;  // lines to read again, last first
};

}  // namespace

SourceFailure ReadCsvTable(std::istream& in, TableVisitor& visitor) {
  CsvRecords records(in);
  CsvRecord record;
  bool haveFields = false;
  int lastProgressLine = 0;
  while (visitor.WantsMore() && records.Next(record)) {
    if (record.line - lastProgressLine >= PROGRESS_EVERY_LINES) {
      visitor.OnProgress(records.Lines().BytesRead());
      lastProgressLine = record.line;
    }
    CsvLine& split = record.split;
    if (split.values.size() == 1 && !split.values[0] && split.error.empty()) continue;  // blank
    if (!split.error.empty()) {
      if (!haveFields) return "line " + std::to_string(record.line) + ": " + split.error;
      visitor.OnProblem({record.line, split.error + "; skipped"});
    } else if (!haveFields) {
      std::vector<std::string> fields;
      for (const std::optional<std::string>& value : split.values) fields.push_back(value.value_or(""));
      if (SourceFailure verdict = visitor.OnFields(fields); !verdict.empty()) return verdict;
      haveFields = true;
    } else {
      visitor.OnRow({record.line, "", std::move(split.values)});
    }
  }
  visitor.OnProgress(records.Lines().BytesRead());
  if (records.Lines().LineTooLong()) return records.Lines().TooLongMessage();
  if (!haveFields) return "no line of field names: the input is empty";
  return "";
}

}  // namespace moid::sources

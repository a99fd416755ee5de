#include "sources/JsonTable.h"

#include <utility>
#include <vector>

#include "sources/JsonCursor.h"

namespace moid::sources {
namespace {

constexpr int PROGRESS_EVERY_ROWS = 1024;

class JsonTableReader {
 public:
  JsonTableReader(std::string_view text, TableVisitor& visitor)
      : cursor_(text), visitor_(visitor) {}
  SourceFailure Read();

 private:
  // How reading a row ended: the row was read (a comma should follow), reading went on to
  // the next bracket after a value that is no row, or the input ended.
  enum class RowEnd { Read, Resynchronised, InputEnded };

  SourceFailure ReadMembers();
  SourceFailure ReadMember(const std::string& key);
  SourceFailure ReadFields();
  void ReadData();
  RowEnd ReadRow(int rowNumber);
  std::string ReadValues(TableRow& row);
  RowEnd SkipNonRow(int rowNumber);
  bool AfterRow(int rowNumber);
  void Deliver(TableRow&& row);
  SourceFailure Malformed(const std::string& expected);
  SourceFailure Finish();
  void Report(int line, std::string message) { visitor_.OnProblem({line, std::move(message)}); }

  JsonCursor cursor_;
  TableVisitor& visitor_;
  bool haveFields_ = false;
  bool dataRead_ = false;
  bool abandoned_ = false;  // malformed matter after the data: the rest is not read
  std::vector<TableRow> pending_;  // rows that came before the field names
};

SourceFailure JsonTableReader::Read() {
  if (!cursor_.Consume('{')) {
    return "not a JSON object: a table export is an object with \"fields\" and \"data\" arrays";
  }
  return ReadMembers();
}

SourceFailure JsonTableReader::ReadMembers() {
  while (!cursor_.Consume('}')) {
    cursor_.SkipSpace();
    const std::optional<std::string> key = cursor_.String();
    if (!key || !cursor_.Consume(':')) return Malformed("a member name and ':'");
    if (SourceFailure failure = ReadMember(*key); !failure.empty() || abandoned_) return failure;
    if (cursor_.AtEnd() && dataRead_) break;  // cut off inside the data: reported there
    if (cursor_.Consume(',')) continue;
    cursor_.SkipSpace();
    if (cursor_.Peek() != '}') return Malformed("',' or '}'");
  }
  return Finish();
}

SourceFailure JsonTableReader::ReadMember(const std::string& key) {
  cursor_.SkipSpace();
  if (key == "fields") return ReadFields();
  if (key == "data") {
    if (cursor_.Peek() != '[') return Malformed("the \"data\" array");
    ReadData();
    dataRead_ = true;
    return "";
  }
  if (!cursor_.SkipValue()) return Malformed("a value");
  return "";
}

SourceFailure JsonTableReader::ReadFields() {
  std::vector<std::string> names;
  if (!cursor_.Consume('[')) return Malformed("the \"fields\" array");
  while (!cursor_.Consume(']')) {
    cursor_.SkipSpace();
    std::optional<std::string> name = cursor_.String();
    if (!name) return Malformed("a field name in double quotes");
    names.push_back(std::move(*name));
    if (!cursor_.Consume(',') && (cursor_.SkipSpace(), cursor_.Peek() != ']')) {
      return Malformed("',' or ']' in the field names");
    }
  }
  if (SourceFailure verdict = visitor_.OnFields(names); !verdict.empty()) return verdict;
  haveFields_ = true;
  for (TableRow& row : pending_) visitor_.OnRow(std::move(row));
  pending_.clear();
  return "";
}

void JsonTableReader::ReadData() {
  cursor_.Consume('[');
  for (int rowNumber = 1;; ++rowNumber) {
    cursor_.SkipSpace();
    if (rowNumber % PROGRESS_EVERY_ROWS == 0) visitor_.OnProgress(cursor_.Offset());
    if (cursor_.AtEnd()) {
      Report(cursor_.Line(), "the input ends inside the data, after data row " +
                                 std::to_string(rowNumber - 1));
      return;
    }
    if (cursor_.Consume(']')) return;
    const RowEnd end = ReadRow(rowNumber);
    if (end == RowEnd::InputEnded || (end == RowEnd::Read && !AfterRow(rowNumber))) return;
  }
}

// Reads one row and hands it on, or reports why not.
JsonTableReader::RowEnd JsonTableReader::ReadRow(int rowNumber) {
  const std::size_t start = cursor_.Offset();
  const int line = cursor_.Line();
  if (cursor_.Peek() != '[') return SkipNonRow(rowNumber);
  TableRow row{line, "data row " + std::to_string(rowNumber), {}};
  const std::string error = ReadValues(row);
  if (error.empty()) {
    Deliver(std::move(row));
    return RowEnd::Read;
  }
  cursor_.Seek(start);
  if (!cursor_.SkipBalanced()) {
    Report(line, row.label + " is cut short by the end of the input; skipped");
    return RowEnd::InputEnded;
  }
  Report(line, row.label + ": " + error + "; skipped");
  return RowEnd::Read;
}

// The values of the row at the cursor, up to its closing bracket; what is wrong, or empty.
std::string JsonTableReader::ReadValues(TableRow& row) {
  cursor_.Consume('[');
  while (!cursor_.Consume(']')) {
    std::optional<std::optional<std::string>> value = cursor_.Scalar();
    if (!value) {
      return "value " + std::to_string(row.values.size() + 1) +
             " is not a string, a number or null";
    }
    row.values.push_back(std::move(*value));
    if (!cursor_.Consume(',') && (cursor_.SkipSpace(), cursor_.Peek() != ']')) {
      return "',' or ']' is missing after value " + std::to_string(row.values.size());
    }
  }
  return "";
}

// A value where a row should be: reported, and passed over as a whole when it is well formed,
// else up to the next bracket.
JsonTableReader::RowEnd JsonTableReader::SkipNonRow(int rowNumber) {
  const std::size_t start = cursor_.Offset();
  Report(cursor_.Line(), "data row " + std::to_string(rowNumber) + " is not an array; skipped");
  if (cursor_.SkipValue()) return RowEnd::Read;
  cursor_.Seek(start + 1);
  return cursor_.SkipToBracket() ? RowEnd::Resynchronised : RowEnd::InputEnded;
}

// Passes the comma after a row; a missing one is reported and forgiven. False at the end.
bool JsonTableReader::AfterRow(int rowNumber) {
  if (cursor_.Consume(',')) return true;
  cursor_.SkipSpace();
  if (cursor_.Peek() == ']') return true;
  if (cursor_.AtEnd()) {
    Report(cursor_.Line(), "the input ends inside the data, after data row " +
                               std::to_string(rowNumber));
    return false;
  }
  Report(cursor_.Line(), "',' is missing after data row " + std::to_string(rowNumber));
  return true;
}

void JsonTableReader::Deliver(TableRow&& row) {
  if (haveFields_) {
    visitor_.OnRow(std::move(row));
  } else {
    pending_.push_back(std::move(row));
  }
}

// Malformed JSON outside the rows: fatal before the data was read; after it, nothing of the
// data is lost, so it is only reported.
SourceFailure JsonTableReader::Malformed(const std::string& expected) {
  const std::string where = "line " + std::to_string(cursor_.Line());
  if (!dataRead_ || !haveFields_) {
    return where + ": malformed JSON: expected " + expected;
  }
  Report(cursor_.Line(), "malformed JSON after the data (expected " + expected + "); ignored");
  abandoned_ = true;
  return Finish();
}

SourceFailure JsonTableReader::Finish() {
  if (!haveFields_) return "no \"fields\" array: a table export names its fields";
  if (!dataRead_) return "no \"data\" array: the export holds no rows";
  return "";
}

}  // namespace

SourceFailure ReadJsonTable(std::string_view text, TableVisitor& visitor) {
  const std::size_t total = text.size();
  const std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";
  if (text.substr(0, BYTE_ORDER_MARK.size()) == BYTE_ORDER_MARK) {
    text.remove_prefix(BYTE_ORDER_MARK.size());
  }
  JsonTableReader reader(text, visitor);
  SourceFailure failure = reader.Read();
  visitor.OnProgress(total);
  return failure;
}

}  // namespace moid::sources

#include "data/CatalogReader.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <utility>

#include "data/BodyCheck.h"
#include "data/FieldScanner.h"
#include "platform/process/FileKind.h"
#include "platform/process/ProcessServices.h"

namespace moid {
namespace {

const char* IssueText(FieldIssue issue) {
  switch (issue) {
    case FieldIssue::None: break;
    case FieldIssue::Missing:
      return "the data ends before this field: it and the rest of the record read as 0 or "
             "no text";
    case FieldIssue::Empty: return "empty: read as 0 or no text";
    case FieldIssue::NotANumber: return "not a number: read as 0";
    case FieldIssue::Cut:
      return "a number longer than 255 characters: cut there, the rest read as the next field";
    case FieldIssue::UnclosedQuote: return "the quote is not closed: the name runs to the end";
    case FieldIssue::TextAfterQuote:
      return "text after the closing quote: read as the next field";
  }
  return "";
}

// Reads one record's fields and keeps what the scanner tolerated in them, to be reported
// once the record turns out to be more than trailing matter.
class RecordFields {
 public:
  RecordFields(FieldScanner& scanner, int position) : scanner_(scanner), position_(position) {}

  double Number(const char* field) {
    const double value = scanner_.ReadNumber();
    Note(field);
    return value;
  }
  std::string Text(const char* field) {
    std::string value = scanner_.ReadText();
    Note(field);
    return value;
  }
  void Elements(ElementRecord& record) {
    record.inclination = Number("inclination");
    record.perihelionArgument = Number("perihelionArgument");
    record.ascendingNode = Number("ascendingNode");
    record.semiMajorAxis = Number("semiMajorAxis");
    record.meanAnomaly = Number("meanAnomaly");
  }
  void Report(CatalogReadReport& report) {
    for (ReadNote& note : notes_) {
      ++report.noteCount;
      if (static_cast<int>(report.notes.size()) < MAX_LISTED_NOTES) {
        report.notes.push_back(std::move(note));
      }
    }
    notes_.clear();
  }

 private:
  void Note(const char* field) {
    const FieldIssue issue = scanner_.LastIssue();
    if (issue == FieldIssue::None || (issue == FieldIssue::Missing && missing_)) return;
    missing_ = issue == FieldIssue::Missing;  // said once for the rest of the record
    notes_.push_back({position_, field, IssueText(issue)});
  }

  FieldScanner& scanner_;
  int position_;
  bool missing_ = false;
  std::vector<ReadNote> notes_;
};

// Record 0: epoch, six elements, an integer tag and the name, read without looking for the end.
void ReadReferenceRecord(FieldScanner& scanner, BodyCatalog& catalog,
                         CatalogReadReport& report) {
  RecordFields fields(scanner, 0);
  catalog.epoch = fields.Number("epoch");
  ElementRecord& reference = catalog.reference;
  reference.eccentricity = fields.Number("eccentricity");
  fields.Elements(reference);
  report.referenceTag = std::nearbyint(fields.Number("field 8"));
  reference.name = fields.Text("name");
  fields.Report(report);
  report.referenceProblem = std::isfinite(catalog.epoch)
                                ? UndrawableReason(reference)
                                : std::string("the epoch is not a finite number");
}

void NoteSkipped(std::vector<SkippedRecord>& list, int& count, int position, std::string reason,
                 std::string name) {
  ++count;
  if (static_cast<int>(list.size()) < MAX_LISTED_SKIPS) {
    list.push_back({position, std::move(reason), std::move(name)});
  }
}

// The records after the last slot: only their positions and names are kept, so that a
// body asked for by name can be told to be among them.
void NoteUnreadRecords(FieldScanner& scanner, int position, std::string firstName,
                       CatalogReadReport& report) {
  const std::string reason = "beyond the " + std::to_string(CATALOG_LAST_INDEX + 1) +
                             " bodies a catalogue holds: not read";
  NoteSkipped(report.unread, report.unreadCount, position, reason, std::move(firstName));
  while (!scanner.AtEnd() && position < INT_MAX) {
    ++position;
    scanner.ReadNumber();
    if (scanner.AtEnd()) break;
    for (int field = 0; field < 5; ++field) scanner.ReadNumber();
    NoteSkipped(report.unread, report.unreadCount, position, reason, scanner.ReadText());
  }
}

// Body records until the end of the data. A record whose first field reaches the end is only
// trailing matter and is dropped; an undrawable one takes no slot.
void ReadBodyRecords(FieldScanner& scanner, BodyCatalog& catalog, CatalogReadReport& report) {
  int position = 0;
  ElementRecord record;
  while (!scanner.AtEnd()) {
    if (position == INT_MAX) {  // some 15 GB of records: no count goes further
      report.truncated = true;
      report.firstUnreadPosition = position;
      break;
    }
    ++position;
    RecordFields fields(scanner, position);
    record.eccentricity = fields.Number("eccentricity");
    if (scanner.AtEnd()) break;
    fields.Elements(record);
    record.name = fields.Text("name");
    fields.Report(report);
    std::string reason = UndrawableReason(record);
    if (!reason.empty()) {
      NoteSkipped(report.skipped, report.skippedCount, position, std::move(reason),
                  std::move(record.name));
      continue;
    }
    if (catalog.lastIndex == CATALOG_LAST_INDEX) {
      report.truncated = true;
      report.firstUnreadPosition = position;
      NoteUnreadRecords(scanner, position, std::move(record.name), report);
      break;
    }
    catalog.bodies[static_cast<std::size_t>(++catalog.lastIndex)] = std::move(record);
    record = ElementRecord{};
  }
  report.lastPosition = position;
}

// A UTF-8 byte-order mark, as Windows editors write one, is not part of the first field.
std::string_view WithoutByteOrderMark(std::string_view bytes) {
  constexpr std::string_view BOM = "\xEF\xBB\xBF";
  return bytes.substr(0, BOM.size()) == BOM ? bytes.substr(BOM.size()) : bytes;
}

void NoteEndMark(const FieldScanner& scanner, CatalogReadReport& report) {
  const std::size_t ignored = scanner.IgnoredBytesAfterEndMark();
  if (ignored == 0) return;
  ++report.noteCount;
  report.notes.push_back({report.lastPosition, "",
                          "a 0x1A byte ends the data after this record; " +
                              std::to_string(ignored) + " bytes of text after it are not read"});
}

}  // namespace

std::string UnusableReferenceText(const std::string& referenceProblem) {
  return "the reference orbit (record 0) cannot be used: " + referenceProblem;
}

void ClearCatalog(BodyCatalog& catalog) {
  catalog.epoch = 0;
  catalog.reference = ElementRecord{};
  catalog.bodies.resize(static_cast<std::size_t>(CATALOG_LAST_INDEX) + 1);
  std::fill(catalog.bodies.begin(), catalog.bodies.end(), ElementRecord{});
  catalog.lastIndex = -1;
}

CatalogReadReport ParseCatalog(std::string_view bytes, BodyCatalog& catalog) {
  CatalogReadReport report;
  ClearCatalog(catalog);
  FieldScanner scanner(WithoutByteOrderMark(bytes));
  ReadReferenceRecord(scanner, catalog, report);
  ReadBodyRecords(scanner, catalog, report);
  NoteEndMark(scanner, report);
  return report;
}

CatalogReadReport ReadCatalog(const std::string& path, BodyCatalog& catalog) {
  const std::string actualPath = process::ResolvePath(path).value_or(path);
  const std::optional<std::string> bytes = process::ReadWholeFile(actualPath);
  if (!bytes) {
    ClearCatalog(catalog);
    CatalogReadReport report;
    report.unreadable = true;
    report.unreadableReason = process::UnreadableReason(actualPath);
    if (report.unreadableReason.empty()) report.unreadableReason = "it could not be read";
    return report;
  }
  return ParseCatalog(*bytes, catalog);
}

}  // namespace moid

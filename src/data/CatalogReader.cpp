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

void ReadElements(FieldScanner& scanner, ElementRecord& record) {
  record.inclination = scanner.ReadNumber();
  record.perihelionArgument = scanner.ReadNumber();
  record.ascendingNode = scanner.ReadNumber();
  record.semiMajorAxis = scanner.ReadNumber();
  record.meanAnomaly = scanner.ReadNumber();
}

// Record 0: epoch, six elements, an integer tag and the name, read without looking for the end.
void ReadReferenceRecord(FieldScanner& scanner, BodyCatalog& catalog,
                         CatalogReadReport& report) {
  catalog.epoch = scanner.ReadNumber();
  ElementRecord& reference = catalog.reference;
  reference.eccentricity = scanner.ReadNumber();
  ReadElements(scanner, reference);
  report.referenceTag = std::nearbyint(scanner.ReadNumber());
  reference.name = scanner.ReadText();
  report.referenceProblem = std::isfinite(catalog.epoch)
                                ? UndrawableReason(reference)
                                : std::string("the epoch is not a finite number");
}

void NoteSkipped(CatalogReadReport& report, int position, std::string reason,
                 ElementRecord& record) {
  ++report.skippedCount;
  if (static_cast<int>(report.skipped.size()) < MAX_LISTED_SKIPS) {
    report.skipped.push_back({position, std::move(reason), std::move(record.name)});
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
    record.eccentricity = scanner.ReadNumber();
    if (scanner.AtEnd()) break;
    ReadElements(scanner, record);
    record.name = scanner.ReadText();
    std::string reason = UndrawableReason(record);
    if (!reason.empty()) {
      NoteSkipped(report, position, std::move(reason), record);
      continue;
    }
    if (catalog.lastIndex == CATALOG_LAST_INDEX) {
      report.truncated = true;
      report.firstUnreadPosition = position;
      break;
    }
    catalog.bodies[static_cast<std::size_t>(++catalog.lastIndex)] = std::move(record);
    record = ElementRecord{};
  }
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
  FieldScanner scanner(bytes);
  ReadReferenceRecord(scanner, catalog, report);
  ReadBodyRecords(scanner, catalog, report);
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

#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "data/ElementRecord.h"

namespace moid {

// A body record of the file that was read but given no slot.
struct SkippedRecord {
  int position = 0;    // 1-based number of the body record in the file (record 0 not counted)
  std::string reason;  // plain English, e.g. "eccentricity 1.5 is not below 1 (not an ellipse)"
  std::string name;    // the record's name as read (Windows-1252 bytes)
};

// Something the reader tolerated in a field without a word: the value stays as read.
struct ReadNote {
  int position = 0;   // the record: 0 for the reference record, else as in SkippedRecord
  std::string field;  // "eccentricity", ..., "name"; empty for the data as a whole
  std::string what;   // plain English, e.g. "not a number: read as 0"
};

// What the reader could not use. An empty report means every record took its slot.
struct CatalogReadReport {
  // The first MAX_LISTED_SKIPS skipped records, in file order; skippedCount counts all of them.
  std::vector<SkippedRecord> skipped;
  int skippedCount = 0;
  // Every slot was filled and a further drawable body record followed: reading stopped there.
  bool truncated = false;
  int firstUnreadPosition = 0;  // position of that record when truncated
  // The records from there on (the first MAX_LISTED_SKIPS; unreadCount counts all).
  std::vector<SkippedRecord> unread;
  int unreadCount = 0;
  // What was tolerated in the fields (the first MAX_LISTED_NOTES; noteCount counts all).
  std::vector<ReadNote> notes;
  int noteCount = 0;
  int lastPosition = 0;  // position of the last body record met
  // The path could not be opened or read (missing, a directory, a FIFO, no permission): the
  // catalogue is left cleared, and unreadableReason says why ("it is a FIFO, not a file").
  bool unreadable = false;
  std::string unreadableReason;
  // Empty when record 0 describes an ellipse the orbit model can draw; otherwise why not. The
  // reference is stored as read either way.
  std::string referenceProblem;
  // Field 8 of record 0, rounded half to even; the program itself does not use it.
  double referenceTag = 0;
};

constexpr int MAX_LISTED_SKIPS = 10000;
constexpr int MAX_LISTED_NOTES = 10000;

// Replaces `catalog` with the catalogue in the file at `path` (its last component found
// regardless of letter case). One sequential pass; never writes past slot CATALOG_LAST_INDEX.
CatalogReadReport ReadCatalog(const std::string& path, BodyCatalog& catalog);

// The same, from the file's bytes.
CatalogReadReport ParseCatalog(std::string_view bytes, BodyCatalog& catalog);

// Why a catalogue whose record 0 has `referenceProblem` cannot be used, in the same words on
// every path that refuses it: "the reference orbit (record 0) cannot be used: ...".
std::string UnusableReferenceText(const std::string& referenceProblem);

// Every slot zero with an empty name, reference and epoch zero, lastIndex -1.
void ClearCatalog(BodyCatalog& catalog);

}  // namespace moid

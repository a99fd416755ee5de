#include "sources/SbdbReader.h"

#include <algorithm>
#include <array>

#include "sources/CsvTable.h"
#include "sources/Decimal.h"
#include "sources/Epoch.h"
#include "sources/JsonTable.h"
#include "sources/BodyNames.h"

namespace moid::sources {
namespace {

using Columns = SbdbRows::Columns;

// An element field of the export and where its value goes.
struct ElementField {
  const char* name;
  std::optional<std::size_t> Columns::*column;
  std::optional<double> SourceBody::*member;
};

constexpr std::array<ElementField, 6> ELEMENT_FIELDS = {{
    {"e", &Columns::e, &SourceBody::eccentricity},
    {"a", &Columns::a, &SourceBody::semiMajorAxis},
    {"i", &Columns::i, &SourceBody::inclination},
    {"om", &Columns::om, &SourceBody::ascendingNode},
    {"w", &Columns::w, &SourceBody::perihelionArgument},
    {"ma", &Columns::ma, &SourceBody::meanAnomaly},
}};

constexpr const char* NEEDED_FIELDS =
    "the import needs full_name (or pdes), epoch_mjd (or epoch), e, a, i, om, w and ma";

std::optional<std::size_t> FindField(const std::vector<std::string>& fields, std::string_view name) {
  for (std::size_t index = 0; index < fields.size(); ++index) {
    const std::string_view field = TrimBlanks(fields[index]);
    if (field.size() == name.size() && ContainsIgnoringCase(field, name)) return index;
  }
  return std::nullopt;
}

Columns FindColumns(const std::vector<std::string>& fields) {
  Columns columns;
  columns.count = fields.size();
  columns.fullName = FindField(fields, "full_name");
  columns.designation = FindField(fields, "pdes");
  columns.name = FindField(fields, "name");
  columns.epochMjd = FindField(fields, "epoch_mjd");
  columns.epochJd = FindField(fields, "epoch");
  columns.neo = FindField(fields, "neo");
  for (const ElementField& field : ELEMENT_FIELDS) columns.*field.column = FindField(fields, field.name);
  return columns;
}

std::string MissingFields(const Columns& columns) {
  std::string missing;
  auto note = [&missing](bool absent, const char* name) {
    if (absent) missing += (missing.empty() ? "" : ", ") + std::string(name);
  };
  note(!columns.fullName && !columns.designation, "full_name");
  note(!columns.epochMjd && !columns.epochJd, "epoch_mjd");
  for (const ElementField& field : ELEMENT_FIELDS) note(!(columns.*field.column), field.name);
  return missing;
}

std::string Where(const TableRow& row) { return row.label.empty() ? "" : row.label + ": "; }

bool IsAllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

bool ReadWholeText(std::istream& in, std::size_t maxBytes, std::string& text) {
  constexpr std::size_t CHUNK = std::size_t{1} << 16;
  std::streambuf* source = in.rdbuf();
  text.clear();
  while (source != nullptr) {
    const std::size_t had = text.size();
    text.resize(had + CHUNK);
    const std::streamsize got = source->sgetn(text.data() + had, static_cast<std::streamsize>(CHUNK));
    text.resize(had + static_cast<std::size_t>(std::max<std::streamsize>(got, 0)));
    if (text.size() > maxBytes) return false;
    if (got <= 0) break;
  }
  return true;
}

std::string SbdbRows::OnFields(const std::vector<std::string>& fields) {
  columns_ = FindColumns(fields);
  const std::string missing = MissingFields(columns_);
  if (missing.empty()) return "";
  return "the export lacks the fields " + missing + ": " + NEEDED_FIELDS;
}

void SbdbRows::OnRow(TableRow&& row) {
  if (row.values.size() != columns_.count) {
    bodies_.OnProblem({row.line, Where(row) + std::to_string(row.values.size()) + " values for " +
                                     std::to_string(columns_.count) + " fields; skipped"});
    return;
  }
  SourceBody body;
  body.line = row.line;
  body.name = BodyName(row);
  if (!ReadElements(row, body)) return;
  if (const std::optional<std::string> neo = Value(row, columns_.neo)) {
    if (*neo == "Y" || *neo == "y") body.nearEarth = true;
    if (*neo == "N" || *neo == "n") body.nearEarth = false;
  }
  bodies_.OnBody(std::move(body));
}

std::optional<std::string> SbdbRows::Value(const TableRow& row,
                                           std::optional<std::size_t> column) const {
  if (!column) return std::nullopt;
  return row.values[*column];
}

// The readable name from full_name, else from pdes and name; empty when the row has none.
std::string SbdbRows::BodyName(const TableRow& row) const {
  if (const std::optional<std::string> full = Value(row, columns_.fullName)) {
    return ReadableFromFullName(*full);
  }
  const std::string designation(TrimBlanks(Value(row, columns_.designation).value_or("")));
  const std::string name(TrimBlanks(Value(row, columns_.name).value_or("")));
  if (!IsAllDigits(designation)) return designation;
  return "(" + designation + ")" + (name.empty() ? "" : " " + name);
}

// The elements and the epoch of a row; false, after reporting it, when one is not a number.
bool SbdbRows::ReadElements(const TableRow& row, SourceBody& body) {
  auto read = [&](std::optional<std::size_t> column, const char* field,
                  std::optional<double>& target) {
    const std::optional<std::string> text = Value(row, column);
    if (!text) return true;  // missing: the body is dropped later, and counted
    target = ParseDecimal(*text);
    if (target) return true;
    bodies_.OnProblem({row.line, Where(row) + "\"" + field + "\" is \"" + *text +
                                     "\", not a number; skipped"});
    return false;
  };
  for (const ElementField& field : ELEMENT_FIELDS) {
    if (!read(columns_.*field.column, field.name, body.*field.member)) return false;
  }
  if (!read(columns_.epochMjd, "epoch_mjd", body.epochJd)) return false;
  if (body.epochJd) {
    *body.epochJd += MJD_ZERO_JD;
    return true;
  }
  return read(columns_.epochJd, "epoch", body.epochJd);
}

SourceFailure ReadSbdbJson(std::istream& in, SourceVisitor& bodies) {
  std::string text;
  if (!ReadWholeText(in, MAX_JSON_BYTES, text)) {
    return "larger than " + std::to_string(MAX_JSON_BYTES >> 20) +
           " MiB, more than any export of the database; reading stopped";
  }
  SbdbRows rows(bodies);
  return ReadJsonTable(text, rows);
}

SourceFailure ReadSbdbCsv(std::istream& in, SourceVisitor& bodies) {
  SbdbRows rows(bodies);
  return ReadCsvTable(in, rows);
}

}  // namespace moid::sources

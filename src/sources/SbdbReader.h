#pragma once
#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "sources/SourceTable.h"

// Bodies from exports of JPL's Small-Body Database (its query API as JSON, or CSV), whose
// fields include full_name (or pdes and name), epoch_mjd (or epoch, a Julian day), e, a, i,
// om, w, ma and, optionally, neo.
namespace moid::sources {

// Turns table rows into bodies for `bodies`.
class SbdbRows final : public TableVisitor {
 public:
  explicit SbdbRows(SourceVisitor& bodies) : bodies_(bodies) {}
  std::string OnFields(const std::vector<std::string>& fields) override;
  void OnRow(TableRow&& row) override;
  void OnProblem(SourceProblem&& problem) override { bodies_.OnProblem(std::move(problem)); }
  void OnProgress(std::uint64_t bytes) override { bodies_.OnProgress(bytes); }
  bool WantsMore() const override { return bodies_.WantsMore(); }

  // Where each field stands in a row; nullopt for a field the export lacks.
  struct Columns {
    std::size_t count = 0;
    std::optional<std::size_t> fullName, designation, name, epochMjd, epochJd, neo;
    std::optional<std::size_t> e, a, i, om, w, ma;
  };

 private:
  std::string BodyName(const TableRow& row) const;
  bool ReadElements(const TableRow& row, SourceBody& body);
  std::optional<std::string> Value(const TableRow& row, std::optional<std::size_t> column) const;

  SourceVisitor& bodies_;
  Columns columns_;
};

// A JSON export is read whole; none comes near this size.
constexpr std::size_t MAX_JSON_BYTES = std::size_t{1} << 30;

// All of `in` into `text`; false, with reading stopped, once it holds more than `maxBytes`.
bool ReadWholeText(std::istream& in, std::size_t maxBytes, std::string& text);

SourceFailure ReadSbdbJson(std::istream& in, SourceVisitor& bodies);
SourceFailure ReadSbdbCsv(std::istream& in, SourceVisitor& bodies);

}  // namespace moid::sources

#pragma once
#include <string>

#include "data/CatalogReader.h"
#include "data/ElementRecord.h"

// Which body of a catalogue a command-line selector names.
namespace moid::tools {

struct BodySelection {
  int index = -1;     // slot of the body; -1 when none was chosen
  std::string error;  // why not, with the candidates, when index is -1 (UTF-8)
  bool ambiguous = false;  // the selector names several bodies (a usage error: exit 2)
};

// A selector is a slot number (0 to lastIndex), or a name: the one body whose name, blanks
// trimmed, equals the trimmed selector, else the one body whose name contains the selector
// without regard to letter case. No match is an error that suggests names; several are an
// ambiguous error that lists them with their slots. Names are compared as UTF-8.
// With the reader's report, a name that matches no slot but a record the reader skipped or
// left unread (beyond the last slot) is told as such.
BodySelection SelectBody(const BodyCatalog& catalog, const std::string& selector,
                         const CatalogReadReport* report = nullptr);

}  // namespace moid::tools

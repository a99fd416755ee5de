#pragma once
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "data/CatalogReader.h"
#include "data/ElementRecord.h"

// What moidtool's moid and ephem commands share: reading the catalogue they work on,
// parsing their numbers, and the progress bar.
namespace moid::tools {

// The catalogue of FILE, or nothing after saying why on `err` (prefixed with the command).
// `report`, when given, receives what the reader made of the file.
std::unique_ptr<BodyCatalog> LoadOrbitCatalog(const std::string& command, const std::string& path,
                                              std::ostream& err,
                                              CatalogReadReport* report = nullptr);

// Why the catalogue at `path` (its last component in any case) cannot be read, for a message:
// "it is a directory", "it is a FIFO, not a file", "Permission denied".
std::string WhyUnreadable(const std::string& path);

// A window width: a multiple of 72 from 72 to 1440.
std::optional<int> ParseWindowWidth(const std::string& text);
// A finite decimal number written in full (no trailing characters).
std::optional<double> ParseFiniteNumber(const std::string& text);

// "[#####.....]  412/7098" for a bar of `width` cells.
std::string ProgressBarText(int done, int total, int width);

}  // namespace moid::tools

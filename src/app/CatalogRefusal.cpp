#include "app/CatalogRefusal.h"

#include "platform/process/ProcessServices.h"

namespace moid {
namespace {

// The path as the user can find it: relative ones are put after the current directory.
std::string ShownPath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  const std::string relative = path.rfind("./", 0) == 0 ? path.substr(2) : path;
  const std::string here = process::CurrentDirectory();
  return here.empty() || here.back() == '/' ? here + relative : here + "/" + relative;
}

}  // namespace

std::vector<std::string> MissingCatalogLines(const std::string& path) {
  return {"File ELEMENTS.DAT Not Found!",
          "Looked for " + ShownPath(path) +
              "; KORIX12DIR names the folder of the catalogue."};
}

std::vector<std::string> CatalogRefusalLines(const std::string& path,
                                             const CatalogReadReport& report) {
  if (report.unreadable) {
    return {"ELEMENTS.DAT cannot be read: " + report.unreadableReason, ShownPath(path)};
  }
  if (!report.referenceProblem.empty()) {
    return {ShownPath(path) + ": " + UnusableReferenceText(report.referenceProblem)};
  }
  return {};
}

}  // namespace moid

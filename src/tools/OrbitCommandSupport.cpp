#include "tools/OrbitCommandSupport.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "data/CatalogReader.h"
#include "data/DataDirectory.h"
#include "platform/process/FileKind.h"
#include "platform/process/ProcessServices.h"

namespace moid::tools {

std::unique_ptr<BodyCatalog> LoadOrbitCatalog(const std::string& command, const std::string& path,
                                              std::ostream& err, CatalogReadReport* reportOut) {
  if (!PathExists(path)) {
    err << "moidtool " << command << ": " << path << ": no such file\n";
    return nullptr;
  }
  auto catalog = std::make_unique<BodyCatalog>();
  CatalogReadReport report = ReadCatalog(path, *catalog);
  if (report.unreadable) {
    err << "moidtool " << command << ": " << path << ": cannot be read: " << WhyUnreadable(path)
        << '\n';
    return nullptr;
  }
  if (!report.referenceProblem.empty()) {
    err << "moidtool " << command << ": " << path << ": "
        << UnusableReferenceText(report.referenceProblem) << '\n';
    return nullptr;
  }
  if (reportOut != nullptr) *reportOut = std::move(report);
  return catalog;
}

std::string WhyUnreadable(const std::string& path) {
  const std::string reason = process::UnreadableReason(process::ResolvePath(path).value_or(path));
  return reason.empty() ? "it changed while it was read" : reason;
}

std::optional<int> ParseWindowWidth(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  if (value < 72 || value > 1440 || value % 72 != 0) return std::nullopt;
  return value;
}

std::optional<double> ParseFiniteNumber(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string ProgressBarText(int done, int total, int width) {
  const int filled = total > 0 ? static_cast<int>(static_cast<long long>(done) * width / total) : width;
  std::string bar = "[" + std::string(static_cast<size_t>(filled), '#') +
                    std::string(static_cast<size_t>(width - filled), '.') + "] ";
  const std::string count = std::to_string(total);
  const std::string now = std::to_string(done);
  return bar + std::string(count.size() - std::min(count.size(), now.size()), ' ') + now + "/" + count;
}

}  // namespace moid::tools

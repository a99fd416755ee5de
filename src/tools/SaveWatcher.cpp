#include "tools/SaveWatcher.h"

#include <algorithm>

namespace moid::tools {

namespace {
void Remember(std::vector<std::string>& names, const std::string& name) {
  if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}
}  // namespace

bool SaveWatcher::SaveGfxWindow(const std::string& fileName) {
  const bool ok = ForwardingGraphics::SaveGfxWindow(fileName);
  Remember(ok ? saved_ : failed_, fileName);
  return ok;
}

}  // namespace moid::tools

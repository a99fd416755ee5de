#pragma once
#include <string>
#include <vector>

#include "platform/ForwardingGraphics.h"

namespace moid::tools {

// Passes every call on to another graphics toolkit and keeps the names of the pictures it
// saved successfully, in the order of their first save.
class SaveWatcher final : public ForwardingGraphics {
 public:
  explicit SaveWatcher(GraphicsToolkit& inner) : ForwardingGraphics(inner) {}

  const std::vector<std::string>& Saved() const { return saved_; }
  const std::vector<std::string>& Failed() const { return failed_; }

  bool SaveGfxWindow(const std::string& fileName) override;

 private:
  std::vector<std::string> saved_;
  std::vector<std::string> failed_;
};

}  // namespace moid::tools

#include "tools/ImportProgress.h"

#include <algorithm>

namespace moid::tools {

void ProgressLine::Update(std::uint64_t done) {
  if (total_ == 0) return;
  const int percent = static_cast<int>(std::min<std::uint64_t>(done, total_) * 100 / total_);
  if (percent <= shownPercent_) return;
  shownPercent_ = percent;
  const std::string text = label_ + " " + std::string(percent < 10 ? 2 : percent < 100 ? 1 : 0, ' ') +
                           std::to_string(percent) + "%";
  err_ << '\r' << text << std::flush;
  shownWidth_ = text.size();
}

void ProgressLine::Finish() {
  if (shownWidth_ == 0) return;
  err_ << '\r' << std::string(shownWidth_, ' ') << '\r' << std::flush;
  shownWidth_ = 0;
}

}  // namespace moid::tools

#include "tools/ProgressLine.h"

#include <algorithm>

#include "tools/OrbitCommandSupport.h"

namespace moid::tools {
namespace {

// Cells of the bar in the counting form.
constexpr int BAR_CELLS = 40;

std::string PercentText(std::uint64_t done, std::uint64_t total) {
  const int percent = static_cast<int>(std::min(done, total) * 100 / total);
  return std::string(percent < 10 ? 2 : percent < 100 ? 1 : 0, ' ') + std::to_string(percent) +
         "%";
}

}  // namespace

ProgressLine::ProgressLine(std::ostream& err, std::string label, std::uint64_t total, Form form,
                           std::chrono::milliseconds quietStart)
    : err_(err),
      label_(std::move(label)),
      total_(total),
      form_(form),
      showFrom_(std::chrono::steady_clock::now() + quietStart) {}

std::string ProgressLine::TextFor(std::uint64_t done) const {
  const std::string head = label_.empty() ? "" : label_ + " ";
  if (form_ == Form::Percent) return head + PercentText(done, total_);
  return head + ProgressBarText(static_cast<int>(std::min(done, total_)),
                                static_cast<int>(total_), BAR_CELLS);
}

void ProgressLine::Update(std::uint64_t done) {
  if (total_ == 0 || done < highest_) return;
  highest_ = done;
  if (std::chrono::steady_clock::now() < showFrom_) return;
  std::string text = TextFor(done);
  if (text == shown_) return;
  err_ << '\r' << text << std::flush;
  shown_ = std::move(text);
}

void ProgressLine::Finish() {
  if (shown_.empty()) return;
  err_ << '\r' << std::string(shown_.size(), ' ') << '\r' << std::flush;
  shown_.clear();
}

}  // namespace moid::tools

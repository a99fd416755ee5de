#include "platform/sdl/ConsoleText.h"

#include <algorithm>

namespace moid::sdl {

ConsoleText::ConsoleText(int cols, int rows) : cols_(std::max(cols, 1)), rows_(std::max(rows, 1)) {}

void ConsoleText::Resize(int cols, int rows) {
  cols_ = std::max(cols, 1);
  rows_ = std::max(rows, 1);
  if (lines_.size() > RowsKept()) lines_.resize(RowsKept());
  for (std::string& line : lines_) {
    if (line.size() > static_cast<std::size_t>(cols_)) line.resize(static_cast<std::size_t>(cols_));
  }
  ++version_;
}

void ConsoleText::Clear() {
  lines_.clear();
  written_.clear();
  ++version_;
}

void ConsoleText::WriteLine(const std::string& text) {
  written_.push_back(text);
  constexpr std::size_t MAX_WRITTEN = 1000;  // what a message window can usefully show
  if (written_.size() > MAX_WRITTEN) written_.erase(written_.begin());
  const auto width = static_cast<std::size_t>(cols_);
  std::size_t start = 0;
  do {
    AppendRow(text.substr(start, width));
    start += width;
  } while (start < text.size());
  ++version_;
}

int ConsoleText::CursorRow() const {
  return std::min(static_cast<int>(lines_.size()), rows_ - 1);
}


std::size_t ConsoleText::RowsKept() const {
  // After a line break the cursor stands on a free row below the text, so a screen of
  // n rows shows n - 1 written rows (and a one-row screen its last one).
  return static_cast<std::size_t>(rows_ > 1 ? rows_ - 1 : 1);
}

void ConsoleText::AppendRow(std::string row) {
  lines_.push_back(std::move(row));
  if (lines_.size() > RowsKept()) lines_.erase(lines_.begin());
}

}  // namespace moid::sdl

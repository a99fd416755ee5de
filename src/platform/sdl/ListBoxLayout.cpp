#include "platform/sdl/ListBoxLayout.h"

#include <algorithm>
#include <cmath>

namespace moid::sdl {

std::vector<std::string> WrapText(const std::string& text, int cols) {
  const auto width = static_cast<std::size_t>(std::max(cols, 1));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    if (text.size() - start <= width) {
      lines.push_back(text.substr(start));
      break;
    }
    std::size_t cut = text.rfind(' ', start + width);
    if (cut == std::string::npos || cut <= start) cut = start + width;  // one long word
    lines.push_back(text.substr(start, cut - start));
    start = cut;
    while (start < text.size() && text[start] == ' ') ++start;
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

ListBoxLayout::ListBoxLayout(int width_, int height_, int cellW_, int cellH_,
                             const std::string& prompt)
    : width(width_), height(height_), cellW(std::max(cellW_, 1)), cellH(std::max(cellH_, 1)) {
  titleHeight = cellH + 8;
  promptTop = titleHeight + MARGIN / 2;
  promptLines = WrapText(prompt, (width - 2 * MARGIN) / cellW);
  listLeft = MARGIN;
  listTop = promptTop + static_cast<int>(promptLines.size()) * cellH + MARGIN / 2;
  listWidth = std::max(width - 2 * MARGIN, 1);
  statusTop = height - cellH - MARGIN / 2;
  const int inner = statusTop - MARGIN / 2 - listTop - 2;
  pageRows = std::max(inner / cellH, 1);
  listHeight = pageRows * cellH + 2;
  rowsTop = listTop + 1;
}

int ListBoxLayout::RowAt(int x, int y) const {
  if (x < listLeft || x >= listLeft + listWidth - SCROLLBAR) return -1;
  if (y < rowsTop || y >= rowsTop + pageRows * cellH) return -1;
  return (y - rowsTop) / cellH;
}

bool ListBoxLayout::OnScrollBar(int x, int y) const {
  return x >= listLeft + listWidth - SCROLLBAR && x < listLeft + listWidth && y >= rowsTop &&
         y < rowsTop + pageRows * cellH;
}

namespace {
constexpr double MIN_THUMB_PIXELS = 8;
}  // namespace

ListBoxLayout::Thumb ListBoxLayout::ThumbFor(int count, int top) const {
  if (count <= pageRows) return {};
  const double trackH = pageRows * cellH;
  const double height = std::max(trackH * pageRows / count, MIN_THUMB_PIXELS);
  const double start = static_cast<double>(std::clamp(top, 0, count - pageRows)) / (count - pageRows);
  return {rowsTop + (trackH - height) * start, height};
}

int ListBoxLayout::TopForThumbAt(double thumbTop, int count) const {
  const int maxTop = count - pageRows;
  const double travel = pageRows * cellH - ThumbFor(count, 0).height;
  if (maxTop <= 0 || travel <= 0) return 0;
  const double start = std::clamp((thumbTop - rowsTop) / travel, 0.0, 1.0);
  return static_cast<int>(std::lround(start * maxTop));
}

int ListBoxLayout::TextCols() const {
  return std::max((listWidth - SCROLLBAR - 8) / cellW, 1);
}

}  // namespace moid::sdl

#pragma once
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace moid::testing {

struct PixelBox {
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; empty when right < left
  bool Empty() const { return right < left; }
};

// Every pixel of the shown picture whose color differs from `background`.
inline std::vector<std::pair<int, int>> PixelsNotOf(const Canvas& c, Color background) {
  std::vector<std::pair<int, int>> out;
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      if (c.ShownPixel(x, y) != background) out.emplace_back(x, y);
    }
  }
  return out;
}

inline int CountOf(const Canvas& c, Color color) {
  int n = 0;
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) n += c.ShownPixel(x, y) == color ? 1 : 0;
  }
  return n;
}

inline PixelBox BoxNotOf(const Canvas& c, Color background) {
  PixelBox b{c.Width(), c.Height(), -1, -1};
  for (const auto& [x, y] : PixelsNotOf(c, background)) {
    b.left = std::min(b.left, x);
    b.top = std::min(b.top, y);
    b.right = std::max(b.right, x);
    b.bottom = std::max(b.bottom, y);
  }
  if (b.right < 0) return PixelBox{};
  return b;
}

// The shown picture as text rows, '#' for `ink` and '.' for anything else: easy to compare
// and readable in a failure message.
inline std::vector<std::string> Picture(const Canvas& c, Color ink) {
  std::vector<std::string> rows;
  for (int y = 0; y < c.Height(); ++y) {
    std::string row;
    for (int x = 0; x < c.Width(); ++x) row += c.ShownPixel(x, y) == ink ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

}  // namespace moid::testing

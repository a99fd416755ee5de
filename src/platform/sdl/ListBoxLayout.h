#pragma once
#include <string>
#include <vector>

namespace moid::sdl {

// Splits a text into lines of at most `cols` bytes, breaking at blanks where it can.
std::vector<std::string> WrapText(const std::string& text, int cols);

// Where the parts of a list box lie in a window of width x height pixels whose text
// cells are cellW x cellH: a title bar, the prompt, the rows of items (with a scroll bar
// at their right) and a status line at the bottom.
struct ListBoxLayout {
  static constexpr int MARGIN = 8;
  static constexpr int SCROLLBAR = 12;

  ListBoxLayout(int width, int height, int cellW, int cellH, const std::string& prompt);

  int width, height, cellW, cellH;
  int titleHeight;
  std::vector<std::string> promptLines;
  int promptTop;
  int listLeft, listTop, listWidth, listHeight;  // the framed area of the rows
  int rowsTop;                                   // first row's top (inside the frame)
  int pageRows;                                  // rows that fit, at least 1
  int statusTop;

  // Index of the row under (x, y) counted from the first row in view; -1 outside the rows.
  int RowAt(int x, int y) const;
  // True when (x, y) lies on the scroll bar.
  bool OnScrollBar(int x, int y) const;
  // The scroll bar's thumb for `count` items of which `top` is the first in view: its top
  // and height in pixels; height 0 when every item is in view.
  struct Thumb {
    double top = 0, height = 0;
  };
  Thumb ThumbFor(int count, int top) const;
  // The first row in view that puts the thumb's top at `thumbTop`, within 0 .. count - pageRows.
  int TopForThumbAt(double thumbTop, int count) const;
  int TextCols() const;  // characters that fit in a row
};

}  // namespace moid::sdl

#include "platform/sdl/ListBoxLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace moid::sdl {
namespace {

using Lines = std::vector<std::string>;

TEST(WrapText, BreaksAtBlanksWithinTheWidth) {
  EXPECT_EQ(WrapText("Please select the window's width (pixels)", 38),
            (Lines{"Please select the window's width", "(pixels)"}));
  EXPECT_EQ(WrapText("Please select one Asteroid", 80), Lines{"Please select one Asteroid"});
  EXPECT_EQ(WrapText("aaa bbb ccc", 3), (Lines{"aaa", "bbb", "ccc"}));
}

TEST(WrapText, CutsAWordLongerThanTheWidth) {
  EXPECT_EQ(WrapText("abcdefgh", 3), (Lines{"abc", "def", "gh"}));
  EXPECT_EQ(WrapText("", 10), Lines{""});
  EXPECT_EQ(WrapText("ab", 0), (Lines{"a", "b"}));  // at least one column
}

TEST(ListBoxLayout, WidthListInA40By20ConsoleShowsAllTenItems) {
  // 40 x 20 cells of 8 x 16 pixels.
  const ListBoxLayout l(320, 320, 8, 16, "Please select the window's width (pixels)");
  EXPECT_EQ(l.promptLines.size(), 2u);  // 41 characters do not fit in 38 columns
  EXPECT_GE(l.pageRows, 10);
  EXPECT_LE(l.rowsTop + l.pageRows * l.cellH, l.statusTop);  // rows end above the status
  EXPECT_LE(l.statusTop + l.cellH, 320);
  EXPECT_GE(l.listTop, l.promptTop + 2 * 16);  // below both prompt lines
}

TEST(ListBoxLayout, RowHitTesting) {
  const ListBoxLayout l(320, 320, 8, 16, "Prompt");
  const int x = l.listLeft + 20;
  EXPECT_EQ(l.RowAt(x, l.rowsTop), 0);
  EXPECT_EQ(l.RowAt(x, l.rowsTop + 15), 0);
  EXPECT_EQ(l.RowAt(x, l.rowsTop + 16), 1);
  EXPECT_EQ(l.RowAt(x, l.rowsTop - 1), -1);
  EXPECT_EQ(l.RowAt(x, l.rowsTop + l.pageRows * 16), -1);
  EXPECT_EQ(l.RowAt(l.listLeft - 1, l.rowsTop), -1);
  // The scroll bar is no row.
  const int barX = l.listLeft + l.listWidth - 2;
  EXPECT_EQ(l.RowAt(barX, l.rowsTop), -1);
  EXPECT_TRUE(l.OnScrollBar(barX, l.rowsTop));
  EXPECT_FALSE(l.OnScrollBar(x, l.rowsTop));
}

TEST(ListBoxLayout, ThumbSpansTheTrackInProportionToTheRowsShown) {
  const ListBoxLayout l(320, 320, 8, 16, "Prompt");
  const double track = l.pageRows * 16.0;
  // Ten pages of rows: the thumb is a tenth of the track, at its top, then at its bottom.
  const int count = 10 * l.pageRows;
  const ListBoxLayout::Thumb first = l.ThumbFor(count, 0);
  EXPECT_DOUBLE_EQ(first.height, track / 10);
  EXPECT_DOUBLE_EQ(first.top, l.rowsTop);
  const ListBoxLayout::Thumb last = l.ThumbFor(count, count - l.pageRows);
  EXPECT_DOUBLE_EQ(last.top + last.height, l.rowsTop + track);
  // Halfway down the rows, halfway down the free travel.
  const ListBoxLayout::Thumb half = l.ThumbFor(count, (count - l.pageRows) / 2);
  EXPECT_NEAR(half.top - l.rowsTop, (track - first.height) / 2, (track - first.height) / (count - l.pageRows));
  // 25,000 rows still get a thumb that can be grabbed.
  EXPECT_EQ(l.ThumbFor(25000, 0).height, 8);
  // Everything in view: no thumb.
  EXPECT_EQ(l.ThumbFor(l.pageRows, 0).height, 0);
}

TEST(ListBoxLayout, ThumbPositionGivesBackTheRowsInView) {
  const ListBoxLayout l(320, 320, 8, 16, "Prompt");
  for (int count : {l.pageRows + 1, 100, 25000}) {
    for (int top = 0; top <= count - l.pageRows; top += std::max(1, (count - l.pageRows) / 37)) {
      EXPECT_EQ(l.TopForThumbAt(l.ThumbFor(count, top).top, count), top) << count;
    }
    // Beyond either end of the track the view stops at the first or the last page.
    EXPECT_EQ(l.TopForThumbAt(l.rowsTop - 500, count), 0);
    EXPECT_EQ(l.TopForThumbAt(l.rowsTop + 5000, count), count - l.pageRows);
  }
  EXPECT_EQ(l.TopForThumbAt(l.rowsTop + 50, l.pageRows), 0);  // nothing to scroll
}

TEST(ListBoxLayout, TinyWindowStillHasOneRow) {
  const ListBoxLayout l(10, 10, 8, 16, "A long prompt that cannot fit at all");
  EXPECT_EQ(l.pageRows, 1);
  EXPECT_GE(l.TextCols(), 1);
}

}  // namespace
}  // namespace moid::sdl

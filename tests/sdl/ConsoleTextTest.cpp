#include "platform/sdl/ConsoleText.h"

#include <gtest/gtest.h>

namespace moid::sdl {
namespace {

using Rows = std::vector<std::string>;

TEST(ConsoleText, LinesGoDownFromTheTopAndTheCursorFollows) {
  ConsoleText t(80, 25);
  EXPECT_EQ(t.CursorRow(), 0);
  t.WriteLine("File ELEMENTS.DAT Not Found!");
  EXPECT_EQ(t.Rows(), Rows{"File ELEMENTS.DAT Not Found!"});
  EXPECT_EQ(t.CursorRow(), 1);
  t.WriteLine("");
  EXPECT_EQ(t.Rows(), (Rows{"File ELEMENTS.DAT Not Found!", ""}));
  EXPECT_EQ(t.CursorRow(), 2);
}

TEST(ConsoleText, LongLinesWrapAtTheWidth) {
  ConsoleText t(4, 10);
  t.WriteLine("abcdefghij");
  EXPECT_EQ(t.Rows(), (Rows{"abcd", "efgh", "ij"}));
  EXPECT_EQ(t.Written(), Rows{"abcdefghij"});
  t.WriteLine("wxyz");  // exactly the width: one row
  EXPECT_EQ(t.Rows().back(), "wxyz");
  EXPECT_EQ(t.Rows().size(), 4u);
}

TEST(ConsoleText, WritingPastTheLastRowScrollsUp) {
  ConsoleText t(10, 3);  // two written rows and the cursor's row
  t.WriteLine("1");
  t.WriteLine("2");
  t.WriteLine("3");
  EXPECT_EQ(t.Rows(), (Rows{"2", "3"}));
  EXPECT_EQ(t.CursorRow(), 2);
  t.WriteLine("4");
  EXPECT_EQ(t.Rows(), (Rows{"3", "4"}));
  EXPECT_EQ(t.Written(), (Rows{"1", "2", "3", "4"}));
}

TEST(ConsoleText, OneRowScreenShowsTheLastLine) {
  ConsoleText t(10, 1);
  t.WriteLine("a");
  t.WriteLine("b");
  EXPECT_EQ(t.Rows(), Rows{"b"});
  EXPECT_EQ(t.CursorRow(), 0);
}

TEST(ConsoleText, ClearEmptiesScreenAndWrittenLines) {
  ConsoleText t(10, 5);
  t.WriteLine("a");
  const auto before = t.Version();
  t.Clear();
  EXPECT_TRUE(t.Rows().empty());
  EXPECT_TRUE(t.Written().empty());
  EXPECT_EQ(t.CursorRow(), 0);
  EXPECT_GT(t.Version(), before);
}

TEST(ConsoleText, ResizeKeepsTheTopLeftAndCutsTheRest) {
  ConsoleText t(20, 10);
  for (const char* s : {"first line", "second line", "third line", "fourth"}) t.WriteLine(s);
  t.Resize(6, 3);
  EXPECT_EQ(t.Rows(), (Rows{"first ", "second"}));
  EXPECT_EQ(t.Cols(), 6);
  EXPECT_EQ(t.RowCount(), 3);
  t.Resize(0, -5);  // nonsense sizes become one cell
  EXPECT_EQ(t.Cols(), 1);
  EXPECT_EQ(t.RowCount(), 1);
  EXPECT_EQ(t.Rows(), Rows{"f"});
}

TEST(ConsoleText, VersionGrowsOnEveryChange) {
  ConsoleText t(10, 5);
  auto v = t.Version();
  t.WriteLine("x");
  EXPECT_GT(t.Version(), v);
  v = t.Version();
  t.Resize(12, 6);
  EXPECT_GT(t.Version(), v);
}

}  // namespace
}  // namespace moid::sdl

#include "platform/sdl/MessageText.h"

#include <gtest/gtest.h>

namespace moid::sdl {
namespace {

using Lines = std::vector<std::string>;

TEST(MessageText, BackslashTAndBackslashNAreTabAndLineBreak) {
  const std::string help =
      "Arrows\\t= Image rotations\\n+\\t= Zoom in\\n-\\t= Zoom out\\n<\\t= Smaller balls\\n"
      ">\\t= Larger balls\\n#\\t= Grid extension\\nM\\t= Animate motion\\nP\\t= Pause motion\\n"
      "B\\t= Back\\nHome\\t= Reset Defaults\\nEsc\\t= Exit";
  const Lines lines = MessageLines(help);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "Arrows  = Image rotations");
  EXPECT_EQ(lines[1], "+       = Zoom in");
  EXPECT_EQ(lines[9], "Home    = Reset Defaults");
  EXPECT_EQ(lines[10], "Esc     = Exit");
}

TEST(MessageText, TabStopsEveryEightColumns) {
  EXPECT_EQ(MessageLines("\\tx"), Lines{"        x"});
  EXPECT_EQ(MessageLines("1234567\\tx"), Lines{"1234567 x"});
  EXPECT_EQ(MessageLines("12345678\\tx"), Lines{"12345678        x"});
  EXPECT_EQ(MessageLines("ab\\tc", 4), Lines{"ab  c"});
}

TEST(MessageText, RealControlBytesMeanTheSame) {
  EXPECT_EQ(MessageLines("a\tb\nc"), (Lines{"a       b", "c"}));
  EXPECT_EQ(MessageLines("a\r\nb"), (Lines{"a", "b"}));
}

TEST(MessageText, OtherBackslashesStay) {
  EXPECT_EQ(MessageLines("C:\\Data\\x"), Lines{"C:\\Data\\x"});
  EXPECT_EQ(MessageLines("end\\"), Lines{"end\\"});
  EXPECT_EQ(MessageLines("\\\\n"), (Lines{"\\", ""}));  // a backslash, then \n
  EXPECT_EQ(MessageLines(""), Lines{""});
  EXPECT_EQ(MessageLines("a\\n\\n"), (Lines{"a", "", ""}));
}

}  // namespace
}  // namespace moid::sdl

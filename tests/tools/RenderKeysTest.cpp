// The key words of `moidtool render --keys`.
#include "tools/RenderKeys.h"

#include <gtest/gtest.h>

#include "platform/Keys.h"

namespace moid::tools {
namespace {

std::string Key(const std::string& token) {
  const auto k = KeyFromToken(token);
  EXPECT_TRUE(k.has_value()) << token;
  return k.value_or("<none>");
}

TEST(RenderKeys, SingleCharactersAreThemselves) {
  for (const std::string c : {"M", "m", "+", "-", "<", ">", "#", ".", ",", "P", "b"}) {
    EXPECT_EQ(Key(c), c);
  }
}

TEST(RenderKeys, NamedOrdinaryKeys) {
  EXPECT_EQ(Key("Space"), " ");
  EXPECT_EQ(Key("Enter"), "\r");
  EXPECT_EQ(Key("Esc"), "\x1b");
  EXPECT_EQ(Key("SPACE"), " ");  // names in any letter case
  EXPECT_EQ(Key("esc"), "\x1b");
}

TEST(RenderKeys, NamedExtendedKeysAreNulAndScanCode) {
  EXPECT_EQ(Key("Up"), std::string("\0\x48", 2));
  EXPECT_EQ(Key("Down"), std::string("\0\x50", 2));
  EXPECT_EQ(Key("Left"), std::string("\0\x4B", 2));
  EXPECT_EQ(Key("Right"), std::string("\0\x4D", 2));
  EXPECT_EQ(Key("Home"), std::string("\0\x47", 2));
  EXPECT_EQ(Key("End"), std::string("\0\x4F", 2));
  EXPECT_EQ(Key("PgUp"), std::string("\0\x49", 2));
  EXPECT_EQ(Key("PgDn"), std::string("\0\x51", 2));
  EXPECT_EQ(Key("F1"), std::string("\0\x3B", 2));
  EXPECT_EQ(Key("F2"), std::string("\0\x3C", 2));
  EXPECT_EQ(Key("F10"), std::string("\0\x44", 2));
  EXPECT_EQ(Key("F11"), std::string("\0\x85", 2));
  EXPECT_EQ(Key("F12"), std::string("\0\x86", 2));
}

TEST(RenderKeys, ClicksAreMouseButtonPresses) {
  EXPECT_EQ(Key("LeftClick"), std::string("\xff\xff\x04\x01", 4));
  EXPECT_EQ(Key("RightClick"), std::string("\xff\xff\x04\x02", 4));
}

TEST(RenderKeys, OtherWordsAreRefused) {
  for (const std::string w : {"", "F0", "F13", "Spacebar", "Ctrl", "MM", "Left-Click"}) {
    EXPECT_FALSE(KeyFromToken(w).has_value()) << w;
  }
}

TEST(RenderKeys, ListsSplitAtAnyWhitespace) {
  std::string bad;
  const auto keys = KeysFromText("  M\tSpace  \n+ F1 ", bad);
  ASSERT_TRUE(keys.has_value());
  EXPECT_EQ(*keys, (std::vector<std::string>{"M", " ", "+", std::string("\0\x3B", 2)}));
  const auto none = KeysFromText("   ", bad);
  ASSERT_TRUE(none.has_value());
  EXPECT_TRUE(none->empty());
  EXPECT_FALSE(KeysFromText("M Jump +", bad).has_value());
  EXPECT_EQ(bad, "Jump");
}

}  // namespace
}  // namespace moid::tools

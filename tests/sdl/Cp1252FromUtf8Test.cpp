#include "platform/sdl/Cp1252FromUtf8.h"

#include <gtest/gtest.h>

#include "platform/TextEncoding.h"

namespace moid::sdl {
namespace {

bool Unassigned(int b) { return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D; }

TEST(Cp1252FromUtf8, EveryAssignedByteRoundTripsThroughUtf8) {
  for (int b = 1; b < 256; ++b) {
    if (Unassigned(b)) continue;
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << "byte " << b;
  }
}

TEST(Cp1252FromUtf8, HandWorkedCharacters) {
  EXPECT_EQ(Utf8ToCp1252("A\xC2\xB0Z"), "A\xB0Z");            // degree sign
  EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9C\xE2\x80\x9D"), "\x93\x94");  // curly quotes
  EXPECT_EQ(Utf8ToCp1252("\xC5\xB8"), "\x9F");                  // Ÿ
  EXPECT_EQ(Utf8ToCp1252("\xC3\xBF"), "\xFF");                  // ÿ
  EXPECT_EQ(Utf8ToCp1252("\xC2\x81"), "\x81");                  // a C1 control keeps its number
}

TEST(Cp1252FromUtf8, CharactersWithoutAByteAreDropped) {
  EXPECT_EQ(Utf8ToCp1252("a\xE4\xB8\xAD" "b"), "ab");      // a CJK ideograph
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80!"), "!");        // an emoji (four bytes)
  EXPECT_EQ(Utf8ToCp1252("\xC4\x80"), "");                   // Ā
}

TEST(Cp1252FromUtf8, MalformedInputIsDroppedWithoutReadingPastTheEnd) {
  EXPECT_EQ(Utf8ToCp1252("\x80x"), "x");            // stray continuation byte
  EXPECT_EQ(Utf8ToCp1252("x\xC3"), "x");            // cut sequence at the end
  EXPECT_EQ(Utf8ToCp1252("\xC3(x"), "(x");          // lead byte without its continuation
  EXPECT_EQ(Utf8ToCp1252("\xC0\xAF" "a"), "a");      // overlong "/"
  EXPECT_EQ(Utf8ToCp1252("\xE0\x80\xAF" "a"), "a");  // overlong, three bytes
  EXPECT_EQ(Utf8ToCp1252("\xFF\xFE"), "");
  EXPECT_EQ(Utf8ToCp1252(""), "");
}

}  // namespace
}  // namespace moid::sdl

#include <gtest/gtest.h>

#include "platform/FontCache.h"
#include "platform/TextEncoding.h"

namespace moid {
namespace {

TEST(Cp1252ToUtf8, AsciiPassesUnchanged) {
  EXPECT_EQ(Cp1252ToUtf8(""), "");
  EXPECT_EQ(Cp1252ToUtf8("MOID = 0.0123 AU\t~"), "MOID = 0.0123 AU\t~");
  EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1252ToUtf8, LatinOneHalfBecomesTwoBytes) {
  EXPECT_EQ(Cp1252ToUtf8("271\xB0"), "271\xC2\xB0");  // degree sign U+00B0
  EXPECT_EQ(Cp1252ToUtf8("\xA0"), "\xC2\xA0");
  EXPECT_EQ(Cp1252ToUtf8("\xE9\xFF"), "\xC3\xA9\xC3\xBF");  // e acute, y diaeresis
}

TEST(Cp1252ToUtf8, TheWindowsBlockMapsToItsOwnCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");                  // euro sign U+20AC
  EXPECT_EQ(Cp1252ToUtf8("\x96"), "\xE2\x80\x93");                  // en dash U+2013
  EXPECT_EQ(Cp1252ToUtf8("\x83"), "\xC6\x92");                      // f hook U+0192
  EXPECT_EQ(Cp1252ToUtf8("\x84"), "\xE2\x80\x9E");                  // low double quote U+201E
  EXPECT_EQ(Cp1252ToUtf8("\x85"), "\xE2\x80\xA6");                  // ellipsis U+2026
  EXPECT_EQ(Cp1252ToUtf8("\x8E"), "\xC5\xBD");                      // Z caron U+017D
  EXPECT_EQ(Cp1252ToUtf8("\x91\x92"), "\xE2\x80\x98\xE2\x80\x99");  // single quotes
  EXPECT_EQ(Cp1252ToUtf8("\x99"), "\xE2\x84\xA2");                  // trade mark U+2122
  EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8");                      // Y diaeresis U+0178
}

TEST(Cp1252ToUtf8, UndefinedBytesBecomeTheReplacementCharacter) {
  for (const char* b : {"\x81", "\x8D", "\x8F", "\x90", "\x9D"}) {
    EXPECT_EQ(Cp1252ToUtf8(b), "\xEF\xBF\xBD");
  }
}

TEST(FontFamilies, ToolkitFacesMapToMetricCompatibleFamilies) {
  EXPECT_EQ(FontFamiliesFor("Arial"), "Liberation Sans,Arial,sans-serif");
  EXPECT_EQ(FontFamiliesFor("Courier"), "Liberation Mono,Courier New,Courier,monospace");
  EXPECT_EQ(FontFamiliesFor("ARIAL"), "Liberation Sans,Arial,sans-serif");
  EXPECT_EQ(FontFamiliesFor("Liberation Serif"), "Liberation Serif,sans-serif");
  EXPECT_EQ(FontFamiliesFor(""), "sans-serif");
}

TEST(FontCache, AFontIsCreatedOnceAndKept) {
  FontCache cache;
  cairo_scaled_font_t* a = cache.Get("Arial", 15);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(cairo_scaled_font_status(a), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cache.Get("Arial", 15), a);
  EXPECT_EQ(cache.Get("arial", 15), a);
  EXPECT_NE(cache.Get("Courier", 15), a);
  EXPECT_NE(cache.Get("Arial", 16), a);
  EXPECT_NE(cache.Get("Arial", -3), nullptr);  // clamped, still usable
}

}  // namespace
}  // namespace moid

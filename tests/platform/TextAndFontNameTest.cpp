#include <gtest/gtest.h>

#include <cairo-ft.h>

#include <cmath>

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

constexpr FontSizing LINE = FontSizing::LineHeight;

TEST(FontCache, AFontIsCreatedOnceAndKept) {
  FontCache cache;
  cairo_scaled_font_t* a = cache.Get("Arial", 15, LINE);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(cairo_scaled_font_status(a), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cache.Get("Arial", 15, LINE), a);
  EXPECT_EQ(cache.Get("arial", 15, LINE), a);
  EXPECT_NE(cache.Get("Courier", 15, LINE), a);
  EXPECT_NE(cache.Get("Arial", 16, LINE), a);
  EXPECT_NE(cache.Get("Arial", -3, LINE), nullptr);  // clamped, still usable
  EXPECT_NE(cache.Get("Arial", 15, FontSizing::Em), a);
}

// The line height of a scaled font, from the font file's own design units as FreeType reads
// them (ascender and descender per unitsPerEm) times the em the font was made at.
double DesignCellHeight(cairo_scaled_font_t* font) {
  cairo_matrix_t m;
  cairo_scaled_font_get_font_matrix(font, &m);
  FT_Face face = cairo_ft_scaled_font_lock_face(font);
  if (face == nullptr || face->units_per_EM == 0) {
    if (face != nullptr) cairo_ft_scaled_font_unlock_face(font);
    return -1;
  }
  const double perEm =
      static_cast<double>(face->ascender - face->descender) / face->units_per_EM;
  cairo_ft_scaled_font_unlock_face(font);
  return perEm * m.yy;
}

TEST(FontCache, ASizeIsTheHeightOfTheLineNotOfTheEm) {
  FontCache cache;
  for (const char* face : {"Arial", "Courier"}) {
    for (int size : {15, 12, 24}) {
      cairo_scaled_font_t* font = cache.Get(face, size, LINE);
      ASSERT_EQ(cairo_scaled_font_status(font), CAIRO_STATUS_SUCCESS) << face;
      EXPECT_NEAR(DesignCellHeight(font), size, 0.01) << face << " " << size;
      // As drawn (metrics hinted to whole pixels): the same line within a pixel.
      cairo_font_extents_t fe;
      cairo_scaled_font_extents(font, &fe);
      EXPECT_NEAR(fe.ascent + fe.descent, size, 1.0) << face << " " << size;
    }
  }
}

TEST(FontCache, TheEmOfTheLiberationFacesIsSmallerThanTheLine) {
  // Liberation Sans: ascender 1854, descender -434, 2048 units per em, so a 15-pixel line
  // has an em of 15 * 2048 / 2288 = 13.43 pixels; Liberation Mono (1705, -615): 13.24.
  FontCache cache;
  cairo_matrix_t m;
  cairo_scaled_font_get_font_matrix(cache.Get("Arial", 15, LINE), &m);
  EXPECT_NEAR(m.yy, 13.43, 0.01);
  cairo_scaled_font_get_font_matrix(cache.Get("Courier", 15, LINE), &m);
  EXPECT_NEAR(m.yy, 13.24, 0.01);
}

TEST(FontCache, AnEmSizeIsTakenAsItIs) {
  // The window's own texts are sized by em: 13 px of Liberation Mono is a 14.7-pixel line.
  FontCache cache;
  cairo_scaled_font_t* font = cache.Get("Courier", 13, FontSizing::Em);
  cairo_matrix_t m;
  cairo_scaled_font_get_font_matrix(font, &m);
  EXPECT_EQ(m.yy, 13.0);
  EXPECT_NEAR(DesignCellHeight(font), 13.0 * 2320 / 2048, 0.01);
}

}  // namespace
}  // namespace moid

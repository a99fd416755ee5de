#pragma once
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <string>
#include <tuple>

namespace moid {

// The fontconfig family list that stands in for a toolkit face name:
// "Arial" -> "Liberation Sans,Arial,sans-serif", "Courier" ->
// "Liberation Mono,Courier New,Courier,monospace"; other names are asked for first,
// then sans-serif.
std::string FontFamiliesFor(const std::string& face);

// How a font size is meant: the height of the font's line, ascent + descent, in pixels (as
// the graphics toolkit measures its fonts), or the em in pixels (the window's own texts).
enum class FontSizing { LineHeight, Em };

// Scaled fonts by face name and size, each created once. Glyphs are rendered
// without antialiasing (every pixel is either ink or not), so text drawn again in the
// background color erases itself exactly. The cache loads its own fontconfig
// configuration on first use and releases it with itself (the library's shared default
// configuration is never freed).
class FontCache {
 public:
  FontCache() = default;
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // Never null; a font that cannot be found falls back to cairo's default face.
  cairo_scaled_font_t* Get(const std::string& face, int size, FontSizing sizing);

 private:
  std::map<std::tuple<std::string, int, FontSizing>, cairo_scaled_font_t*> fonts_;
  FcConfig* config_ = nullptr;
};

}  // namespace moid

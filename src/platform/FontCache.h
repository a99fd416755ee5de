#pragma once
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <string>
#include <utility>

namespace moid {

// The fontconfig family list that stands in for a toolkit face name:
// "Arial" -> "Liberation Sans,Arial,sans-serif", "Courier" ->
// "Liberation Mono,Courier New,Courier,monospace"; other names are asked for first,
// then sans-serif.
std::string FontFamiliesFor(const std::string& face);

// Scaled fonts by face name and pixel size, each created once. Glyphs are rendered
// without antialiasing (every pixel is either ink or not), so text drawn again in the
// background colour erases itself exactly. The cache loads its own fontconfig
// configuration on first use and releases it with itself (the library's shared default
// configuration is never freed).
class FontCache {
 public:
  FontCache() = default;
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // Never null; a font that cannot be found falls back to cairo's default face.
  cairo_scaled_font_t* Get(const std::string& face, int pixelSize);

 private:
  std::map<std::pair<std::string, int>, cairo_scaled_font_t*> fonts_;
  FcConfig* config_ = nullptr;
};

}  // namespace moid

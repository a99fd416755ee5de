#include "platform/FontCache.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

namespace moid {
namespace {

constexpr int MIN_SIZE = 1;
constexpr int MAX_SIZE = 512;

std::string Lowered(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::vector<std::string> SplitFamilies(const std::string& list) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    if (comma > start) out.push_back(list.substr(start, comma - start));
    start = comma + 1;
  }
  return out;
}

void ForceMonochrome(FcPattern* p) {
  FcPatternDel(p, FC_ANTIALIAS);
  FcPatternAddBool(p, FC_ANTIALIAS, FcFalse);
}

// The font file fontconfig picks for the family list at that size, as a full pattern.
FcPattern* MatchFont(FcConfig* config, const std::string& families, int pixelSize) {
  FcPattern* request = FcPatternCreate();
  if (request == nullptr) return nullptr;
  for (const std::string& f : SplitFamilies(families)) {
    FcPatternAddString(request, FC_FAMILY, reinterpret_cast<const FcChar8*>(f.c_str()));
  }
  FcPatternAddDouble(request, FC_PIXEL_SIZE, pixelSize);
  FcConfigSubstitute(config, request, FcMatchPattern);
  ForceMonochrome(request);
  FcDefaultSubstitute(request);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, request, &result);
  FcPatternDestroy(request);
  if (match != nullptr) ForceMonochrome(match);
  return match;
}

cairo_font_face_t* CreateFace(FcConfig* config, const std::string& families, int pixelSize) {
  FcPattern* match = config == nullptr ? nullptr : MatchFont(config, families, pixelSize);
  if (match == nullptr) {
    return cairo_toy_font_face_create("sans-serif", CAIRO_FONT_SLANT_NORMAL,
                                      CAIRO_FONT_WEIGHT_NORMAL);
  }
  cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
  FcPatternDestroy(match);
  return face;
}

cairo_font_options_t* MonochromeOptions(cairo_hint_metrics_t hintMetrics) {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
  cairo_font_options_set_hint_metrics(options, hintMetrics);
  return options;
}

cairo_scaled_font_t* ScaledFont(cairo_font_face_t* face, double emSize,
                                cairo_hint_metrics_t hintMetrics) {
  cairo_matrix_t fontMatrix;
  cairo_matrix_t identity;
  cairo_matrix_init_scale(&fontMatrix, emSize, emSize);
  cairo_matrix_init_identity(&identity);
  cairo_font_options_t* options = MonochromeOptions(hintMetrics);
  cairo_scaled_font_t* font = cairo_scaled_font_create(face, &fontMatrix, &identity, options);
  cairo_font_options_destroy(options);
  return font;
}

// The face's line height (ascent + descent) per pixel of em, from its own design metrics:
// cairo reports them unrounded when metrics are not hinted. 1 when the face gives none.
double CellPerEm(cairo_font_face_t* face) {
  cairo_scaled_font_t* unit = ScaledFont(face, 1.0, CAIRO_HINT_METRICS_OFF);
  cairo_font_extents_t fe{};
  if (cairo_scaled_font_status(unit) == CAIRO_STATUS_SUCCESS) cairo_scaled_font_extents(unit, &fe);
  cairo_scaled_font_destroy(unit);
  const double cell = fe.ascent + fe.descent;
  return std::isfinite(cell) && cell > 0.1 && cell < 10.0 ? cell : 1.0;
}

// The em for a size: the size itself, or, for a line height, the em whose ascent + descent
// is that many pixels (13.43 px of em for a 15-pixel Liberation Sans line).
double EmSizeFor(cairo_font_face_t* face, int size, FontSizing sizing) {
  return sizing == FontSizing::LineHeight ? size / CellPerEm(face) : size;
}

cairo_scaled_font_t* CreateScaledFont(FcConfig* config, const std::string& families, int size,
                                      FontSizing sizing) {
  cairo_font_face_t* face = CreateFace(config, families, size);
  cairo_scaled_font_t* font = ScaledFont(face, EmSizeFor(face, size, sizing),
                                         CAIRO_HINT_METRICS_ON);
  cairo_font_face_destroy(face);  // the scaled font keeps its own reference
  return font;
}

}  // namespace

std::string FontFamiliesFor(const std::string& face) {
  const std::string key = Lowered(face);
  if (key == "arial") return "Liberation Sans,Arial,sans-serif";
  if (key == "courier") return "Liberation Mono,Courier New,Courier,monospace";
  if (face.empty()) return "sans-serif";
  return face + ",sans-serif";
}

FontCache::~FontCache() {
  for (auto& entry : fonts_) cairo_scaled_font_destroy(entry.second);
  if (config_ != nullptr) FcConfigDestroy(config_);
}

cairo_scaled_font_t* FontCache::Get(const std::string& face, int size, FontSizing sizing) {
  size = std::clamp(size, MIN_SIZE, MAX_SIZE);
  const auto key = std::make_tuple(Lowered(face), size, sizing);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  if (config_ == nullptr) config_ = FcInitLoadConfigAndFonts();
  cairo_scaled_font_t* font = CreateScaledFont(config_, FontFamiliesFor(face), size, sizing);
  fonts_.emplace(key, font);
  return font;
}

}  // namespace moid

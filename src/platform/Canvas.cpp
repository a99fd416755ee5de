#include "platform/Canvas.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "Contract.h"
#include "platform/Bmp.h"
#include "platform/DiscRaster.h"
#include "platform/FontCache.h"
#include "platform/LineRaster.h"
#include "platform/PixelBuffer.h"
#include "platform/TextEncoding.h"
#include "platform/process/OutputFile.h"

// Pixel conventions: pixel (x, y) is the unit square whose centre is (x + 1/2, y + 1/2).
// Lines, discs, pixels and clearing are written straight into the live buffer (exact,
// predictable pixels, nothing antialiased, no cairo coordinate limits); cairo renders only
// the text, monochrome.
//
// GfxWindow modes: GFX_WINDOW_BEGIN_PICTURE freezes the shown picture (a copy) while drawing
// goes on in the live one; GFX_WINDOW_SHOW_PICTURE shows the live one again. The other modes
// change nothing visible here.
// GfxOption, GfxRefresh and GfxBkgdMode are accepted and change nothing here (the SDL
// backend presents the shown picture on GfxRefresh). Text is always drawn over an opaque
// box of the text background color. DrawTextRow leaves the current position unchanged.
// GfxFont's size is the height of the text line (ascent + descent) in pixels, the way the
// toolkit measures its fonts and the layout's fixed places were drawn: at 15, Arial has a
// 13.43-pixel em.
// DrawCircle outlines with a solid pen whatever the pen style.

namespace moid {
namespace {

// Text whose anchor lies further out than this cannot reach the area.
constexpr double TEXT_REACH = 1 << 20;
constexpr int MAX_SIDE = 32767;  // cairo's limit for an image surface
constexpr std::uint32_t OPAQUE = 0xFF000000u;

constexpr std::uint32_t ArgbOf(Color c) {
  return OPAQUE | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

constexpr Color ColorOf(std::uint32_t argb) {
  return ((argb >> 16) & 0xFFu) | (argb & 0xFF00u) | ((argb & 0xFFu) << 16);
}

void SetSource(cairo_t* cr, Color c) {
  cairo_set_source_rgb(cr, (c & 0xFFu) / 255.0, ((c >> 8) & 0xFFu) / 255.0,
                       ((c >> 16) & 0xFFu) / 255.0);
}

cairo_surface_t* WhiteSurface(int width, int height) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 0, 0);
  }
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(s);
  return s;
}

bool SameSize(cairo_surface_t* a, cairo_surface_t* b) {
  return cairo_image_surface_get_width(a) == cairo_image_surface_get_width(b) &&
         cairo_image_surface_get_height(a) == cairo_image_surface_get_height(b) &&
         cairo_image_surface_get_stride(a) == cairo_image_surface_get_stride(b);
}

// A copy of `source`'s pixels, made in `reuse` when that has the same size (else in a new
// surface; `reuse` is then released).
cairo_surface_t* CopyOf(cairo_surface_t* source, cairo_surface_t* reuse) {
  cairo_surface_flush(source);
  if (reuse != nullptr && !SameSize(source, reuse)) {
    cairo_surface_destroy(reuse);
    reuse = nullptr;
  }
  cairo_surface_t* copy =
      reuse != nullptr
          ? reuse
          : cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(source),
                                       cairo_image_surface_get_height(source));
  const int h = cairo_image_surface_get_height(source);
  if (cairo_surface_status(copy) == CAIRO_STATUS_SUCCESS && SameSize(source, copy) && h > 0) {
    cairo_surface_flush(copy);
    std::memcpy(cairo_image_surface_get_data(copy), cairo_image_surface_get_data(source),
                static_cast<std::size_t>(cairo_image_surface_get_stride(source)) *
                    static_cast<std::size_t>(h));
    cairo_surface_mark_dirty(copy);
  }
  return copy;
}

}  // namespace

struct Canvas::Impl {
  cairo_surface_t* live = nullptr;
  cairo_t* cr = nullptr;
  cairo_surface_t* frozen = nullptr;  // the picture shown while a new one is being built
  cairo_surface_t* spare = nullptr;   // the last frozen surface, kept for the next freeze
  bool directWrites = false;          // live buffer written outside cairo since last flush
  PixelBuffer liveBuffer;             // the live surface's pixels
  int width = 0;
  int height = 0;
  Color pen = BLACK;
  Color brush = WHITE;
  Color fontColor = BLACK;
  Color textBackground = WHITE;
  int penStyle = 0;
  int curX = 0;
  int curY = 0;
  int pointerX = 0;
  int pointerY = 0;
  std::uint64_t generation = 0;
  std::string fontFace = "Arial";
  int fontSize = 15;
  FontCache fonts;

  Impl() { Recreate(0, 0); }
  ~Impl() { Release(); }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  void Release() {
    if (cr != nullptr) cairo_destroy(cr);
    if (live != nullptr) cairo_surface_destroy(live);
    if (frozen != nullptr) cairo_surface_destroy(frozen);
    if (spare != nullptr) cairo_surface_destroy(spare);
    spare = nullptr;
    cr = nullptr;
    live = nullptr;
    frozen = nullptr;
  }

  void Recreate(int w, int h) {
    const bool building = frozen != nullptr;
    Release();
    live = WhiteSurface(std::clamp(w, 0, MAX_SIDE), std::clamp(h, 0, MAX_SIDE));
    width = cairo_image_surface_get_width(live);
    height = cairo_image_surface_get_height(live);
    liveBuffer = PixelBuffer{reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(live)),
                             width, height, cairo_image_surface_get_stride(live)};
    if (building) frozen = WhiteSurface(width, height);
    cr = cairo_create(live);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    directWrites = false;
    ++generation;
  }

  bool Building() const { return frozen != nullptr; }
  void Changed() {
    if (!Building()) ++generation;
  }

  // cairo and direct writes must not overlap: flush before touching the buffer,
  // mark it dirty before cairo draws again.
  void BeginDirect() {
    if (!directWrites) {
      cairo_surface_flush(live);
      directWrites = true;
    }
  }
  void BeginCairo() {
    if (directWrites) {
      cairo_surface_mark_dirty(live);
      directWrites = false;
    }
  }

  cairo_surface_t* Shown() const {
    cairo_surface_t* s = Building() ? frozen : live;
    cairo_surface_flush(s);
    return s;
  }

  PixelBuffer LiveBuffer() {
    BeginDirect();
    return liveBuffer;
  }

  void PutPixel(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    BeginDirect();
    liveBuffer.Row(y)[x] = ArgbOf(c);
  }

  void Line(double x1, double y1, double x2, double y2) {
    RasterLine(LiveBuffer(), x1, y1, x2, y2, ArgbOf(pen), penStyle == PEN_DASHED);
    Changed();
  }

  void Disc(int radius) {
    RasterDisc(LiveBuffer(), curX, curY, radius, ArgbOf(pen), ArgbOf(brush));
    Changed();
  }

  void Clear() {
    const PixelBuffer buffer = LiveBuffer();
    for (int y = 0; y < height; ++y) std::fill_n(buffer.Row(y), width, ArgbOf(brush));
    Changed();
  }

  void FillRect(double x0, double y0, double x1, double y1, Color c) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    SetSource(cr, c);
    cairo_fill(cr);
  }

  void DrawText(const std::string& text) {
    if (text.empty() || std::fabs(curX) > TEXT_REACH || std::fabs(curY) > TEXT_REACH) return;
    cairo_scaled_font_t* font = fonts.Get(fontFace, fontSize, FontSizing::LineHeight);
    if (cairo_scaled_font_status(font) != CAIRO_STATUS_SUCCESS) return;
    const std::string utf8 = Cp1252ToUtf8(text);
    cairo_font_extents_t fe;
    cairo_scaled_font_extents(font, &fe);
    const double left = curX;
    const double top = curY;
    const double baseline = top + std::ceil(fe.ascent);
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    if (cairo_scaled_font_text_to_glyphs(font, left, baseline, utf8.data(),
                                         static_cast<int>(utf8.size()), &glyphs, &count, nullptr,
                                         nullptr, nullptr) != CAIRO_STATUS_SUCCESS) {
      return;
    }
    cairo_text_extents_t te;
    cairo_scaled_font_glyph_extents(font, glyphs, count, &te);
    // The opaque box: the text's advance by the font's height, grown to cover every inked
    // pixel (plus one for hinting) so that drawing it again leaves nothing behind.
    const double inkLeft = std::floor(left + te.x_bearing) - 1;
    const double inkTop = std::floor(baseline + te.y_bearing) - 1;
    const double inkRight = std::ceil(left + te.x_bearing + te.width) + 1;
    const double inkBottom = std::ceil(baseline + te.y_bearing + te.height) + 1;
    const double x0 = te.width > 0 ? std::min(left, inkLeft) : left;
    const double y0 = te.height > 0 ? std::min(top, inkTop) : top;
    const double x1 = std::max(left + std::ceil(te.x_advance), te.width > 0 ? inkRight : left);
    const double y1 = std::max(baseline + std::ceil(fe.descent), te.height > 0 ? inkBottom : top);
    BeginCairo();
    FillRect(x0, y0, x1, y1, textBackground);
    cairo_set_scaled_font(cr, font);
    SetSource(cr, fontColor);
    cairo_show_glyphs(cr, glyphs, count);
    cairo_glyph_free(glyphs);
    Changed();
  }

  void Freeze() {
    if (Building()) return;
    BeginCairo();
    frozen = CopyOf(live, spare);
    spare = nullptr;
  }

  // Ending a picture that was never begun shows nothing new: an idle loop that repeats
  // GFX_WINDOW_SHOW_PICTURE must not make the window present the same picture again.
  void Unfreeze() {
    if (frozen == nullptr) return;
    if (spare != nullptr) cairo_surface_destroy(spare);
    spare = frozen;
    frozen = nullptr;
    ++generation;
  }
};

Canvas::Canvas() : impl_(std::make_unique<Impl>()) {}
Canvas::~Canvas() = default;

void Canvas::Resize(int width, int height) { impl_->Recreate(width, height); }
int Canvas::Width() const { return impl_->width; }
int Canvas::Height() const { return impl_->height; }

Color Canvas::ShownPixel(int x, int y) const {
  MOID_EXPECT(x >= 0 && y >= 0 && x < impl_->width && y < impl_->height,
              "a pixel inside the area");
  if (x < 0 || y < 0 || x >= impl_->width || y >= impl_->height) return 0;
  const auto* row = reinterpret_cast<const unsigned char*>(ShownData()) +
                    static_cast<std::ptrdiff_t>(y) * ShownStride();
  return ColorOf(reinterpret_cast<const std::uint32_t*>(row)[x]);
}

const std::uint32_t* Canvas::ShownData() const {
  return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(impl_->Shown()));
}

int Canvas::ShownStride() const { return cairo_image_surface_get_stride(impl_->Shown()); }
std::uint64_t Canvas::ShownGeneration() const { return impl_->generation; }

void Canvas::SetPointer(int x, int y) {
  impl_->pointerX = x;
  impl_->pointerY = y;
}

void Canvas::GfxWindow(int mode) {
  if (mode == GFX_WINDOW_BEGIN_PICTURE) impl_->Freeze();
  if (mode == GFX_WINDOW_SHOW_PICTURE) impl_->Unfreeze();
}

void Canvas::GfxOption(int, int) {}
void Canvas::GfxCLS() { impl_->Clear(); }
void Canvas::GfxRefresh(int) {}
void Canvas::PenColor(Color c) { impl_->pen = c & 0xFFFFFFu; }
void Canvas::BrushColor(Color c) { impl_->brush = c & 0xFFFFFFu; }
void Canvas::PenStyle(int style) { impl_->penStyle = style; }
void Canvas::GfxBkgdMode(int) {}
void Canvas::GfxBkgdColor(Color c) { impl_->textBackground = c & 0xFFFFFFu; }

void Canvas::DrawFrom(int x, int y) {
  impl_->curX = x;
  impl_->curY = y;
}

void Canvas::DrawTo(int x, int y) { DrawLine(impl_->curX, impl_->curY, x, y); }

void Canvas::DrawLine(int x1, int y1, int x2, int y2) {
  impl_->Line(x1, y1, x2, y2);
  impl_->curX = x2;
  impl_->curY = y2;
}

void Canvas::DrawSegment(double x1, double y1, double x2, double y2) {
  impl_->Line(x1, y1, x2, y2);
}

void Canvas::DrawCircle(int radius) { impl_->Disc(radius); }

void Canvas::DrawPixel(int x, int y, Color c) {
  impl_->PutPixel(x, y, c);
  impl_->Changed();
}

void Canvas::DrawTextRow(const std::string& text, int) { impl_->DrawText(text); }

void Canvas::GfxFont(const std::string& face, int, int size, int, int, int, double) {
  impl_->fontFace = face;
  impl_->fontSize = size;
  // Match the font now, not at the first text.
  impl_->fonts.Get(face, size, FontSizing::LineHeight);
}

void Canvas::GfxFontColor(Color c) { impl_->fontColor = c & 0xFFFFFFu; }
int Canvas::MouseOverX() { return impl_->pointerX; }
int Canvas::MouseOverY() { return impl_->pointerY; }

bool Canvas::SaveGfxWindow(const std::string& fileName) {
  if (impl_->width <= 0 || impl_->height <= 0) return false;
  // The program names its pictures itself: a link or device planted under that name in a
  // shared folder must not redirect them.
  return process::WriteOutputFile(
             fileName, EncodeBmp24(ShownData(), impl_->width, impl_->height, ShownStride()),
             process::PathChooser::Program)
      .empty();
}

}  // namespace moid

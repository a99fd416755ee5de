#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/GraphicsToolkit.h"

namespace moid {

// The one implementation of drawing, on a cairo ARGB32 image surface. It keeps the picture
// being built and the picture shown: between GFX_WINDOW_BEGIN_PICTURE and
// GFX_WINDOW_SHOW_PICTURE drawing is not shown; otherwise every drawing call shows at once. Backends wrap it (headless logs the
// calls, SDL presents the shown picture).
class Canvas final : public GraphicsToolkit {
 public:
  Canvas();
  ~Canvas() override;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Makes the area width x height pixels, white, both pictures; keeps pen, brush and font.
  void Resize(int width, int height);
  int Width() const;
  int Height() const;

  // The picture shown, as 0x00BBGGRR; (x, y) must lie inside the area.
  Color ShownPixel(int x, int y) const;
  // Row-major 0xAARRGGBB pixels of the shown picture (cairo's native ARGB32), stride in bytes.
  const std::uint32_t* ShownData() const;
  int ShownStride() const;
  // Grows by one whenever the shown picture may have changed (for presenting only on change).
  std::uint64_t ShownGeneration() const;

  // A line in double precision, for callers whose points may lie far off or be not finite
  // (such a segment is dropped); pen color and style as DrawLine; the current position
  // is left alone.
  void DrawSegment(double x1, double y1, double x2, double y2);

  // Where MouseOverX/MouseOverY report the pointer (set by the backend).
  void SetPointer(int x, int y);

  void GfxWindow(int mode) override;
  void GfxOption(int option, int value) override;
  void GfxCLS() override;
  void GfxRefresh(int mode) override;
  void PenColor(Color c) override;
  void BrushColor(Color c) override;
  void PenStyle(int style) override;
  void GfxBkgdMode(int mode) override;
  void GfxBkgdColor(Color c) override;
  void DrawFrom(int x, int y) override;
  void DrawTo(int x, int y) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void DrawCircle(int radius) override;
  void DrawPixel(int x, int y, Color c) override;
  void DrawTextRow(const std::string& text, int mode) override;
  void GfxFont(const std::string& face, int a, int size, int c, int d, int e, double f) override;
  void GfxFontColor(Color c) override;
  int MouseOverX() override;
  int MouseOverY() override;
  bool SaveGfxWindow(const std::string& fileName) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace moid

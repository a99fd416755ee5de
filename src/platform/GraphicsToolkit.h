#pragma once
#include <string>

#include "platform/Colour.h"

namespace moid {

// The graphics area: what is drawn between GfxWindow(2) and GfxWindow(3) is shown at 3.
// Texts are Windows-1252 bytes ("\xB0" is the degree sign).
class GraphicsToolkit {
 public:
  virtual ~GraphicsToolkit() = default;

  virtual void GfxWindow(int mode) = 0;
  virtual void GfxOption(int option, int value) = 0;
  virtual void GfxCLS() = 0;  // fills the area with the brush colour
  virtual void GfxRefresh(int mode) = 0;
  virtual void PenColor(Colour c) = 0;
  virtual void BrushColor(Colour c) = 0;
  virtual void PenStyle(int style) = 0;  // 0 solid, 2 dashed
  virtual void GfxBkgdMode(int mode) = 0;
  virtual void GfxBkgdColor(Colour c) = 0;
  virtual void DrawFrom(int x, int y) = 0;
  virtual void DrawTo(int x, int y) = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;  // (x2, y2) becomes current
  virtual void DrawCircle(int radius) = 0;  // disc at the current position
  virtual void DrawPixel(int x, int y, Colour c) = 0;
  virtual void DrawTextRow(const std::string& text, int mode) = 0;
  // `size` is the height of a text line (ascent + descent) in pixels, not the em.
  virtual void GfxFont(const std::string& face, int a, int size, int c, int d, int e,
                       double f) = 0;
  virtual void GfxFontColor(Colour c) = 0;
  virtual int MouseOverX() = 0;
  virtual int MouseOverY() = 0;
  // Writes the shown picture as a 24-bit BMP; false when it could not be written
  // (the previous file is then left as it was).
  virtual bool SaveGfxWindow(const std::string& fileName) = 0;
};

}  // namespace moid

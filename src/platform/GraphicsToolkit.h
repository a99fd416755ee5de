#pragma once
#include <string>

#include "platform/Color.h"

namespace moid {

// GfxWindow modes, named for when the screens pass them.
constexpr int GFX_WINDOW_CONSOLE = 1;        // after ConsoleGfx for the width list, in the
                                             // fit loop and at exit: the console is shown
constexpr int GFX_WINDOW_GRAPHICS = 5;       // the area is prepared: the graphics are shown
constexpr int GFX_WINDOW_BEGIN_PICTURE = 2;  // a picture is built; the last one stays shown
constexpr int GFX_WINDOW_MAP_CLEARED = 99;   // the map's area was cleared (changes nothing)
constexpr int GFX_WINDOW_SHOW_PICTURE = 3;   // the picture is complete: show it

// PenStyle styles.
constexpr int PEN_SOLID = 0;
constexpr int PEN_DASHED = 2;  // the orbit view's grid

// The graphics area: what is drawn between GFX_WINDOW_BEGIN_PICTURE and
// GFX_WINDOW_SHOW_PICTURE is shown at the latter.
// Texts are Windows-1252 bytes ("\xB0" is the degree sign).
class GraphicsToolkit {
 public:
  virtual ~GraphicsToolkit() = default;

  virtual void GfxWindow(int mode) = 0;
  virtual void GfxOption(int option, int value) = 0;
  virtual void GfxCLS() = 0;  // fills the area with the brush color
  virtual void GfxRefresh(int mode) = 0;
  virtual void PenColor(Color c) = 0;
  virtual void BrushColor(Color c) = 0;
  virtual void PenStyle(int style) = 0;  // PEN_SOLID or PEN_DASHED
  virtual void GfxBkgdMode(int mode) = 0;
  virtual void GfxBkgdColor(Color c) = 0;
  virtual void DrawFrom(int x, int y) = 0;
  virtual void DrawTo(int x, int y) = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;  // (x2, y2) becomes current
  virtual void DrawCircle(int radius) = 0;  // disc at the current position
  virtual void DrawPixel(int x, int y, Color c) = 0;
  virtual void DrawTextRow(const std::string& text, int mode) = 0;
  // `size` is the height of a text line (ascent + descent) in pixels, not the em.
  virtual void GfxFont(const std::string& face, int a, int size, int c, int d, int e,
                       double f) = 0;
  virtual void GfxFontColor(Color c) = 0;
  virtual int MouseOverX() = 0;
  virtual int MouseOverY() = 0;
  // Writes the shown picture as a 24-bit BMP; false when it could not be written
  // (the previous file is then left as it was).
  virtual bool SaveGfxWindow(const std::string& fileName) = 0;
};

}  // namespace moid

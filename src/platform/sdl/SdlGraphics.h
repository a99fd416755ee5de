#pragma once
#include <cstdint>

#include "platform/Canvas.h"
#include "platform/GraphicsToolkit.h"

namespace moid::sdl {

// What the graphics toolkit tells the window about.
class GraphicsHost {
 public:
  virtual ~GraphicsHost() = default;
  // After the canvas took the mode.
  virtual void OnGfxWindow(int mode) = 0;
  virtual void OnRefresh() = 0;            // an idle pass: show what changed
  virtual void BeforePointerRead() = 0;    // bring the pointer position up to date
};

// The graphics toolkit of the window: every call goes to the canvas, which draws; the
// host shows the canvas's picture when a picture is complete (GfxWindow 3) and on refresh.
class SdlGraphics final : public GraphicsToolkit {
 public:
  SdlGraphics(Canvas& canvas, GraphicsHost& host) : canvas_(canvas), host_(host) {}

  void GfxWindow(int mode) override;
  void GfxOption(int option, int value) override { canvas_.GfxOption(option, value); }
  void GfxCLS() override { canvas_.GfxCLS(); }
  void GfxRefresh(int mode) override;
  void PenColor(Color c) override { canvas_.PenColor(c); }
  void BrushColor(Color c) override { canvas_.BrushColor(c); }
  void PenStyle(int style) override { canvas_.PenStyle(style); }
  void GfxBkgdMode(int mode) override { canvas_.GfxBkgdMode(mode); }
  void GfxBkgdColor(Color c) override { canvas_.GfxBkgdColor(c); }
  void DrawFrom(int x, int y) override { canvas_.DrawFrom(x, y); }
  void DrawTo(int x, int y) override { canvas_.DrawTo(x, y); }
  void DrawLine(int x1, int y1, int x2, int y2) override { canvas_.DrawLine(x1, y1, x2, y2); }
  void DrawCircle(int radius) override { canvas_.DrawCircle(radius); }
  void DrawPixel(int x, int y, Color c) override { canvas_.DrawPixel(x, y, c); }
  void DrawTextRow(const std::string& text, int mode) override { canvas_.DrawTextRow(text, mode); }
  void GfxFont(const std::string& face, int a, int size, int c, int d, int e,
               double f) override {
    canvas_.GfxFont(face, a, size, c, d, e, f);
  }
  void GfxFontColor(Color c) override { canvas_.GfxFontColor(c); }
  int MouseOverX() override;
  int MouseOverY() override { return canvas_.MouseOverY(); }
  bool SaveGfxWindow(const std::string& fileName) override {
    return canvas_.SaveGfxWindow(fileName);
  }

 private:
  Canvas& canvas_;
  GraphicsHost& host_;
};

}  // namespace moid::sdl

#pragma once
#include <string>

#include "platform/GraphicsToolkit.h"

namespace moid {

// A graphics toolkit that passes every call on to another: the base of toolkits that
// watch or change a few calls and leave the rest alone.
class ForwardingGraphics : public GraphicsToolkit {
 public:
  explicit ForwardingGraphics(GraphicsToolkit& inner) : inner_(inner) {}

  void GfxWindow(int mode) override { inner_.GfxWindow(mode); }
  void GfxOption(int option, int value) override { inner_.GfxOption(option, value); }
  void GfxCLS() override { inner_.GfxCLS(); }
  void GfxRefresh(int mode) override { inner_.GfxRefresh(mode); }
  void PenColor(Color c) override { inner_.PenColor(c); }
  void BrushColor(Color c) override { inner_.BrushColor(c); }
  void PenStyle(int style) override { inner_.PenStyle(style); }
  void GfxBkgdMode(int mode) override { inner_.GfxBkgdMode(mode); }
  void GfxBkgdColor(Color c) override { inner_.GfxBkgdColor(c); }
  void DrawFrom(int x, int y) override { inner_.DrawFrom(x, y); }
  void DrawTo(int x, int y) override { inner_.DrawTo(x, y); }
  void DrawLine(int x1, int y1, int x2, int y2) override { inner_.DrawLine(x1, y1, x2, y2); }
  void DrawCircle(int radius) override { inner_.DrawCircle(radius); }
  void DrawPixel(int x, int y, Color c) override { inner_.DrawPixel(x, y, c); }
  void DrawTextRow(const std::string& text, int mode) override { inner_.DrawTextRow(text, mode); }
  void GfxFont(const std::string& face, int a, int size, int c, int d, int e, double f) override {
    inner_.GfxFont(face, a, size, c, d, e, f);
  }
  void GfxFontColor(Color c) override { inner_.GfxFontColor(c); }
  int MouseOverX() override { return inner_.MouseOverX(); }
  int MouseOverY() override { return inner_.MouseOverY(); }
  bool SaveGfxWindow(const std::string& fileName) override {
    return inner_.SaveGfxWindow(fileName);
  }

 protected:
  GraphicsToolkit& Inner() { return inner_; }

 private:
  GraphicsToolkit& inner_;
};

}  // namespace moid

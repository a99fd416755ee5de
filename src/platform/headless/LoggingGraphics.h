#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/GraphicsToolkit.h"

namespace moid::headless {

// A GraphicsToolkit that records each call in a log and passes it on to a Canvas.
// Entries read "Name(arg,arg)": integers and colors in decimal, texts in double quotes
// as given, the last GfxFont argument as a stream prints it ("0"). DrawPixel is only
// counted, since a map draws a million of them.
class LoggingGraphics final : public GraphicsToolkit {
 public:
  LoggingGraphics(Canvas& canvas, std::vector<std::string>& log);

  std::int64_t PixelCount() const { return pixelCount_; }

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
  Canvas& canvas_;
  std::vector<std::string>& log_;
  std::int64_t pixelCount_ = 0;
};

}  // namespace moid::headless

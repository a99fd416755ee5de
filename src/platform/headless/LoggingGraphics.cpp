#include "platform/headless/LoggingGraphics.h"

#include "platform/headless/CallFormat.h"

namespace moid::headless {

LoggingGraphics::LoggingGraphics(Canvas& canvas, std::vector<std::string>& log)
    : canvas_(canvas), log_(log) {}

void LoggingGraphics::GfxWindow(int mode) {
  log_.push_back(FormatCall("GfxWindow", mode));
  canvas_.GfxWindow(mode);
}

void LoggingGraphics::GfxOption(int option, int value) {
  log_.push_back(FormatCall("GfxOption", option, value));
  canvas_.GfxOption(option, value);
}

void LoggingGraphics::GfxCLS() {
  log_.push_back(FormatCall("GfxCLS"));
  canvas_.GfxCLS();
}

void LoggingGraphics::GfxRefresh(int mode) {
  log_.push_back(FormatCall("GfxRefresh", mode));
  canvas_.GfxRefresh(mode);
}

void LoggingGraphics::PenColor(Color c) {
  log_.push_back(FormatCall("PenColor", c));
  canvas_.PenColor(c);
}

void LoggingGraphics::BrushColor(Color c) {
  log_.push_back(FormatCall("BrushColor", c));
  canvas_.BrushColor(c);
}

void LoggingGraphics::PenStyle(int style) {
  log_.push_back(FormatCall("PenStyle", style));
  canvas_.PenStyle(style);
}

void LoggingGraphics::GfxBkgdMode(int mode) {
  log_.push_back(FormatCall("GfxBkgdMode", mode));
  canvas_.GfxBkgdMode(mode);
}

void LoggingGraphics::GfxBkgdColor(Color c) {
  log_.push_back(FormatCall("GfxBkgdColor", c));
  canvas_.GfxBkgdColor(c);
}

void LoggingGraphics::DrawFrom(int x, int y) {
  log_.push_back(FormatCall("DrawFrom", x, y));
  canvas_.DrawFrom(x, y);
}

void LoggingGraphics::DrawTo(int x, int y) {
  log_.push_back(FormatCall("DrawTo", x, y));
  canvas_.DrawTo(x, y);
}

void LoggingGraphics::DrawLine(int x1, int y1, int x2, int y2) {
  log_.push_back(FormatCall("DrawLine", x1, y1, x2, y2));
  canvas_.DrawLine(x1, y1, x2, y2);
}

void LoggingGraphics::DrawCircle(int radius) {
  log_.push_back(FormatCall("DrawCircle", radius));
  canvas_.DrawCircle(radius);
}

void LoggingGraphics::DrawPixel(int x, int y, Color c) {
  ++pixelCount_;
  canvas_.DrawPixel(x, y, c);
}

void LoggingGraphics::DrawTextRow(const std::string& text, int mode) {
  log_.push_back(FormatCall("DrawTextRow", Quoted{text}, mode));
  canvas_.DrawTextRow(text, mode);
}

void LoggingGraphics::GfxFont(const std::string& face, int a, int size, int c, int d, int e,
                              double f) {
  log_.push_back(FormatCall("GfxFont", Quoted{face}, a, size, c, d, e, f));
  canvas_.GfxFont(face, a, size, c, d, e, f);
}

void LoggingGraphics::GfxFontColor(Color c) {
  log_.push_back(FormatCall("GfxFontColor", c));
  canvas_.GfxFontColor(c);
}

int LoggingGraphics::MouseOverX() {
  log_.push_back(FormatCall("MouseOverX"));
  return canvas_.MouseOverX();
}

int LoggingGraphics::MouseOverY() {
  log_.push_back(FormatCall("MouseOverY"));
  return canvas_.MouseOverY();
}

bool LoggingGraphics::SaveGfxWindow(const std::string& fileName) {
  log_.push_back(FormatCall("SaveGfxWindow", Quoted{fileName}));
  return canvas_.SaveGfxWindow(fileName);
}

}  // namespace moid::headless

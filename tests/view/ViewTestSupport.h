#pragma once
// Helpers of the orbit view tests: sessions built from simple orbits, a graphics toolkit that
// records its calls, and a console that plays a list of keys.
#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "orbit/MoidSearch.h"
#include "orbit/OrbitModel.h"
#include "platform/ConsoleToolkit.h"
#include "platform/GraphicsToolkit.h"
#include "platform/Platform.h"
#include "view/OrbitView.h"
#include "view/Session.h"

namespace moid::viewtest {

// One recorded toolkit call: its name, integer arguments and text argument.
struct Call {
  std::string name;
  std::vector<long long> args;
  std::string text;
  bool Is(const std::string& n, std::vector<long long> a) const { return name == n && args == a; }
};

class RecordingGraphics final : public GraphicsToolkit {
 public:
  std::vector<Call> calls;

  void GfxWindow(int mode) override { Add("GfxWindow", {mode}); }
  void GfxOption(int option, int value) override { Add("GfxOption", {option, value}); }
  void GfxCLS() override { Add("GfxCLS", {}); }
  void GfxRefresh(int mode) override { Add("GfxRefresh", {mode}); }
  void PenColor(Color c) override { Add("PenColor", {c}); }
  void BrushColor(Color c) override { Add("BrushColor", {c}); }
  void PenStyle(int style) override { Add("PenStyle", {style}); }
  void GfxBkgdMode(int mode) override { Add("GfxBkgdMode", {mode}); }
  void GfxBkgdColor(Color c) override { Add("GfxBkgdColor", {c}); }
  void DrawFrom(int x, int y) override { Add("DrawFrom", {x, y}); }
  void DrawTo(int x, int y) override { Add("DrawTo", {x, y}); }
  void DrawLine(int x1, int y1, int x2, int y2) override { Add("DrawLine", {x1, y1, x2, y2}); }
  void DrawCircle(int radius) override { Add("DrawCircle", {radius}); }
  void DrawPixel(int x, int y, Color c) override { Add("DrawPixel", {x, y, c}); }
  void DrawTextRow(const std::string& text, int mode) override { Add("DrawTextRow", {mode}, text); }
  void GfxFont(const std::string& face, int a, int size, int c, int d, int e, double f) override {
    Add("GfxFont", {a, size, c, d, e, static_cast<long long>(f)}, face);
  }
  void GfxFontColor(Color c) override { Add("GfxFontColor", {c}); }
  int MouseOverX() override { return 0; }
  int MouseOverY() override { return 0; }
  bool SaveGfxWindow(const std::string& fileName) override {
    Add("SaveGfxWindow", {}, fileName);
    return true;
  }

  std::vector<Call> Named(const std::string& name) const {
    std::vector<Call> out;
    for (const Call& c : calls)
      if (c.name == name) out.push_back(c);
    return out;
  }
  int Count(const std::string& name) const { return static_cast<int>(Named(name).size()); }

 private:
  void Add(std::string name, std::vector<long long> args, std::string text = {}) {
    calls.push_back({std::move(name), std::move(args), std::move(text)});
  }
};

// Plays keys in order; "" entries are polls without a key. When the list is used up the
// console reports that the user has quit.
class KeyScriptConsole final : public ConsoleToolkit {
 public:
  std::deque<std::string> keys;
  std::vector<std::string> messageBoxes;  // "title|text"
  int sleeps = 0;
  int mouseOnCalls = 0;
  int reads = 0;

  int InitConsoleTools(int, int, int, int, std::int32_t&, int) override { return 0; }
  void ConsoleWindow(int) override {}
  void ConsoleGfx(int, int, int, int) override {}
  void ConsoleNormal() override {}
  int ConsoleMetrics(int) override { return 8; }
  int ConsoleInfo(int) override { return 2000; }
  std::string ConsoleListBox(int, int, int, const std::string&, const std::string&,
                             const std::vector<std::string>&, int, int, int,
                             int* chosenRow) override {
    if (chosenRow != nullptr) *chosenRow = -1;
    return "";
  }
  void PresetListSelection(int) override {}
  void ConsoleMessageBox(const std::string& text, int, const std::string& title, int,
                         int) override {
    messageBoxes.push_back(title + "|" + text);
  }
  void SetConsoleSize(int, int) override {}
  void SetTextCursorVisible(bool) override {}
  void ClearText() override {}
  void WriteLine(const std::string&) override {}
  std::string ReadKey() override {
    ++reads;
    if (keys.empty()) {
      quit_ = true;
      return "";
    }
    std::string k = keys.front();
    keys.pop_front();
    return k;
  }
  void WaitForKey() override { ReadKey(); }
  void DiscardInput() override {}
  void SetMouseInput(bool on) override { mouseOnCalls += on ? 1 : 0; }
  void Sleep(int) override { ++sleeps; }
  bool QuitRequested() const override { return quit_; }
  int RefreshRate() override { return 60; }
  // Every scripted read stands for a second of the user's time, so an animation frame is
  // always due: these scripts see one frame per empty poll.
  std::int64_t ClockMicros() override { return reads * 1000000LL; }
  void SetWindowTitle(const std::string& utf8) override { titles.push_back(utf8); }
  std::vector<std::string> titles;
  void WriteErrorLine(const std::string&) override {}

 private:
  bool quit_ = false;
};

// The elements of an orbit (angles in degrees).
inline ElementRecord Elements(double e, double a, double incl, double peri, double node,
                              double meanAnomaly, const std::string& name) {
  ElementRecord r;
  r.eccentricity = e;
  r.semiMajorAxis = a;
  r.inclination = incl;
  r.perihelionArgument = peri;
  r.ascendingNode = node;
  r.meanAnomaly = meanAnomaly;
  r.name = name;
  return r;
}

constexpr double TEST_EPOCH = 2460000.5;  // 2023 February 25, midnight

// A session for width W: the Earth on the unit circle in the ecliptic, the asteroid on a
// circle of radius 2 (inclined by `inclination` degrees, node and perihelion at 0), both
// starting at longitude 0; tables, grid and MOID filled as after a choice of body.
inline std::unique_ptr<Session> CircleSession(int W, double inclination = 0) {
  auto s = std::make_unique<Session>();
  s->Resize(W);
  s->ballSpacing = W / 36;
  s->epoch = TEST_EPOCH;
  s->referenceName = "Earth";
  s->bodyLabel = "Circle";
  s->earth = PrepareEarthGeometry(Elements(0, 1, 0, 0, 0, 0, "Earth"));
  s->asteroid = PrepareAsteroidGeometry(Elements(0, 2, inclination, 0, 0, 0, "Circle"));
  BuildOrbitTables(s->earth, s->asteroid, W, s->earthTable, s->asteroidTable);
  s->moid = FindMoid(s->earthTable, s->asteroidTable, s->earth, s->asteroid, W, s->grid);
  ResetView(s->view);
  return s;
}

// A test rig: recorded graphics and scripted keys, bundled as the screens want them.
struct Rig {
  RecordingGraphics graphics;
  KeyScriptConsole console;
  Platform Get() { return Platform{console, graphics}; }
};

// The texts drawn, in order.
inline std::vector<std::string> TextsDrawn(const RecordingGraphics& g) {
  std::vector<std::string> out;
  for (const Call& c : g.calls)
    if (c.name == "DrawTextRow") out.push_back(c.text);
  return out;
}

// Position (from the last DrawFrom/DrawLine end) and pen color of every DrawCircle.
struct Ball {
  long long x, y, radius;
  long long color;
};
inline std::vector<Ball> BallsDrawn(const RecordingGraphics& g) {
  std::vector<Ball> out;
  long long x = 0, y = 0, pen = 0;
  for (const Call& c : g.calls) {
    if (c.name == "DrawFrom") { x = c.args[0]; y = c.args[1]; }
    if (c.name == "DrawLine") { x = c.args[2]; y = c.args[3]; }
    if (c.name == "PenColor") pen = c.args[0];
    if (c.name == "DrawCircle") out.push_back({x, y, c.args[0], pen});
  }
  return out;
}

}  // namespace moid::viewtest

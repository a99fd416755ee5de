#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "distmap/MapScreen.h"
#include "MapTestSupport.h"

namespace moid {
namespace {

constexpr int W = 432;

std::string Call(const std::string& name, std::initializer_list<int> args) {
  std::string s = name + "(";
  bool first = true;
  for (int a : args) {
    if (!first) s += ",";
    s += std::to_string(a);
    first = false;
  }
  return s + ")";
}

std::string TextCall(const std::string& text) { return "DrawTextRow(\"" + text + "\",0)"; }

class MapDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    maptest::SizeScreenForMap(hp, W);
    fixture = maptest::MakeMapFixture(W);
  }
  void Draw() {
    Platform p = hp.AsPlatform();
    DrawDistanceMap(p, fixture.session, fixture.colors);
  }
  Color Shown(int x, int y) { return hp.GetCanvas().ShownPixel(x, y); }
  const std::vector<std::string>& Log() const { return hp.CallLog(); }
  size_t IndexOf(const std::string& call, size_t from = 0) const {
    const auto& log = hp.CallLog();
    const auto it = std::find(log.begin() + static_cast<long>(from), log.end(), call);
    return static_cast<size_t>(it - log.begin());
  }

  maptest::ScratchDirectory dir{"drawing"};
  headless::HeadlessPlatform hp;
  maptest::MapFixture fixture;
};

// The pixels of the frame and of the two crosses, which the cells lie under.
std::set<std::pair<int, int>> CoveredCells(const Session& s) {
  std::set<std::pair<int, int>> covered;
  for (int i = 0; i < W; ++i) {
    covered.insert({0, i});      // left side on column 0
    covered.insert({i, W - 1});  // top side on the top row
  }
  auto cross = [&](int j, int k) {
    for (int d = -3; d <= 4; ++d) {
      covered.insert({j + d, k});
      covered.insert({j, k - d});
    }
  };
  cross(s.moid.gridMinEarthIndex, s.moid.gridMinAsteroidIndex);
  cross(s.grid.gridMaxEarthIndex, s.grid.gridMaxAsteroidIndex);
  return covered;
}

TEST_F(MapDrawing, EveryCellShowsItsColorWhereNothingCoversIt) {
  fixture.session.bodyLabel = "Eros";  // narrow enough to stay in the left margin
  Draw();
  const auto covered = CoveredCells(fixture.session);
  int checked = 0, wrong = 0;
  for (int j = 0; j < W; ++j) {
    for (int k = 0; k < W; ++k) {
      if (covered.count({j, k})) continue;
      ++checked;
      if (Shown(34 + j, W + 26 - k) != maptest::CellColor(j, k) && ++wrong <= 5) {
        ADD_FAILURE() << "cell (" << j << ", " << k << ") shows " << std::hex
                      << Shown(34 + j, W + 26 - k);
      }
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(checked, W * W - 2 * W - 40);
  EXPECT_EQ(hp.PixelCount(), static_cast<std::int64_t>(W) * W);
}

TEST_F(MapDrawing, CellsComeFromTheColorGridOnly) {
  // Distances that would color quite differently must not change a single pixel.
  for (double& d : fixture.session.grid.cells) d = 1000.0 - d;
  Draw();
  EXPECT_EQ(Shown(34 + 5, W + 26 - 7), maptest::CellColor(5, 7));
  EXPECT_EQ(Shown(34 + 431, W + 26 - 0), maptest::CellColor(431, 0));
  EXPECT_EQ(Shown(34 + 200, W + 26 - 430), maptest::CellColor(200, 430));
}

TEST_F(MapDrawing, AColorGridOfAnotherWidthIsNotDrawn) {
  fixture.colors.Resize(72);  // left over from another width: reading it would overrun
  Draw();
  EXPECT_EQ(hp.PixelCount(), 0);
  EXPECT_EQ(Shown(34 + 100, W + 26 - 100), WHITE);
  EXPECT_EQ(Shown(34, 27), BLACK);  // the rest of the map is drawn as usual
  EXPECT_EQ(Log().back(), "SaveGfxWindow(\"Orbdis.bmp\")");
}

TEST_F(MapDrawing, FrameCornersAndSides) {
  Draw();
  for (auto [x, y] : {std::pair{34, 27}, {34 + W, 27}, {34 + W, 27 + W}, {34, 27 + W}}) {
    EXPECT_EQ(Shown(x, y), BLACK) << x << "," << y;
  }
  // Sides halfway along, away from any tick.
  EXPECT_EQ(Shown(34 + 201, 27), BLACK);
  EXPECT_EQ(Shown(34 + 201, 27 + W), BLACK);
  EXPECT_EQ(Shown(34, 27 + 203), BLACK);
  EXPECT_EQ(Shown(34 + W, 27 + 203), BLACK);
  // Just outside the frame, between ticks: paper.
  EXPECT_EQ(Shown(34 + 203, 26), WHITE);
  EXPECT_EQ(Shown(34 + 203, 28 + W), WHITE);
  EXPECT_EQ(Shown(33, 27 + 203), WHITE);
  EXPECT_EQ(Shown(35 + W, 27 + 203), WHITE);
  // The cell just inside the bottom-right corner is a cell, not frame.
  EXPECT_EQ(Shown(34 + W - 1, 26 + W), maptest::CellColor(W - 1, 0));
}

TEST_F(MapDrawing, FrameIsOneLineAndThreeDrawTos) {
  Draw();
  const size_t at = IndexOf(Call("DrawLine", {34, 27, 466, 27}));
  ASSERT_LT(at + 3, Log().size());
  EXPECT_EQ(Log()[at + 1], Call("DrawTo", {466, 459}));
  EXPECT_EQ(Log()[at + 2], Call("DrawTo", {34, 459}));
  EXPECT_EQ(Log()[at + 3], Call("DrawTo", {34, 27}));
}

// The 146 tick lines of W = 432 in their drawing order, worked out by hand: long ticks
// every 36 pixels, short ones every 6.
std::vector<std::string> ExpectedTicks() {
  std::vector<std::string> t;
  for (int x = 34; x <= 466; x += 36) t.push_back(Call("DrawLine", {x, 26, x, 18}));
  for (int x = 34; x <= 466; x += 6) t.push_back(Call("DrawLine", {x, 26, x, 22}));
  for (int x = 34; x <= 466; x += 36) t.push_back(Call("DrawLine", {x, 460, x, 469}));
  for (int x = 34; x <= 466; x += 6) t.push_back(Call("DrawLine", {x, 460, x, 464}));
  for (int y = 27; y <= 459; y += 36) t.push_back(Call("DrawLine", {34, y, 25, y}));
  for (int y = 27; y <= 459; y += 6) t.push_back(Call("DrawLine", {34, y, 29, y}));
  for (int y = 27; y <= 459; y += 36) t.push_back(Call("DrawLine", {466, y, 475, y}));
  for (int y = 27; y <= 459; y += 6) t.push_back(Call("DrawLine", {466, y, 471, y}));
  return t;
}

TEST_F(MapDrawing, TheEightTickLoopsInOrderForW432) {
  Draw();
  const auto expected = ExpectedTicks();
  ASSERT_EQ(expected.size(), 4u * (13 + 73));
  const size_t frameEnd = IndexOf(Call("DrawTo", {34, 27}));
  ASSERT_LT(frameEnd + expected.size(), Log().size());
  for (size_t i = 0; i < expected.size(); ++i) {
    ASSERT_EQ(Log()[frameEnd + 1 + i], expected[i]) << "tick " << i;
  }
}

TEST_F(MapDrawing, TickPixelsForW432) {
  Draw();
  // Top: long tick at 30 degrees (x = 70), short at 5 degrees (x = 40), none at x = 43.
  EXPECT_EQ(Shown(70, 24), BLACK);
  EXPECT_EQ(Shown(40, 24), BLACK);
  EXPECT_EQ(Shown(43, 24), WHITE);
  // Bottom: long at x = 106 down to W + 37, short at x = 46 down to W + 32.
  EXPECT_EQ(Shown(106, W + 35), BLACK);
  EXPECT_EQ(Shown(46, W + 30), BLACK);
  EXPECT_EQ(Shown(46, W + 35), WHITE);
  EXPECT_EQ(Shown(49, W + 30), WHITE);
  // Left (clear of the scale labels): long at y = 63 out to x = 25, short at y = 45 to x = 29.
  EXPECT_EQ(Shown(27, 63), BLACK);
  EXPECT_EQ(Shown(31, 45), BLACK);
  EXPECT_EQ(Shown(27, 45), WHITE);
  EXPECT_EQ(Shown(31, 48), WHITE);
  // Right: long at y = 99 out to x = W + 43, short at y = 105 out to x = W + 39.
  EXPECT_EQ(Shown(W + 41, 99), BLACK);
  EXPECT_EQ(Shown(W + 37, 105), BLACK);
  EXPECT_EQ(Shown(W + 41, 105), WHITE);
  EXPECT_EQ(Shown(W + 37, 102), WHITE);
}

TEST_F(MapDrawing, ScaleLabelsAndAxisNames) {
  Draw();
  const char* labels[] = {"  0\xB0", " 90\xB0", "180\xB0", "270\xB0", "360\xB0"};
  size_t at = 0;
  for (int n = 0; n <= 4; ++n) {  // along the bottom, left to right
    at = IndexOf(Call("DrawFrom", {23 + n * 108, W + 38}), at);
    ASSERT_LT(at + 1, Log().size()) << n;
    EXPECT_EQ(Log()[at + 1], TextCall(labels[n]));
  }
  for (int n = 0; n <= 4; ++n) {  // along the left side, bottom to top
    at = IndexOf(Call("DrawFrom", {1, W + 19 - n * 108}), at);
    ASSERT_LT(at + 1, Log().size()) << n;
    EXPECT_EQ(Log()[at + 1], TextCall(labels[n]));
  }
  at = IndexOf(Call("DrawFrom", {291, W + 38}), at);
  ASSERT_LT(at + 3, Log().size());
  EXPECT_EQ(Log()[at + 1], TextCall("Earth"));
  EXPECT_EQ(Log()[at + 2], Call("DrawFrom", {1, 183}));
  EXPECT_EQ(Log()[at + 3], TextCall("Gany"));  // the first four characters of the label
}

TEST_F(MapDrawing, LabelsAreInkedWhereTheyWereDrawn) {
  Draw();
  auto inked = [&](int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x)
        if (Shown(x, y) == BLACK) return true;
    return false;
  };
  EXPECT_TRUE(inked(23, W + 38, 50, W + 55));    // "  0" under the bottom scale
  EXPECT_TRUE(inked(291, W + 38, 330, W + 55));  // "Earth"
  EXPECT_TRUE(inked(1, 183, 30, 200));           // "Gany"
  EXPECT_TRUE(inked(W - 1, 3, W + 40, 20));      // "B=Back"
  EXPECT_FALSE(inked(40, W + 58, W + 60, W + 90));  // no readout yet: that is the screen's
}

TEST_F(MapDrawing, ShortBodyLabelIsShownWhole) {
  fixture.session.bodyLabel = "Io";
  Draw();
  const size_t at = IndexOf(Call("DrawFrom", {1, 183}));
  ASSERT_LT(at + 1, Log().size());
  EXPECT_EQ(Log()[at + 1], TextCall("Io"));
}

TEST_F(MapDrawing, CaptionThenBackHintThenCrosses) {
  Draw();
  const size_t caption = IndexOf(Call("DrawFrom", {330, 3}));
  const size_t hint = IndexOf(Call("DrawFrom", {W - 1, 3}));
  ASSERT_LT(caption, hint);
  ASSERT_LT(hint + 1, Log().size());
  EXPECT_EQ(Log()[hint + 1], TextCall("B=Back"));
  // Closest pair (100, 200) at (134, 258) in black; farthest (300, 50) at (334, 408) in red.
  const size_t minCross = IndexOf(Call("DrawLine", {131, 258, 138, 258}), hint);
  ASSERT_LT(minCross + 4, Log().size());
  EXPECT_EQ(Log()[minCross + 1], Call("DrawLine", {134, 255, 134, 262}));
  EXPECT_EQ(Log()[minCross + 2].rfind("PenColor(", 0), 0u);
  EXPECT_EQ(Log()[minCross + 3], Call("DrawLine", {331, 408, 338, 408}));
  EXPECT_EQ(Log()[minCross + 4], Call("DrawLine", {334, 405, 334, 412}));
}

TEST_F(MapDrawing, CrossesSitOnTheClosestAndFarthestCells) {
  Draw();
  const int minX = 34 + 100, minY = W + 26 - 200;
  const int maxX = 34 + 300, maxY = W + 26 - 50;
  for (int d = -3; d <= 4; ++d) {
    EXPECT_EQ(Shown(minX + d, minY), BLACK) << d;
    EXPECT_EQ(Shown(minX, minY + d), BLACK) << d;
    EXPECT_EQ(Shown(maxX + d, maxY), RED) << d;
    EXPECT_EQ(Shown(maxX, maxY + d), RED) << d;
  }
  // The cross is eight pixels: the cells beyond its arms and on its diagonals keep their color.
  EXPECT_EQ(Shown(minX - 4, minY), maptest::CellColor(96, 200));
  EXPECT_EQ(Shown(minX + 5, minY), maptest::CellColor(105, 200));
  EXPECT_EQ(Shown(minX + 1, minY + 1), maptest::CellColor(101, 199));
  EXPECT_EQ(Shown(maxX, maxY - 4), maptest::CellColor(300, 54));
  EXPECT_EQ(Shown(maxX, maxY + 5), maptest::CellColor(300, 45));
}

TEST_F(MapDrawing, NothingShowsBeforeThePictureIsComplete) {
  Draw();
  const size_t begin = IndexOf("GfxWindow(2)");
  const size_t cleared = IndexOf("GfxWindow(99)");
  const size_t shown = IndexOf("GfxWindow(3)");
  const size_t saved = IndexOf("SaveGfxWindow(\"Orbdis.bmp\")");
  ASSERT_LT(shown, Log().size());
  EXPECT_EQ(begin, 0u);
  EXPECT_EQ(Log()[1].rfind("BrushColor(", 0), 0u);
  EXPECT_EQ(Log()[2], "GfxCLS()");
  EXPECT_EQ(cleared, 3u);
  EXPECT_EQ(Log()[4].rfind("PenColor(", 0), 0u);  // the cells leave no trace in the log
  EXPECT_EQ(Log()[5], "PenStyle(0)");
  EXPECT_EQ(saved, shown + 1);
  EXPECT_EQ(saved, Log().size() - 1);
}

TEST_F(MapDrawing, SavedMapMatchesTheShownPicture) {
  Draw();
  const auto img = maptest::BmpImage::Load(dir.Path() / "Orbdis.bmp");
  ASSERT_TRUE(img.Valid());
  EXPECT_EQ(img.width, W + 100);
  EXPECT_EQ(img.height, W + 100);
  EXPECT_EQ(img.Pixel(34 + 5, W + 26 - 7), maptest::CellColor(5, 7));
  EXPECT_EQ(img.Pixel(34 + 300, W + 26 - 50), RED);
  EXPECT_EQ(img.Pixel(34, 27), BLACK);
  EXPECT_EQ(img.Pixel(34 + 203, 26), WHITE);
}

}  // namespace
}  // namespace moid

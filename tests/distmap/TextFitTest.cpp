// The texts of the map screen fit the places the layout gives them, for the bodies of the
// bundled catalogue: pixels of the drawn picture, at every window width.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "MapTestSupport.h"
#include "platform/ForwardingGraphics.h"
#include "app/BodySelection.h"
#include "data/CatalogReader.h"
#include "distmap/MapScreen.h"
#include "orbit/ViewerMoid.h"
#include "platform/Canvas.h"
#include "platform/ForwardingGraphics.h"
#include "view/MoidCaption.h"

namespace moid {
namespace {

using maptest::MakeMapFixture;
using maptest::ScratchDirectory;

constexpr int LONGITUDE_RUN_X = 330;  // where the caption's third run starts
constexpr int MAP_FRAME_X = 34;       // the map's left frame line
// A text color found nowhere else in the test pictures (cell colors have blue >= 0x80).
constexpr Color TAGGED = RgbColor(1, 2, 3);

// Passes every call on to a canvas; texts that `tag` picks are drawn in TAGGED, and texts
// that `keep` refuses are not drawn at all.
class TextTagger final : public ForwardingGraphics {
 public:
  using Pick = std::function<bool(const std::string&)>;
  TextTagger(Canvas& inner, Pick keep, Pick tag)
      : ForwardingGraphics(inner), keep_(std::move(keep)), tag_(std::move(tag)) {}

  void DrawTextRow(const std::string& text, int mode) override {
    if (!keep_(text)) return;
    if (!tag_(text)) {
      Inner().DrawTextRow(text, mode);
      return;
    }
    Inner().GfxFontColor(TAGGED);
    Inner().DrawTextRow(text, mode);
    Inner().GfxFontColor(fontColor_);
  }
  void GfxFontColor(Color c) override {
    fontColor_ = c;
    Inner().GfxFontColor(c);
  }
  bool SaveGfxWindow(const std::string&) override { return true; }

 private:
  Pick keep_, tag_;
  Color fontColor_ = BLACK;
};

bool StartsWith(const std::string& text, const std::string& head) {
  return text.rfind(head, 0) == 0;
}

// The rightmost column holding a pixel of `color` (rows top..bottom), -1 when none does.
// Reads the shown pixels in bulk (0xAARRGGBB rows) for the thousands of pictures here.
int RightmostOf(const Canvas& c, Color color, int top = 0, int bottom = -1) {
  if (bottom < 0 || bottom >= c.Height()) bottom = c.Height() - 1;
  const std::uint32_t argb = 0xFF000000u | ((color & 0xFFu) << 16) | (color & 0xFF00u) |
                             ((color >> 16) & 0xFFu);
  const auto* data = reinterpret_cast<const unsigned char*>(c.ShownData());
  int right = -1;
  for (int y = std::max(top, 0); y <= bottom; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * c.ShownStride());
    for (int x = c.Width() - 1; x > right; --x) {
      if (row[x] == argb) right = x;
    }
  }
  return right;
}

struct CatalogueBody {
  std::string label;
  MoidResult moid;
};

// Every body of the bundled catalogue with its label and MOID, worked out once.
class BundledBodies {
 public:
  static const BundledBodies& Get() {
    static const BundledBodies instance;
    return instance;
  }
  std::string referenceName;
  std::vector<CatalogueBody> bodies;

 private:
  BundledBodies() {
    auto catalog = std::make_unique<BodyCatalog>();
    ReadCatalog(std::string(MOID_SOURCE_DIR) + "/share/ELEMENTS.DAT", *catalog);
    referenceName = catalog->reference.name;
    std::vector<const ElementRecord*> records;
    for (int i = 0; i <= catalog->lastIndex; ++i) {
      records.push_back(&catalog->bodies[static_cast<std::size_t>(i)]);
    }
    // The MOID does not depend on the width (the grid only seeds the search): the smallest
    // width is the quickest.
    const std::vector<ViewerMoid> moids =
        ComputeViewerMoids(catalog->reference, records, 72, 2);
    for (std::size_t i = 0; i < records.size(); ++i) {
      bodies.push_back({BodyLabel(TrimBlanks(records[i]->name)), moids[i].moid});
    }
  }
};

Session CaptionSession(const std::string& referenceName, const CatalogueBody& body) {
  Session s;
  s.referenceName = referenceName;
  s.bodyLabel = body.label;
  s.moid = body.moid;
  return s;
}

TEST(TextFit, TheMoidRunOfEveryNearBodyEndsBeforeTheLongitudeRun) {
  const BundledBodies& all = BundledBodies::Get();
  ASSERT_GT(all.bodies.size(), 5000u);
  Canvas canvas;
  canvas.Resize(480, 24);  // the caption row of the narrowest window
  TextTagger onlyMoid(
      canvas, [](const std::string& t) { return StartsWith(t, "Moid ="); },
      [](const std::string&) { return false; });
  int near = 0;
  int widest = -1;
  std::string widestLabel;
  for (const CatalogueBody& body : all.bodies) {
    if (!(body.moid.moidAu < 0.67)) continue;
    ++near;
    canvas.GfxCLS();
    DrawMoidCaption(onlyMoid, CaptionSession(all.referenceName, body));
    const int right = RightmostOf(canvas, BLACK);
    ASSERT_GT(right, 200) << body.label;  // the run was drawn
    // Two columns of air before the next run.
    EXPECT_LT(right, LONGITUDE_RUN_X - 2) << body.label << " MOID " << body.moid.moidAu;
    if (right > widest) {
      widest = right;
      widestLabel = body.label;
    }
  }
  EXPECT_GE(near, 5);  // Apophis, Bennu, Eros, ... are in the catalogue
  RecordProperty("widestMoidRunEnd", widest);
  RecordProperty("widestMoidRunBody", widestLabel);
}

TEST(TextFit, OnTheMapTheCaptionRunsStayApartAtEveryWidth) {
  const BundledBodies& all = BundledBodies::Get();
  // The near body with the largest MOID has the most digits before the point.
  const CatalogueBody* farthestNear = nullptr;
  for (const CatalogueBody& body : all.bodies) {
    if (body.moid.moidAu < 0.67 &&
        (farthestNear == nullptr || body.moid.moidAu > farthestNear->moid.moidAu)) {
      farthestNear = &body;
    }
  }
  ASSERT_NE(farthestNear, nullptr);
  ScratchDirectory dir("text-fit");
  for (int W = 432; W <= 1080; W += 72) {
    auto f = MakeMapFixture(W);
    f.session.referenceName = all.referenceName;
    f.session.bodyLabel = farthestNear->label;
    f.session.moid.moidAu = farthestNear->moid.moidAu;
    f.session.moid.longitudeDeg = farthestNear->moid.longitudeDeg;
    headless::HeadlessPlatform hp;
    hp.GetCanvas().Resize(W + 48, W + 80);  // the window's graphics area
    TextTagger tagMoid(
        hp.GetCanvas(), [](const std::string&) { return true; },
        [](const std::string& t) { return StartsWith(t, "Moid ="); });
    Platform p{hp, tagMoid};
    DrawDistanceMap(p, f.session, f.colors);
    const int right = RightmostOf(hp.GetCanvas(), TAGGED, 0, 20);
    EXPECT_GT(right, 200) << "W = " << W;
    EXPECT_LT(right, LONGITUDE_RUN_X - 2) << "W = " << W;
  }
}

// Every distinct four-letter label of the catalogue with the rightmost column it covers (its
// ink or its opaque box) when drawn alone at the map's label place (x = 1), widest first.
std::vector<std::pair<int, std::string>> LabelsByWidth(const std::vector<CatalogueBody>& bodies) {
  Canvas canvas;
  canvas.Resize(120, 24);
  canvas.GfxFont("Arial", 0, 15, 1, 0, 0, 0.0);
  canvas.GfxBkgdColor(TAGGED);
  std::vector<std::pair<int, std::string>> widths;
  std::set<std::string> seen;
  for (const CatalogueBody& body : bodies) {
    const std::string four = body.label.substr(0, 4);
    if (!seen.insert(four).second) continue;
    canvas.GfxCLS();
    canvas.DrawFrom(1, 3);
    canvas.DrawTextRow(four, 0);
    widths.emplace_back(std::max(RightmostOf(canvas, BLACK), RightmostOf(canvas, TAGGED)),
                        body.label);
  }
  std::sort(widths.rbegin(), widths.rend());
  return widths;
}

// The map drawn for one label: the label's ink ends left of the frame, and the frame and the
// first column of cells are whole in the rows the label takes. (The short ticks left of the
// frame, x = 29 to 34, lie under any four-letter label's box by the layout's own measure.)
void ExpectLabelLeftOfTheMap(const std::string& label, int W) {
  auto f = MakeMapFixture(W);
  f.session.bodyLabel = label;
  headless::HeadlessPlatform hp;
  hp.GetCanvas().Resize(W + 48, W + 80);
  const std::string four = label.substr(0, 4);
  TextTagger tagLabel(
      hp.GetCanvas(), [](const std::string&) { return true; },
      [four](const std::string& t) { return t == four; });
  Platform p{hp, tagLabel};
  DrawDistanceMap(p, f.session, f.colors);
  const Canvas& c = hp.GetCanvas();
  const int top = static_cast<int>(std::lround(0.38 * W + 19));
  const int right = RightmostOf(c, TAGGED, top - 4, top + 20);
  EXPECT_GT(right, 10) << label << " W = " << W;  // the label was drawn
  EXPECT_LT(right, MAP_FRAME_X) << label << " W = " << W;
  for (int y = top; y < top + 16; ++y) {
    EXPECT_EQ(c.ShownPixel(MAP_FRAME_X, y), BLACK) << label << " frame, W = " << W << " y " << y;
    const int k = W + 26 - y;
    EXPECT_EQ(c.ShownPixel(MAP_FRAME_X + 1, y), maptest::CellColor(1, k))
        << label << " cell, W = " << W << " y " << y;
  }
}

TEST(TextFit, TheBodyLabelEndsLeftOfTheMapFrame) {
  ScratchDirectory dir("label-fit");
  std::vector<std::string> labels = {"Ganymed", "Sedna"};
  // The widest labels of the catalogue whose box ends left of the frame when drawn alone:
  // on the map, at every width, they must leave the frame and the cells alone too.
  for (const auto& [right, label] : LabelsByWidth(BundledBodies::Get().bodies)) {
    if (right < MAP_FRAME_X && labels.size() < 5) labels.push_back(label);
  }
  ASSERT_EQ(labels.size(), 5u);
  for (const std::string& label : labels) {
    for (int W = 432; W <= 1080; W += 72) ExpectLabelLeftOfTheMap(label, W);
  }
}

TEST(TextFit, LabelsTooWideForTheirPlaceAreFewAndCrossTheFrameByLittle) {
  // Four letters such as "AMOS" or "Pumm" are 37 to 38 pixels wide on a 15-pixel line (with
  // their box, a pixel or two more); the place from x = 1 to the frame holds 33. Such labels
  // cover the frame and the first cells by a few pixels.
  const auto widths = LabelsByWidth(BundledBodies::Get().bodies);
  ASSERT_GT(widths.size(), 1000u);
  std::string tooWide;
  std::size_t count = 0;
  for (const auto& [right, label] : widths) {
    if (right < MAP_FRAME_X) continue;
    ++count;
    tooWide += label.substr(0, 4) + " ";
    EXPECT_LE(right, MAP_FRAME_X + 7) << label;
  }
  EXPECT_LT(count, widths.size() / 20) << tooWide;  // fewer than one in twenty
  RecordProperty("labelsCrossingTheFrame", tooWide);
}

}  // namespace
}  // namespace moid

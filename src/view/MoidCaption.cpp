#include "view/MoidCaption.h"

#include "orbit/OrbitModel.h"
#include "text/NumericMask.h"

namespace moid {

namespace {
constexpr int CAPTION_Y = 3;
constexpr int NAMES_X = 1;
constexpr int DISTANCE_X = 120;
constexpr int LONGITUDE_X = 330;
}  // namespace

std::string MoidDistanceRun(double moidAu) {
  return "Moid =" + FormatWithMask("####.####", moidAu * GM_PER_AU) + " Gm" + ", " +
         FormatWithMask("##.######", moidAu) + " AU";
}

std::string MoidLongitudeRun(double longitudeDeg) {
  return "Long = " + FormatWithMask("###.###\xB0", longitudeDeg);
}

MoidCaptionText MakeMoidCaption(const Session& session) {
  MoidCaptionText text;
  text.names = session.referenceName + "-" + session.bodyLabel;
  text.distance = MoidDistanceRun(session.moid.moidAu);
  text.longitude = MoidLongitudeRun(session.moid.longitudeDeg);
  return text;
}

void DrawMoidCaption(GraphicsToolkit& graphics, const Session& session) {
  const MoidCaptionText text = MakeMoidCaption(session);
  graphics.GfxFont("Arial", 0, 15, 1, 0, 0, 0.0);
  graphics.DrawFrom(NAMES_X, CAPTION_Y);
  graphics.DrawTextRow(text.names, 0);
  graphics.DrawFrom(DISTANCE_X, CAPTION_Y);
  graphics.DrawTextRow(text.distance, 0);
  graphics.DrawFrom(LONGITUDE_X, CAPTION_Y);
  graphics.DrawTextRow(text.longitude, 0);
}

}  // namespace moid

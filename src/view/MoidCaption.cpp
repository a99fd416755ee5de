#include "view/MoidCaption.h"

#include "orbit/OrbitModel.h"
#include "text/NumericMask.h"

namespace moid {

namespace {
constexpr int CAPTION_Y = 3;
constexpr int NAMES_X = 1;
constexpr int DISTANCE_X = 120;
constexpr int LONGITUDE_X = 330;

constexpr NumericMask GM_MASK("####.####");
constexpr NumericMask AU_MASK("##.######");
constexpr NumericMask LONGITUDE_MASK("###.###\xB0");
}  // namespace

void AppendMoidDistanceRun(std::string& out, double moidAu) {
  out += "Moid =";
  GM_MASK.AppendTo(out, moidAu * GM_PER_AU);
  out += " Gm, ";
  AU_MASK.AppendTo(out, moidAu);
  out += " AU";
}

void AppendMoidLongitudeRun(std::string& out, double longitudeDeg) {
  out += "Long = ";
  LONGITUDE_MASK.AppendTo(out, longitudeDeg);
}

std::string MoidDistanceRun(double moidAu) {
  std::string run;
  AppendMoidDistanceRun(run, moidAu);
  return run;
}

std::string MoidLongitudeRun(double longitudeDeg) {
  std::string run;
  AppendMoidLongitudeRun(run, longitudeDeg);
  return run;
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

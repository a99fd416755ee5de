#include "view/StatusLine.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>

#include "orbit/CalendarDate.h"
#include "orbit/OrbitModel.h"
#include "platform/TextEncoding.h"

namespace moid {

namespace {

constexpr const char* PROGRAM = "moidview";
constexpr const char* SEPARATOR = " - ";  // ASCII, so that window tools can match the title
constexpr const char* FORWARDS = "\xE2\x96\xB6";      // ▶
constexpr const char* BACKWARDS = "\xE2\x97\x80";     // ◀
constexpr double KM_PER_GM = 1e6;

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string IsoDate(double jd) {
  const CalendarDay d = JulianDayToCalendarDay(jd);
  char text[48];
  std::snprintf(text, sizeof text, "%04.0f-%02.0f-%02.0f", d.year, d.month, d.day);
  return text;
}

std::string PaceText(int framePace) { return std::to_string(framePace) + " days/s"; }

std::string MotionText(const OrbitStatus& s) {
  std::string text = IsoDate(s.julianDay) + " " + (s.timeDirection < 0 ? BACKWARDS : FORWARDS);
  text += s.paused ? " paused, " + PaceText(s.framePace) : " " + PaceText(s.framePace);
  return text;
}

}  // namespace

OrbitStatus OrbitStatusOf(const Session& s) {
  OrbitStatus status;
  status.body = s.bodyName;
  status.animating = s.view.animating;
  status.paused = s.view.paused;
  status.timeDirection = s.view.timeDirection;
  status.julianDay = s.view.animTime;
  status.framePace = s.view.framePace;
  const std::size_t W = static_cast<std::size_t>(std::max(0, s.W));
  if (s.earthTable.x.size() > W && s.asteroidTable.x.size() > W) {
    const double dx = s.asteroidTable.x[W] - s.earthTable.x[W];
    const double dy = s.asteroidTable.y[W] - s.earthTable.y[W];
    const double dz = s.asteroidTable.z[W] - s.earthTable.z[W];
    status.distanceAu = std::sqrt(dx * dx + dy * dy + dz * dz);
  }
  return status;
}

std::string DistanceText(double au) {
  const double lunar = au * GM_PER_AU * KM_PER_GM / KM_PER_LUNAR_DISTANCE;
  return Fixed(au, 6) + " AU (" + Fixed(lunar, 2) + " LD)";
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string OrbitViewStatusLine(const OrbitStatus& s) {
  std::string line = Cp1252ToUtf8(s.body);
  if (s.animating) {
    line += SEPARATOR + MotionText(s) + SEPARATOR + "Earth distance " + DistanceText(s.distanceAu);
  }
  return line + SEPARATOR + PROGRAM;
}

std::string MapStatusLine(const std::string& body, double moidAu) {
  return Cp1252ToUtf8(body) + SEPARATOR + "distance map" + SEPARATOR + "MOID " +
         DistanceText(moidAu) + SEPARATOR + PROGRAM;
}

std::string ListStatusLine(const std::string& catalogueFile, int bodyCount) {
  std::string line = Cp1252ToUtf8(FileNameOf(catalogueFile));
  if (bodyCount >= 0) {
    line += SEPARATOR + std::to_string(bodyCount) + (bodyCount == 1 ? " body" : " bodies");
  }
  return line + SEPARATOR + PROGRAM;
}

}  // namespace moid

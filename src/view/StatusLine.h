#pragma once
#include <string>

#include "view/Session.h"

namespace moid {

// One lunar distance in km, as close-approach lists count it (JPL's Center for Near-Earth
// Object Studies: 1 LD = 384,400 km, the mean Earth–Moon distance).
constexpr double KM_PER_LUNAR_DISTANCE = 384400;

// What the orbit view's status line tells.
struct OrbitStatus {
  std::string body;          // the body's name, Windows-1252 as in the catalogue
  bool animating = false;
  bool paused = false;
  int timeDirection = +1;
  double julianDay = 0;      // the instant shown
  int framePace = 0;         // frames, that is days, a second
  double distanceAu = 0;     // from the Earth to the body at that instant
};

// The facts of the orbit view now on screen (the animation's positions are the ones of
// its last frame).
OrbitStatus OrbitStatusOf(const Session& session);

// The window titles, UTF-8. The orbit view: the body, and while animating the date
// (yyyy-mm-dd), the direction (▶ forwards, ◀ backwards), "paused" or the pace, and the
// Earth–body distance in AU and lunar distances.
std::string OrbitViewStatusLine(const OrbitStatus& status);
// The distance map: the body and its MOID.
std::string MapStatusLine(const std::string& body, double moidAu);
// The lists: the catalogue's file name and, once it has been read (bodyCount >= 0), how
// many bodies it holds.
std::string ListStatusLine(const std::string& catalogueFile, int bodyCount);

// "0.012345 AU (4.80 LD)".
std::string DistanceText(double au);
// The file name at the end of a path ("ELEMENTS.DAT" of "./data/ELEMENTS.DAT").
std::string FileNameOf(const std::string& path);

}  // namespace moid

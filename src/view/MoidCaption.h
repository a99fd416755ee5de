#pragma once
#include <string>

#include "platform/GraphicsToolkit.h"
#include "view/Session.h"

namespace moid {

// The three runs of the caption line that both graphic screens carry.
struct MoidCaptionText {
  std::string names;      // reference name + "-" + body label, at x 1
  std::string distance;   // "Moid =" ... " Gm, " ... " AU", at x 120
  std::string longitude;  // "Long = " ..., at x 330
};

MoidCaptionText MakeMoidCaption(const Session& session);

// The distance run and the longitude run alone, for callers that hold only a MOID.
std::string MoidDistanceRun(double moidAu);
std::string MoidLongitudeRun(double longitudeDeg);
// The same runs appended to out (Windows-1252, as drawn).
void AppendMoidDistanceRun(std::string& out, double moidAu);
void AppendMoidLongitudeRun(std::string& out, double longitudeDeg);

// Selects Arial 15 and writes the caption along the top edge (row y = 3) in the current
// font color. Leaves Arial selected for the texts drawn after it.
void DrawMoidCaption(GraphicsToolkit& graphics, const Session& session);

}  // namespace moid

#include "tools/MoidRows.h"

#include "view/Session.h"
#include "orbit/OrbitModel.h"
#include "tools/ToolText.h"
#include "view/MoidCaption.h"

namespace moid::tools {

const char* const MOID_HEADER =
    "index\tname\tmoidAu\tmoidGm\tlongitudeDeg\tgridMinEarthIndex\tgridMinAsteroidIndex\t"
    "minGm\tmaxGm\tgridMaxEarthIndex\tgridMaxAsteroidIndex\tcaption\tepoch\n";

namespace {

// The caption's MOID run and longitude run as drawn, as UTF-8.
std::string CaptionColumn(const MoidResult& moid) {
  Session session;
  session.moid = moid;
  const MoidCaptionText caption = MakeMoidCaption(session);
  return Windows1252ToUtf8(caption.distance + " | " + caption.longitude);
}

void AppendField(std::string& out, const std::string& text) {
  out += text;
  out += '\t';
}

}  // namespace

void AppendMoidRow(std::string& out, long index, std::string_view name, const ViewerMoid& v,
                   double epochJd) {
  const MoidResult& m = v.moid;
  AppendField(out, std::to_string(index));
  AppendField(out, QuotedText(name));
  AppendField(out, ShortestNumber(m.moidAu));
  AppendField(out, ShortestNumber(m.moidAu * GM_PER_AU));
  AppendField(out, ShortestNumber(m.longitudeDeg));
  AppendField(out, std::to_string(m.gridMinEarthIndex));
  AppendField(out, std::to_string(m.gridMinAsteroidIndex));
  AppendField(out, ShortestNumber(v.minGm));
  AppendField(out, ShortestNumber(v.maxGm));
  AppendField(out, std::to_string(v.gridMaxEarthIndex));
  AppendField(out, std::to_string(v.gridMaxAsteroidIndex));
  AppendField(out, CaptionColumn(m));
  out += ShortestNumber(epochJd);
  out += '\n';
}

}  // namespace moid::tools

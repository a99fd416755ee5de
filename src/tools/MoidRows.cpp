#include "tools/MoidRows.h"

#include <array>
#include <charconv>

#include "orbit/OrbitModel.h"
#include "text/ShortestText.h"
#include "tools/ToolText.h"
#include "view/MoidCaption.h"

namespace moid::tools {

const char* const MOID_HEADER =
    "index\tname\tmoidAu\tmoidGm\tlongitudeDeg\tgridMinEarthIndex\tgridMinAsteroidIndex\t"
    "minGm\tmaxGm\tgridMaxEarthIndex\tgridMaxAsteroidIndex\tcaption\tepoch\n";

namespace {

// The caption's MOID run and longitude run as drawn, turned into UTF-8 where they stand.
void AppendCaptionField(std::string& out, const MoidResult& moid) {
  const size_t start = out.size();
  AppendMoidDistanceRun(out, moid.moidAu);
  out += " | ";
  AppendMoidLongitudeRun(out, moid.longitudeDeg);
  ConvertTailToUtf8(out, start);
  out += '\t';
}

// A whole number as std::to_string writes it, appended without a string of its own.
template <typename Whole>
void AppendNumber(std::string& out, Whole value) {
  std::array<char, 24> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  out.append(buffer.data(), static_cast<size_t>(result.ptr - buffer.data()));
}

// A double as ShortestNumber writes it.
void AppendNumber(std::string& out, double value) { AppendShortestNumber(out, value); }

template <typename Number>
void AppendNumberField(std::string& out, Number value) {
  AppendNumber(out, value);
  out += '\t';
}

}  // namespace

void AppendMoidRow(std::string& out, long index, std::string_view name, const ViewerMoid& v,
                   double epochJd) {
  const MoidResult& m = v.moid;
  AppendNumberField(out, index);
  AppendQuotedText(out, name);
  out += '\t';
  AppendNumberField(out, m.moidAu);
  AppendNumberField(out, m.moidAu * GM_PER_AU);
  AppendNumberField(out, m.longitudeDeg);
  AppendNumberField(out, m.gridMinEarthIndex);
  AppendNumberField(out, m.gridMinAsteroidIndex);
  AppendNumberField(out, v.minGm);
  AppendNumberField(out, v.maxGm);
  AppendNumberField(out, v.gridMaxEarthIndex);
  AppendNumberField(out, v.gridMaxAsteroidIndex);
  AppendCaptionField(out, m);
  AppendNumber(out, epochJd);
  out += '\n';
}

}  // namespace moid::tools

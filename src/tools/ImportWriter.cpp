#include "tools/ImportWriter.h"

#include "sources/Epoch.h"
#include "sources/BodyNames.h"
#include "tools/SourceElements.h"
#include "tools/ToolText.h"

namespace moid::tools {
namespace {

// A number field; negative zero is written as 0.
std::string NumberField(double value) { return ShortestNumber(value == 0 ? 0.0 : value); }

void AppendElements(std::string& text, const ElementRecord& r) {
  for (const double value : {r.eccentricity, r.inclination, r.perihelionArgument,
                             r.ascendingNode, r.semiMajorAxis, r.meanAnomaly}) {
    text += NumberField(value);
    text += ',';
  }
}

}  // namespace

ElementRecord RecordAtEpoch(const sources::SourceBody& body, double epochJd) {
  ElementRecord record = ElementsOf(body);
  record.meanAnomaly =
      sources::MeanAnomalyAt(*body.meanAnomaly, *body.semiMajorAxis, *body.epochJd, epochJd);
  record.name = sources::CatalogName(body.name);
  return record;
}

std::string CatalogText(double epochJd, const ElementRecord& reference,
                        const std::vector<ElementRecord>& bodies) {
  std::string text = NumberField(epochJd) + ",";
  AppendElements(text, reference);
  text += "0," + sources::NameField(reference.name) + "\r\n";
  for (const ElementRecord& body : bodies) {
    AppendElements(text, body);
    text += sources::NameField(body.name) + "\r\n";
  }
  return text;
}

}  // namespace moid::tools

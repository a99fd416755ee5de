#pragma once
#include <string>
#include <vector>

#include "data/ElementRecord.h"
#include "sources/SourceBody.h"

// The catalogue an import writes.
namespace moid::tools {

// The record of a holdable body at `epochJd`: its elements with the mean anomaly brought to
// that epoch, its name as ELEMENTS.DAT holds it (Windows-1252).
ElementRecord RecordAtEpoch(const sources::SourceBody& body, double epochJd);

// The text of ELEMENTS.DAT: record 0 (the epoch, the reference's six elements, 0, its name),
// then one record per body (six elements, name), one record per line with CR LF line ends;
// numbers in their shortest form that reads back as the same double.
std::string CatalogText(double epochJd, const ElementRecord& reference,
                        const std::vector<ElementRecord>& bodies);

}  // namespace moid::tools

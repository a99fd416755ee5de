#pragma once
#include <string>

#include "data/ElementRecord.h"

namespace moid {

// Why the orbit model cannot draw this record (not an ellipse, a semi-major axis that is not
// positive, a value that is not finite); empty when it can.
std::string UndrawableReason(const ElementRecord& record);

}  // namespace moid

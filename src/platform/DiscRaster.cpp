#include "platform/DiscRaster.h"

#include <algorithm>

namespace moid {
namespace {

// Squared distances are compared four times over, so that the half-pixel band
// (r - 1/2)^2 < d^2 <= (r + 1/2)^2 stays in integers: (2r-1)^2 < 4 d^2 <= (2r+1)^2.
// Within the bounding box |dx|, |dy| <= r + 1, so below 2^29 nothing overflows; larger
// discs (only ever partly visible) compare in long double.
constexpr long long EXACT_RADIUS_LIMIT = 1LL << 29;

enum class DiscPart { Outside, Outline, Inside };

template <typename T>
DiscPart Classify(long long dx, long long dy, long long radius) {
  const T d2 = T{4} * (static_cast<T>(dx) * dx + static_cast<T>(dy) * dy);
  const T inner = static_cast<T>(2 * radius - 1) * static_cast<T>(2 * radius - 1);
  const T outer = static_cast<T>(2 * radius + 1) * static_cast<T>(2 * radius + 1);
  if (d2 > outer) return DiscPart::Outside;
  return d2 > inner ? DiscPart::Outline : DiscPart::Inside;
}

template <typename T>
void FillRows(const PixelBuffer& target, long long cx, long long cy, long long radius,
              std::uint32_t outline, std::uint32_t fill) {
  const long long top = std::max(cy - radius - 1, 0LL);
  const long long bottom = std::min(cy + radius + 1, static_cast<long long>(target.height) - 1);
  const long long left = std::max(cx - radius - 1, 0LL);
  const long long right = std::min(cx + radius + 1, static_cast<long long>(target.width) - 1);
  for (long long y = top; y <= bottom; ++y) {
    std::uint32_t* row = target.Row(static_cast<int>(y));
    for (long long x = left; x <= right; ++x) {
      const DiscPart part = Classify<T>(x - cx, y - cy, radius);
      if (part == DiscPart::Outline) row[x] = outline;
      if (part == DiscPart::Inside) row[x] = fill;
    }
  }
}

}  // namespace

void RasterDisc(const PixelBuffer& target, long long cx, long long cy, long long radius,
                std::uint32_t outline, std::uint32_t fill) {
  if (radius < 0) return;
  if (radius == 0) {
    if (target.Contains(cx, cy)) target.Row(static_cast<int>(cy))[cx] = outline;
    return;
  }
  if (radius < EXACT_RADIUS_LIMIT) {
    FillRows<long long>(target, cx, cy, radius, outline, fill);
  } else {
    FillRows<long double>(target, cx, cy, radius, outline, fill);
  }
}

}  // namespace moid

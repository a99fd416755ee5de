#pragma once
#include <cstddef>
#include <cstdint>

#include "Contract.h"

namespace moid {

// A view of 32-bit pixels, row-major; `strideBytes` between rows. Writes outside the area
// are the caller's to prevent (the rasterisers below clip first).
struct PixelBuffer {
  std::uint32_t* data = nullptr;
  int width = 0;
  int height = 0;
  int strideBytes = 0;

  std::uint32_t* Row(int y) const {
    MOID_EXPECT(y >= 0 && y < height, "a row inside the pixel buffer");
    return reinterpret_cast<std::uint32_t*>(reinterpret_cast<unsigned char*>(data) +
                                            static_cast<std::ptrdiff_t>(y) * strideBytes);
  }
  bool Contains(long long x, long long y) const {
    return x >= 0 && y >= 0 && x < width && y < height;
  }
};

}  // namespace moid

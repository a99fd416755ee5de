#pragma once
#include <cstdint>
#include <string>

namespace moid {

// A 24-bit BMP (BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up rows padded to 4 bytes)
// of width x height pixels given as row-major 0x??RRGGBB words, `strideBytes` apart per row.
std::string EncodeBmp24(const std::uint32_t* pixels, int width, int height, int strideBytes);

}  // namespace moid

#include "platform/Bmp.h"

#include <cstddef>

namespace moid {
namespace {

constexpr std::size_t FILE_HEADER_SIZE = 14;
constexpr std::size_t INFO_HEADER_SIZE = 40;
constexpr int PIXELS_PER_METRE = 3780;  // 96 dpi

void PutLe16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutLe32(std::string& out, std::uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

std::size_t PaddedRowBytes(int width) {
  return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
}

void PutHeaders(std::string& out, int width, int height, std::size_t imageBytes) {
  out += "BM";
  PutLe32(out, static_cast<std::uint32_t>(FILE_HEADER_SIZE + INFO_HEADER_SIZE + imageBytes));
  PutLe32(out, 0);  // reserved
  PutLe32(out, static_cast<std::uint32_t>(FILE_HEADER_SIZE + INFO_HEADER_SIZE));
  PutLe32(out, INFO_HEADER_SIZE);
  PutLe32(out, static_cast<std::uint32_t>(width));
  PutLe32(out, static_cast<std::uint32_t>(height));  // positive: rows stored bottom-up
  PutLe16(out, 1);                                   // planes
  PutLe16(out, 24);                                  // bits per pixel
  PutLe32(out, 0);                                   // BI_RGB, no compression
  PutLe32(out, static_cast<std::uint32_t>(imageBytes));
  PutLe32(out, PIXELS_PER_METRE);
  PutLe32(out, PIXELS_PER_METRE);
  PutLe32(out, 0);  // colors used
  PutLe32(out, 0);  // important colors
}

}  // namespace

std::string EncodeBmp24(const std::uint32_t* pixels, int width, int height, int strideBytes) {
  const std::size_t rowBytes = PaddedRowBytes(width);
  const std::size_t imageBytes = rowBytes * static_cast<std::size_t>(height);
  std::string out;
  out.reserve(FILE_HEADER_SIZE + INFO_HEADER_SIZE + imageBytes);
  PutHeaders(out, width, height, imageBytes);
  const std::size_t headerBytes = out.size();
  out.resize(headerBytes + imageBytes, '\0');  // row padding stays zero
  char* dst = out.data() + headerBytes;
  const auto* base = reinterpret_cast<const unsigned char*>(pixels);
  for (int y = height - 1; y >= 0; --y, dst += rowBytes) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(base + static_cast<std::size_t>(y) * strideBytes);
    char* d = dst;
    for (int x = 0; x < width; ++x, d += 3) {
      const std::uint32_t p = row[x];
      d[0] = static_cast<char>(p & 0xFF);          // blue
      d[1] = static_cast<char>((p >> 8) & 0xFF);   // green
      d[2] = static_cast<char>((p >> 16) & 0xFF);  // red
    }
  }
  return out;
}

}  // namespace moid

#pragma once
// Synthetic map sessions for the map screen tests: a distance grid and a color grid filled
// here, so the tests need neither a catalogue nor the driver.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "distmap/ColorRamp.h"
#include "platform/Color.h"
#include "platform/headless/HeadlessPlatform.h"
#include "view/Session.h"

namespace moid::maptest {

// A color that tells the cell apart from every other cell, from black and from red.
inline Color CellColor(int j, int k) {
  return RgbColor(j & 0xFF, k & 0xFF, 0x80 | ((j >> 8) << 2) | (k >> 8));
}

struct MapFixture {
  Session session;
  ColorGrid colors;
};

// Distances rise with j and k: d(j, k) = 5 + j / 2 + k / 4 Gm, so the smallest is at (0, 0)
// and the largest at (W - 1, W - 1); the markers are placed elsewhere on purpose.
inline MapFixture MakeMapFixture(int W) {
  MapFixture f;
  f.session.Resize(W);
  f.session.referenceName = "EMBary";
  f.session.bodyLabel = "Ganymed";
  f.colors.Resize(W);
  for (int j = 0; j < W; ++j) {
    for (int k = 0; k < W; ++k) {
      f.session.grid.At(j, k) = 5.0 + j / 2.0 + k / 4.0;
      f.colors.cells[static_cast<size_t>(j) * (W + 1) + k] = CellColor(j, k);
    }
  }
  f.session.grid.minGm = 5.0;
  f.session.grid.maxGm = 5.0 + (W - 1) * 0.75;
  f.session.moid.gridMinEarthIndex = 100;
  f.session.moid.gridMinAsteroidIndex = 200;
  f.session.grid.gridMaxEarthIndex = 300;
  f.session.grid.gridMaxAsteroidIndex = 50;
  f.session.moid.moidAu = 0.05;
  f.session.moid.longitudeDeg = 123.456;
  return f;
}

// A headless screen big enough for the map, its scales, caption and readout.
inline void SizeScreenForMap(headless::HeadlessPlatform& hp, int W) {
  hp.GetCanvas().Resize(W + 100, W + 100);
}

// Runs a test inside a fresh directory and returns to the previous one afterwards.
class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string& name)
      : previous_(std::filesystem::current_path()),
        path_(std::filesystem::temp_directory_path() /
              ("moidview-map-" + name + "-" + std::to_string(std::random_device{}()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~ScratchDirectory() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path previous_, path_;
};

inline std::string ReadWholeFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A 24-bit BMP read back by its headers, so a saved picture can be checked pixel by pixel.
struct BmpImage {
  int width = 0, height = 0;
  std::string bytes;
  std::uint32_t dataOffset = 0;

  static std::uint32_t Le32(const std::string& b, size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
  }
  static BmpImage Load(const std::filesystem::path& p) {
    BmpImage img;
    img.bytes = ReadWholeFile(p);
    if (img.bytes.size() < 54 || img.bytes.compare(0, 2, "BM") != 0) return img;
    img.dataOffset = Le32(img.bytes, 10);
    img.width = static_cast<int>(Le32(img.bytes, 18));
    img.height = static_cast<int>(Le32(img.bytes, 22));  // bottom-up when positive
    return img;
  }
  bool Valid() const { return width > 0 && height > 0; }
  // The pixel as a toolkit color, 0x00BBGGRR.
  Color Pixel(int x, int y) const {
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    const size_t at = dataOffset + static_cast<size_t>(height - 1 - y) * stride + x * 3;
    const int b = static_cast<unsigned char>(bytes[at]);
    const int g = static_cast<unsigned char>(bytes[at + 1]);
    const int r = static_cast<unsigned char>(bytes[at + 2]);
    return RgbColor(r, g, b);
  }
};

}  // namespace moid::maptest

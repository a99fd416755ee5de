#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/Bmp.h"
#include "platform/Canvas.h"

namespace moid {
namespace {

namespace fs = std::filesystem;

std::uint32_t Le(const std::string& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

// A reader written from the file format, independent of the writer.
struct DecodedBmp {
  int width = 0, height = 0;
  std::vector<Color> pixels;  // top row first, 0x00BBGGRR
};

DecodedBmp DecodeBmp24(const std::string& b) {
  EXPECT_GE(b.size(), 54u);
  EXPECT_EQ(b.substr(0, 2), "BM");
  EXPECT_EQ(Le(b, 2, 4), b.size());
  const std::uint32_t offset = Le(b, 10, 4);
  EXPECT_EQ(Le(b, 14, 4), 40u);
  DecodedBmp d;
  d.width = static_cast<int>(Le(b, 18, 4));
  d.height = static_cast<int>(Le(b, 22, 4));
  EXPECT_EQ(Le(b, 26, 2), 1u);
  EXPECT_EQ(Le(b, 28, 2), 24u);
  EXPECT_EQ(Le(b, 30, 4), 0u);
  const std::size_t row = (static_cast<std::size_t>(d.width) * 3 + 3) / 4 * 4;
  EXPECT_EQ(b.size(), offset + row * d.height);
  for (int y = 0; y < d.height; ++y) {
    const std::size_t start = offset + row * static_cast<std::size_t>(d.height - 1 - y);
    for (int x = 0; x < d.width; ++x) {
      const std::size_t p = start + static_cast<std::size_t>(x) * 3;
      d.pixels.push_back(RgbColor(static_cast<unsigned char>(b[p + 2]),
                                   static_cast<unsigned char>(b[p + 1]),
                                   static_cast<unsigned char>(b[p])));
    }
    for (std::size_t pad = start + d.width * 3u; pad < start + row; ++pad) EXPECT_EQ(b[pad], 0);
  }
  return d;
}

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class BmpFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("moid_bmp_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  // A 7 x 5 picture with a different color in every pixel.
  void PaintDistinct(Canvas& c) {
    c.Resize(7, 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) c.DrawPixel(x, y, RgbColor(x * 30, y * 50, 255 - x - y));
  }
  fs::path dir;
};

TEST(Bmp, HeaderAndPaddedBottomUpRowsOfAnOddWidth) {
  const std::uint32_t px[3 * 5] = {
      0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, 0xFF000005,   // top row
      0xFF010000, 0xFF020000, 0xFF030000, 0xFF040000, 0xFF050000,   //
      0xFF00FF00, 0xFFABCDEF, 0xFF000000, 0xFFFFFFFF, 0xFF102030};  // bottom row
  const std::string b = EncodeBmp24(px, 5, 3, 5 * 4);
  EXPECT_EQ(b.size(), 54u + 16u * 3u);  // 15 bytes a row, padded to 16
  const DecodedBmp d = DecodeBmp24(b);
  EXPECT_EQ(d.width, 5);
  EXPECT_EQ(d.height, 3);
  // The file's first pixel row is the picture's bottom row, blue first.
  EXPECT_EQ(static_cast<unsigned char>(b[54]), 0x00);
  EXPECT_EQ(static_cast<unsigned char>(b[55]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(b[56]), 0x00);
  EXPECT_EQ(d.pixels[0], RgbColor(0, 0, 1));
  EXPECT_EQ(d.pixels[5 + 1], RgbColor(2, 0, 0));
  EXPECT_EQ(d.pixels[10 + 1], RgbColor(0xAB, 0xCD, 0xEF));
  EXPECT_EQ(d.pixels[14], RgbColor(0x10, 0x20, 0x30));
}

TEST(Bmp, RowsAreReadWithTheGivenStride) {
  const std::uint32_t px[2 * 4] = {0xFF111111, 0xDEADBEEF, 0, 0, 0xFF222222, 0xDEADBEEF, 0, 0};
  const DecodedBmp d = DecodeBmp24(EncodeBmp24(px, 1, 2, 16));
  EXPECT_EQ(d.pixels, (std::vector<Color>{0x111111, 0x222222}));
}

TEST_F(BmpFiles, SavedPictureReadsBackPixelForPixel) {
  Canvas c;
  PaintDistinct(c);
  const fs::path file = dir / "Orbdis.bmp";
  ASSERT_TRUE(c.SaveGfxWindow(file.string()));
  const DecodedBmp d = DecodeBmp24(Slurp(file));
  ASSERT_EQ(d.width, 7);
  ASSERT_EQ(d.height, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) EXPECT_EQ(d.pixels[y * 7 + x], c.ShownPixel(x, y)) << x << "," << y;
}

TEST_F(BmpFiles, SaveWritesTheShownPictureNotTheOneBeingBuilt) {
  Canvas c;
  c.Resize(3, 3);
  c.GfxWindow(GFX_WINDOW_BEGIN_PICTURE);
  c.BrushColor(RED);
  c.GfxCLS();
  const fs::path file = dir / "Orbits.bmp";
  ASSERT_TRUE(c.SaveGfxWindow(file.string()));
  EXPECT_EQ(DecodeBmp24(Slurp(file)).pixels, std::vector<Color>(9, WHITE));
  c.GfxWindow(GFX_WINDOW_SHOW_PICTURE);
  ASSERT_TRUE(c.SaveGfxWindow(file.string()));  // overwrites
  EXPECT_EQ(DecodeBmp24(Slurp(file)).pixels, std::vector<Color>(9, RED));
}

TEST_F(BmpFiles, SaveIntoAMissingDirectoryFails) {
  Canvas c;
  PaintDistinct(c);
  EXPECT_FALSE(c.SaveGfxWindow((dir / "no such dir" / "Orbits.bmp").string()));
  EXPECT_FALSE(fs::exists(dir / "no such dir"));
}

TEST_F(BmpFiles, SaveOverADirectoryFailsAndLeavesItAndNoTemporaryFile) {
  Canvas c;
  PaintDistinct(c);
  fs::create_directory(dir / "Orbits.bmp");
  std::ofstream(dir / "Orbits.bmp" / "keep.txt") << "old";
  EXPECT_FALSE(c.SaveGfxWindow((dir / "Orbits.bmp").string()));
  EXPECT_TRUE(fs::is_directory(dir / "Orbits.bmp"));
  EXPECT_EQ(Slurp(dir / "Orbits.bmp" / "keep.txt"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// A write that fails half-way (here: the file size limit, which stops root too) must leave
// the previous picture exactly as it was and the program running.
TEST_F(BmpFiles, FailedWriteLeavesTheOldFileUntouched) {
  const fs::path file = dir / "Orbits.bmp";
  const std::string old = "previous picture bytes";
  std::ofstream(file, std::ios::binary) << old;
  Canvas c;
  c.Resize(100, 100);  // 30 054 bytes
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* previousHandler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved_ok = c.SaveGfxWindow(file.string());
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(saved_ok);
  EXPECT_EQ(Slurp(file), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(BmpFiles, AnEmptyAreaIsNotSaved) {
  Canvas c;
  EXPECT_FALSE(c.SaveGfxWindow((dir / "empty.bmp").string()));
  EXPECT_FALSE(fs::exists(dir / "empty.bmp"));
}

}  // namespace
}  // namespace moid

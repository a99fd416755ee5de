// Broken promises of a caller stop a debug build with what was expected (release builds
// leave them unchecked, so these tests exist only where the checks do).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/Canvas.h"
#include "platform/PixelBuffer.h"

namespace moid {
namespace {

#if !defined(NDEBUG)

TEST(ContractDeathTest, APixelReadOutsideTheAreaNamesWhatWasExpected) {
  Canvas canvas;
  canvas.Resize(10, 8);
  EXPECT_EQ(canvas.ShownPixel(9, 7), WHITE);  // the last pixel is inside
  EXPECT_DEATH(canvas.ShownPixel(10, 0), "expected a pixel inside the area");
  EXPECT_DEATH(canvas.ShownPixel(0, 8), "expected a pixel inside the area");
  EXPECT_DEATH(canvas.ShownPixel(-1, 3), "expected a pixel inside the area");
}

TEST(ContractDeathTest, ARowPastThePixelBufferNamesWhatWasExpected) {
  std::vector<std::uint32_t> pixels(4 * 3);
  const PixelBuffer buffer{pixels.data(), 4, 3, 4 * 4};
  EXPECT_EQ(buffer.Row(2), pixels.data() + 8);
  EXPECT_DEATH(buffer.Row(3), "expected a row inside the pixel buffer");
  EXPECT_DEATH(buffer.Row(-1), "expected a row inside the pixel buffer");
}

#endif

}  // namespace
}  // namespace moid

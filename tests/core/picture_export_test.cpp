// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "picture/picture_export.h"
#include "plot/render.h"

namespace graf {
namespace {

std::uint32_t at32(const std::vector<std::uint8_t>& b, std::size_t i) {
  return b[i] | b[i + 1] << 8 | b[i + 2] << 16 | static_cast<std::uint32_t>(b[i + 3]) << 24;
}

TEST(PictureExport, TwentyFourBitBitmapOfTheWholePicture) {
  PlotState st;
  Raster pic;
  clearPicture(st, pic, 0);
  pic.setPixel(0, 0, 0x123456);      // top-left
  pic.setPixel(392, 320, 0xABCDEF);  // bottom-right
  const auto b = encodeBitmap24(pic);
  const std::size_t row = 1180;  // 393·3 = 1179, padded to 4
  ASSERT_EQ(b.size(), 54 + row * 321);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(at32(b, 2), b.size());
  EXPECT_EQ(at32(b, 10), 54u);
  EXPECT_EQ(at32(b, 14), 40u);
  EXPECT_EQ(at32(b, 18), 393u);
  EXPECT_EQ(at32(b, 22), 321u);
  EXPECT_EQ(b[28], 24);
  EXPECT_EQ(at32(b, 30), 0u);
  // Rows are stored bottom-up, pixels as blue, green, red; colours are
  // 0x00BBGGRR, so 0x123456 has blue 0x12 and red 0x56.
  const std::size_t top = 54 + row * 320;
  EXPECT_EQ(b[top], 0x12);
  EXPECT_EQ(b[top + 1], 0x34);
  EXPECT_EQ(b[top + 2], 0x56);
  EXPECT_EQ(b[54 + 392 * 3], 0xAB);
  EXPECT_EQ(b[54 + 392 * 3 + 2], 0xEF);
  EXPECT_EQ(b[54 + 1179], 0) << "padding";
  EXPECT_EQ(b[54 + 3], 0xFF) << "white background";
}

}  // namespace
}  // namespace graf

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <vector>

#include "settings/preview.h"

namespace graf {
namespace {

constexpr Color Black = 0, White = 0xFFFFFF;
constexpr Color Grid = 0x111111, Lin = 0x222222, Quad = 0x333333, Quad2 = 0x444444, Abs = 0x555555;

class PreviewTest : public ::testing::Test {
 protected:
  QuickViewColors colors;
  PreviewPicture pic;
  void SetUp() override {
    colors.PreviewColorGrid = Grid;
    colors.PreviewColorLinear = Lin;
    colors.PreviewColorQuadratic = Quad;
    colors.PreviewColorQuadratic2 = Quad2;
    colors.PreviewColorAbsolute = Abs;
    drawPreview(pic, colors);
  }
};

// Rows 197..200 lie below every sample: only grid and axes cross them.
TEST_F(PreviewTest, GridLinesEveryFourPixelsFromFour) {
  for (int x = 0; x < PreviewPicture::Size; ++x) {
    SCOPED_TRACE(x);
    const Color expected = x == 100 ? Black : (x % 4 == 0 && x > 0) ? Grid : White;
    EXPECT_EQ(pic.pixel(x, 198), expected);
    // Row 200 is a grid row; the tick at 200 covers columns 99..101.
    EXPECT_EQ(pic.pixel(x, 200), (x >= 99 && x <= 101) ? Black : Grid);
  }
  // Column 0 and row 0 get no grid line.
  EXPECT_EQ(pic.pixel(0, 198), White);
  EXPECT_EQ(pic.pixel(2, 0), White);
}

TEST_F(PreviewTest, AxesAndTicksAreBlack) {
  // The x axis; the linear sample crosses it at x = -1 (column 96).
  for (int x = 0; x < PreviewPicture::Size; ++x)
    EXPECT_EQ(pic.pixel(x, 100), x == 96 ? Lin : Black) << x;
  // A tick covers the axis and one pixel on either side.
  EXPECT_EQ(pic.pixel(8, 99), Black);
  EXPECT_EQ(pic.pixel(8, 101), Black);
  EXPECT_EQ(pic.pixel(8, 102), Grid);
  EXPECT_EQ(pic.pixel(99, 180), Black);
  EXPECT_EQ(pic.pixel(101, 180), Black);
  EXPECT_EQ(pic.pixel(102, 180), Grid);
  EXPECT_EQ(pic.pixel(98, 180), Grid);
  EXPECT_EQ(pic.pixel(100, 150), Black);
}

TEST_F(PreviewTest, SamplePoints) {
  EXPECT_EQ(pic.pixel(20, 176), Lin);   // x = -20, y = -19
  EXPECT_EQ(pic.pixel(1, 195), Lin);    // the first segment's start, x = -24.8
  EXPECT_EQ(pic.pixel(196, 0), Lin);    // x = 24, y = 25
  EXPECT_EQ(pic.pixel(100, 96), Quad);  // x = 0, y = 1, over the linear sample
  EXPECT_EQ(pic.pixel(112, 80), Quad2); // x = 3, y = 5
  EXPECT_EQ(pic.pixel(112, 88), Abs);   // x = 3, y = 3
  EXPECT_EQ(pic.pixel(104, 96), Abs);   // the vertex x = 1, y = 1
  EXPECT_EQ(pic.pixel(56, 48), Abs);    // x = -11, y = 13
}

// The quadratic sample is inside only where y <= 25, for x between about
// -5.4 and 4.4.
TEST_F(PreviewTest, QuadraticSampleIsClipped) {
  int seen = 0;
  for (int y = 0; y < PreviewPicture::Size; ++y)
    for (int x = 0; x < PreviewPicture::Size; ++x)
      if (pic.pixel(x, y) == Quad) {
        ++seen;
        EXPECT_GE(x, 78);
        EXPECT_LE(x, 118);
      }
  EXPECT_GT(seen, 0);
}

TEST_F(PreviewTest, YellowGridAndRepeatedDrawing) {
  const std::vector<Color> before(pic.data(), pic.data() + PreviewPicture::Size * PreviewPicture::Size);
  drawPreview(pic, colors);
  EXPECT_TRUE(std::equal(before.begin(), before.end(), pic.data()));

  colors.PreviewColorGrid = 0x00FFFF;  // Sárga
  drawPreview(pic, colors);
  for (int x = 0; x < PreviewPicture::Size; ++x) {
    const Color expected = x == 100 ? Black : (x % 4 == 0 && x > 0) ? 0x00FFFF : White;
    EXPECT_EQ(pic.pixel(x, 198), expected) << x;
  }
  EXPECT_EQ(pic.pixel(99, 4), Black);
  EXPECT_EQ(pic.pixel(103, 4), 0x00FFFFu);
}

}  // namespace
}  // namespace graf

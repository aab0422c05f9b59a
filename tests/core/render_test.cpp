#include <gtest/gtest.h>

#include "plot/render.h"

namespace graf {
namespace {

TEST(Render, LinearConstantAtRow120) {
  PlotState st;
  Raster pic;
  st.FunctionCount = 1;
  st.FunctionKind[1] = Linear;
  st.CoefA[1] = 0;
  st.CoefB[1] = 10;
  clearPicture(st, pic, 0xF0F0F0);
  render(st, pic, nullptr);
  EXPECT_EQ(pic.pixel(205, 160), 0u);
  EXPECT_EQ(pic.pixel(49, 0), st.ColorGrid);
  EXPECT_EQ(pic.pixel(45, 102), 0xFFFFFFu);
  for (int x = 0; x < Raster::Width; ++x) EXPECT_EQ(pic.pixel(x, 120), st.ColorLinear) << x;
}

}  // namespace
}  // namespace graf

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

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

namespace graf {
namespace {

constexpr Color White = 0xFFFFFF;

// A fresh state with one stored function.
PlotState withFunction(double kind, double a, double b, double c) {
  PlotState st;
  st.FunctionCount = 1;
  st.FunctionKind[1] = kind;
  st.CoefA[1] = a;
  st.CoefB[1] = b;
  st.CoefC[1] = c;
  return st;
}

Raster rendered(PlotState& st) {
  Raster pic;
  clearPicture(st, pic, 0xF0F0F0);
  render(st, pic, nullptr);
  return pic;
}

bool samePicture(const Raster& a, const Raster& b) {
  return std::equal(a.data(), a.data() + Raster::Width * Raster::Height, b.data());
}

// f(x) = x at 1x, step 1: the segment for x = 0 runs from (209, 156) to
// (205, 160); (205, 160) itself comes from the segment for x = −1, which
// starts there. The curve is the whole diagonal through the origin.
TEST(Render, IdentityLineIsTheDiagonal) {
  PlotState st = withFunction(Linear, 1, 0, 0);
  st.SampleStep = 1.0;
  const Raster pic = rendered(st);
  for (int x = 0; x < Raster::Width; ++x) {
    for (int y = 0; y < Raster::Height; ++y) {
      const bool onCurve = x + y == 365;  // row 160 − 4·x' at column 205 + 4·x'
      EXPECT_EQ(pic.pixel(x, y) == st.ColorLinear, onCurve) << x << "," << y;
    }
  }
}

// Only the sample at x = −80 is never set. Panned so that it falls on the
// picture, at (45, 160): that pixel keeps the colour of the grid row 160
// while the pixel next to it along the curve is set.
TEST(Render, FirstSamplePointIsLeftOut) {
  PlotState st = withFunction(Linear, 1, 0, 0);
  st.SampleStep = 1.0;
  st.PanX = 160;
  st.PanY = -320;
  const Raster pic = rendered(st);
  EXPECT_EQ(pic.pixel(45, 160), st.ColorGrid);
  EXPECT_EQ(pic.pixel(46, 159), st.ColorLinear);
  EXPECT_EQ(pic.pixel(49, 156), st.ColorLinear);
}

// Vertical grid lines at columns 45 + k·u up to 365, horizontal ones at rows
// k·u up to 320: read along row 2 and column 50, which no axis, tick or other
// grid line crosses at rest (the axes lie on grid lines).
TEST(Render, GridLinesPerZoom) {
  struct Case {
    int zoom, lines;
  };
  for (const Case c : {Case{1, 80}, Case{2, 40}, Case{4, 20}, Case{8, 10}}) {
    PlotState st;
    st.ZoomFactor = c.zoom;
    const Raster pic = rendered(st);
    const int u = 4 * c.zoom;
    std::vector<int> columns, rows, wantColumns, wantRows;
    for (int x = 0; x < Raster::Width; ++x)
      if (pic.pixel(x, 2) != White) columns.push_back(x);
    for (int y = 0; y < Raster::Height; ++y)
      if (pic.pixel(50, y) != White) rows.push_back(y);
    for (int k = 1; k <= c.lines; ++k) {
      wantColumns.push_back(45 + k * u);
      wantRows.push_back(k * u);
    }
    EXPECT_EQ(columns, wantColumns) << c.zoom << "x";
    EXPECT_EQ(rows, wantRows) << c.zoom << "x";
  }
}

// A kind value other than 1.0 .. 4.0 draws nothing, but in load mode it still
// moves the progress bar.
TEST(Render, UnknownKindDrawsNothing) {
  PlotState empty;
  const Raster base = rendered(empty);
  for (double kind : {0.0, 5.0, 1.5, -1.0, std::nan("")}) {
    PlotState st = withFunction(kind, 1, 0, 0);
    st.LoadMode = 1;
    st.ProgressStep = 7;
    const Raster pic = rendered(st);
    EXPECT_TRUE(samePicture(pic, base)) << kind;
    EXPECT_EQ(st.ProgressPosition, 7) << kind;
  }
}

// Curves whose pixels all fall outside the picture, some with pixel
// coordinates far beyond any integer range: the picture is that of no
// function at all.
TEST(Render, CurveOutsideThePictureDrawsNothing) {
  struct Case {
    double kind, a, b, c;
    int panY;
  };
  const Case cases[] = {
      {Linear, 0, 1e6, 0, 0},              // far above
      {Linear, 0, -1e300, 0, 0},           // astronomically far below
      {Quadratic, 0, 0, 1e18, 0},
      {Quadratic, 1e306, 0, 1e306, 0},     // infinite for |x| above about 13
      {AbsoluteValue, 1e300, 1000, 1e300, 0},
      {Quadratic2, 1, 0, 100, -32 * 1000},  // panned far down
      {Linear, 100, 0, 0, -32 * 1000000},
  };
  for (const Case& c : cases) {
    PlotState empty;
    empty.PanY = c.panY;
    const Raster base = rendered(empty);
    PlotState st = withFunction(c.kind, c.a, c.b, c.c);
    st.PanY = c.panY;
    const Raster pic = rendered(st);
    EXPECT_TRUE(samePicture(pic, base)) << c.kind << " " << c.a << " " << c.b << " " << c.c;
  }
}

}  // namespace
}  // namespace graf

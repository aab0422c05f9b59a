// SPDX-License-Identifier: MIT
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
  st.table.FunctionCount = 1;
  st.table.FunctionKind[1] = Kind::Linear;
  st.table.CoefA[1] = 0;
  st.table.CoefB[1] = 10;
  clearPicture(st, pic, 0xF0F0F0);
  render(st, pic);
  EXPECT_EQ(pic.pixel(205, 160), 0u);
  EXPECT_EQ(pic.pixel(49, 0), st.settings.ColorGrid);
  EXPECT_EQ(pic.pixel(45, 102), 0xFFFFFFu);
  for (int x = 0; x < Raster::Width; ++x) EXPECT_EQ(pic.pixel(x, 120), st.settings.ColorLinear) << x;
}

}  // namespace
}  // namespace graf

namespace graf {
namespace {

constexpr Color White = 0xFFFFFF;

// A fresh state with one stored function.
PlotState withFunction(Kind kind, double a, double b, double c) {
  PlotState st;
  st.table.FunctionCount = 1;
  st.table.FunctionKind[1] = kind;
  st.table.CoefA[1] = a;
  st.table.CoefB[1] = b;
  st.table.CoefC[1] = c;
  return st;
}

Raster rendered(PlotState& st) {
  Raster pic;
  clearPicture(st, pic, 0xF0F0F0);
  render(st, pic);
  return pic;
}

bool samePicture(const Raster& a, const Raster& b) {
  return std::equal(a.data(), a.data() + Raster::Width * Raster::Height, b.data());
}

// f(x) = x at 1x, step 1: the segment for x = 0 runs from (209, 156) to
// (205, 160); (205, 160) itself comes from the segment for x = −1, which
// starts there. The curve is the whole diagonal through the origin.
TEST(Render, IdentityLineIsTheDiagonal) {
  PlotState st = withFunction(Kind::Linear, 1, 0, 0);
  st.settings.SampleStep = 1.0;
  const Raster pic = rendered(st);
  for (int x = 0; x < Raster::Width; ++x) {
    for (int y = 0; y < Raster::Height; ++y) {
      const bool onCurve = x + y == 365;  // row 160 − 4·x' at column 205 + 4·x'
      EXPECT_EQ(pic.pixel(x, y) == st.settings.ColorLinear, onCurve) << x << "," << y;
    }
  }
}

// Only the sample at x = −80 is never set. Panned so that it falls on the
// picture, at (45, 160): that pixel keeps the colour of the grid row 160
// while the pixel next to it along the curve is set.
TEST(Render, FirstSamplePointIsLeftOut) {
  PlotState st = withFunction(Kind::Linear, 1, 0, 0);
  st.settings.SampleStep = 1.0;
  st.view.PanX = 160;
  st.view.PanY = -320;
  const Raster pic = rendered(st);
  EXPECT_EQ(pic.pixel(45, 160), st.settings.ColorGrid);
  EXPECT_EQ(pic.pixel(46, 159), st.settings.ColorLinear);
  EXPECT_EQ(pic.pixel(49, 156), st.settings.ColorLinear);
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
    st.view.ZoomFactor = c.zoom;
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

// At 2x, panned right by 32 and up by 64: the grid stays where it is at rest,
// the axes and their ticks move with the pan. The expected picture is laid
// out line by line from the geometry, each line leaving out its end point.
TEST(Render, AxesAndTicksFollowThePanWhileTheGridStays) {
  PlotState st;
  st.view.ZoomFactor = 2;
  st.view.PanX = 32;
  st.view.PanY = -64;
  const Raster pic = rendered(st);

  std::vector<Color> want(static_cast<std::size_t>(Raster::Width) * Raster::Height, White);
  const auto set = [&](int x, int y, Color c) {
    if (x >= 0 && x < Raster::Width && y >= 0 && y < Raster::Height) want[static_cast<std::size_t>(y) * Raster::Width + x] = c;
  };
  const Color grid = st.settings.ColorGrid;
  for (int x = 53; x <= 365; x += 8)
    for (int y = 0; y < 365; ++y) set(x, y, grid);
  for (int y = 8; y <= 320; y += 8)
    for (int x = 45; x < 365; ++x) set(x, y, grid);
  for (int x = 41; x < 365; ++x) set(x, 96, 0);   // the x axis on row 160 − 64
  for (int y = 0; y < 320; ++y) set(237, y, 0);  // the y axis on column 205 + 32
  for (int x = 53; x <= 365; x += 8)
    for (int y = 95; y <= 97; ++y) set(x, y, 0);  // x ticks: the axis row and one on each side
  for (int y = 8; y <= 320; y += 8)
    for (int x = 236; x <= 238; ++x) set(x, y, 0);  // y ticks
  for (int y = 0; y < Raster::Height; ++y)
    for (int x = 0; x < Raster::Width; ++x)
      ASSERT_EQ(pic.pixel(x, y), want[static_cast<std::size_t>(y) * Raster::Width + x]) << x << "," << y;
}

// Each segment is drawn from its right end to its left end, so the pen ends
// at the left end of the last segment, the point of the last x below 80;
// also when that segment lies beside the picture and draws nothing.
TEST(Render, ThePenEndsAtTheLastPointDrawn) {
  struct Case {
    int zoom;
    double x, y;
  };
  for (const Case c : {Case{1, 521, 120}, Case{8, 205 + 32 * 79, 160 - 32 * 10}}) {
    PlotState st = withFunction(Kind::Linear, 0, 10, 0);
    st.settings.SampleStep = 1.0;
    st.view.ZoomFactor = c.zoom;
    const Raster pic = rendered(st);
    EXPECT_EQ(pic.currentX(), c.x) << c.zoom << "x";
    EXPECT_EQ(pic.currentY(), c.y) << c.zoom << "x";
  }
}

// Curves whose pixels all fall outside the picture, some with pixel
// coordinates far beyond any integer range: the picture is that of no
// function at all.
TEST(Render, CurveOutsideThePictureDrawsNothing) {
  struct Case {
    Kind kind;
  double a, b, c;
    int panY;
  };
  const Case cases[] = {
      {Kind::Linear, 0, 1e6, 0, 0},              // far above
      {Kind::Linear, 0, -1e300, 0, 0},           // astronomically far below
      {Kind::Quadratic, 0, 0, 1e18, 0},
      {Kind::Quadratic, 1e306, 0, 1e306, 0},     // infinite for |x| above about 13
      {Kind::AbsoluteValue, 1e300, 1000, 1e300, 0},
      {Kind::Quadratic2, 1, 0, 100, -32 * 1000},  // panned far down
      {Kind::Linear, 100, 0, 0, -32 * 1000000},
  };
  for (const Case& c : cases) {
    PlotState empty;
    empty.view.PanY = c.panY;
    const Raster base = rendered(empty);
    PlotState st = withFunction(c.kind, c.a, c.b, c.c);
    st.view.PanY = c.panY;
    const Raster pic = rendered(st);
    EXPECT_TRUE(samePicture(pic, base)) << kindNumber(c.kind) << " " << c.a << " " << c.b << " " << c.c;
  }
}

}  // namespace
}  // namespace graf

namespace graf {
namespace {

TEST(Render, PixelRoundingIsHalfToEven) {
  const struct {
    double in, out;
  } cases[] = {{0.5, 0},    {1.5, 2},       {2.5, 2},    {-0.5, 0},   {-1.5, -2},
               {-2.5, -2},  {2.4999, 2},    {-7.51, -8}, {1e300, 1e300},
               {4503599627370495.5, 4503599627370496.0},  // 2^52 − ½ goes to the even 2^52
               {2251799813685248.5, 2251799813685248.0},
               {1125899906842624.5, 1125899906842624.0}, {-1125899906842625.5, -1125899906842626.0},
               {-2.5000000000000004, -3}};
  for (const auto& c : cases) {
    EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
    // The branch-free rounding of the whole-number rows agrees below 2^51.
    if (std::fabs(c.in) < 0x1p51) {
      EXPECT_EQ(roundSmall(c.in), c.out) << c.in;
    }
  }
  EXPECT_TRUE(std::isinf(roundHalfEven(INFINITY)));
  EXPECT_TRUE(std::isnan(roundHalfEven(NAN)));
  // The pixel of x = 0.125 at 1x is 205.5, which goes to 206; at x = 0.375, 206.5 goes to 206.
  PlotState st;
  EXPECT_EQ(pixelColumn(st, 0.125), 206);
  EXPECT_EQ(pixelColumn(st, 0.375), 206);
  EXPECT_EQ(pixelRow(st, 0.125), 160);  // 159.5 goes to 160
}

}  // namespace
}  // namespace graf

namespace graf {
namespace {

// Every curve segment drawn in full, with none left out: what render must
// match pixel for pixel, however it spares itself the invisible ones.
std::vector<Color> everySegment(const PlotState& st, const Raster& background) {
  std::vector<Color> out(background.data(), background.data() + Raster::Width * Raster::Height);
  for (int i = 1; i <= st.table.FunctionCount; ++i) {
    const Kind k = st.table.FunctionKind[i];
    const double a = st.table.CoefA[i], b = st.table.CoefB[i], c = st.table.CoefC[i];
    const Color color = k == Kind::Linear ? st.settings.ColorLinear
                        : k == Kind::Quadratic ? st.settings.ColorQuadratic
                        : k == Kind::Quadratic2 ? st.settings.ColorQuadratic2
                                          : st.settings.ColorAbsolute;
    for (double x = -80.0; x < 80.0;) {
      const double xn = x + st.settings.SampleStep;
      drawLine(out.data(), Raster::Width, Raster::Height, pixelColumn(st, xn),
               pixelRow(st, evaluate(k, a, b, c, xn)), pixelColumn(st, x),
               pixelRow(st, evaluate(k, a, b, c, x)), color);
      x = xn;
    }
  }
  return out;
}

TEST(Render, CurvesMatchTheirSegmentsDrawnInFull) {
  for (int zoom : {1, 2, 8})
    for (int panX : {-160, 0, 96})
      for (double step : {0.1, 0.5, 1.0}) {
        PlotState st;
        st.view.ZoomFactor = zoom;
        st.view.PanX = panX;
        st.view.PanY = -64;
        st.settings.SampleStep = step;
        st.table.FunctionCount = 12;
        for (int i = 1; i <= 12; ++i) {
          st.table.FunctionKind[i] = graf::Kinds[static_cast<std::size_t>((i - 1) % 4)].kind;
          st.table.CoefA[i] = (i % 3 - 1) * 0.37 * i;
          st.table.CoefB[i] = i * 1.5 - 9;
          st.table.CoefC[i] = 20 - 3.25 * i;
        }
        Raster pic, background;
        clearPicture(st, pic, 0xF0F0F0);
        st.table.FunctionCount = 0;
        render(st, pic);  // grid, axes and ticks only
        background = pic;
        st.table.FunctionCount = 12;
        clearPicture(st, pic, 0xF0F0F0);
        render(st, pic);
        const auto expected = everySegment(st, background);
        ASSERT_TRUE(std::equal(expected.begin(), expected.end(), pic.data()))
            << "zoom " << zoom << " pan " << panX << " step " << step;
      }
}

}  // namespace
}  // namespace graf

// SPDX-License-Identifier: MIT
// The present renderer against the first one, kept in reference_render: the
// same pixels and the same pen position for random tables at every zoom,
// pan bound and step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>

#include "plot/render.h"
#include "tests/core/reference_render.h"

namespace graf {
namespace {

constexpr Color Face = 0xF0F0F0;

std::string describe(const PlotState& st) {
  std::ostringstream out;
  out.precision(17);
  out << "zoom " << st.view.ZoomFactor << " pan " << st.view.PanX << "," << st.view.PanY << " step "
      << st.settings.SampleStep << " cleared " << st.flags.PictureCleared << " functions:";
  for (int i = 1; i <= st.table.FunctionCount; ++i)
    out << " [" << kindNumber(st.table.FunctionKind[i]) << " " << st.table.CoefA[i] << " " << st.table.CoefB[i] << " "
        << st.table.CoefC[i] << "]";
  return out.str();
}

// Renders with the present renderer and compares with the reference; the
// first differing pixel is named.
void expectSameAsReference(const PlotState& st) {
  Raster pic;
  clearPicture(st, pic, Face);
  render(st, pic);
  const reference::Picture want = reference::picture(st, Face);
  const auto end = pic.data() + Raster::Width * Raster::Height;
  const auto diff = std::mismatch(pic.data(), end, want.pixels.begin());
  if (diff.first != end) {
    const auto at = diff.first - pic.data();
    ADD_FAILURE() << "pixel " << at % Raster::Width << "," << at / Raster::Width << " is " << std::hex << *diff.first
                  << " instead of " << *diff.second << std::dec << "; " << describe(st);
  }
  // NaN pens (curves beyond every number) compare as both NaN.
  const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
  EXPECT_TRUE(same(pic.currentX(), want.penX) && same(pic.currentY(), want.penY))
      << pic.currentX() << "," << pic.currentY() << " instead of " << want.penX << "," << want.penY << "; "
      << describe(st);
}

TEST(RenderReference, RandomTablesGiveTheSamePictures) {
  std::mt19937_64 rng(20261210);
  const auto pick = [&](auto const& options) {
    return options[std::uniform_int_distribution<std::size_t>(0, std::size(options) - 1)(rng)];
  };
  const int zooms[] = {1, 2, 4, 8};
  const int pansX[] = {-160, -160, -128, -32, 0, 32, 96, 160, 160};
  const int pansY[] = {-3200, -640, -320, -160, -32, 0, 32, 160, 320, 640, 3200};
  const double steps[] = {1.0, 0.5, 0.1};
  const double magnitudes[] = {100, 10, 1, 0.1};
  for (int round = 0; round < 320; ++round) {
    PlotState st;
    st.view.ZoomFactor = zooms[round % 4];  // every zoom equally often
    st.view.PanX = pick(pansX);
    st.view.PanY = pick(pansY);
    st.settings.SampleStep = steps[(round / 4) % 3];
    st.flags.PictureCleared = round % 7 == 0;
    st.table.FunctionCount = std::uniform_int_distribution<int>(1, MaxFunctions)(rng);
    for (int i = 1; i <= st.table.FunctionCount; ++i) {
      st.table.FunctionKind[i] = Kinds[std::uniform_int_distribution<std::size_t>(0, 3)(rng)].kind;
      for (double* coef : {&st.table.CoefA[i], &st.table.CoefB[i], &st.table.CoefC[i]}) {
        const double m = pick(magnitudes);
        // Two decimals, as typed: a whole number of hundredths.
        const double hundredths = std::round(std::uniform_real_distribution<double>(-m, m)(rng) * 100);
        *coef = hundredths / 100;
      }
    }
    expectSameAsReference(st);
  }
}

// The background written at once over a fresh clear, and drawn line by line
// over a picture already written (a render without a clear before it), give
// the reference's pixels at every zoom, pan and clear colour; a pan as far as
// 32 bits go moves the x axis out of the picture.
TEST(RenderReference, BackgroundWrittenAtOnceEqualsTheLinesDrawn) {
  const int pansY[] = {-3200, -192, -160, -128, -32, 0, 32, 128, 160, 192, 3200, 1 << 30, -(1 << 30)};
  Raster lines, once;
  for (int zoom : {1, 2, 4, 8})
    for (int panX : {-160, -128, -32, 0, 32, 160})
      for (int panY : pansY)
        for (bool cleared : {false, true}) {
          PlotState st;
          st.view.ZoomFactor = zoom;
          st.view.PanX = panX;
          st.view.PanY = panY;
          st.flags.PictureCleared = cleared;
          st.table.FunctionCount = 0;  // the pen ends on the last tick
          expectSameAsReference(st);
          clearPicture(st, lines, Face);
          ASSERT_NE(lines.pixel(0, 0), 0u);  // reading writes the clear
          render(st, lines);
          clearPicture(st, once, Face);
          render(st, once);
          const auto end = once.data() + Raster::Width * Raster::Height;
          EXPECT_TRUE(std::equal(once.data(), end, lines.data())) << describe(st);
          EXPECT_EQ(once.currentX(), lines.currentX());
          EXPECT_EQ(once.currentY(), lines.currentY());
        }
  for (int panY : {2147483616, -2147483616}) {
    PlotState far, away;
    far.view.PanY = panY;
    away.view.PanY = 3200;
    for (bool written : {false, true}) {
      Raster a, b;
      clearPicture(far, a, Face);
      clearPicture(away, b, Face);
      if (written) a.pixel(0, 0), b.pixel(0, 0);
      render(far, a);
      render(away, b);
      EXPECT_TRUE(std::equal(a.data(), a.data() + Raster::Width * Raster::Height, b.data())) << panY;
    }
  }
}

// Curves that cross the picture in a few columns, and turning points on,
// beside and between sample points: the samples skipped as lying beyond an
// edge of the picture must be exactly those whose segments set no pixel.
TEST(RenderReference, SteepCurvesAndTurningPointsGiveTheSamePictures) {
  std::mt19937_64 rng(19);
  const auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
  const auto hundredths = [](double v) { return std::round(v * 100) / 100; };
  const int zooms[] = {1, 2, 4, 8};
  const double steps[] = {1.0, 0.5, 0.1};
  for (int round = 0; round < 240; ++round) {
    PlotState st;
    const int zoom = zooms[round % 4];
    st.view.ZoomFactor = zoom;
    st.view.PanX = 32 * std::uniform_int_distribution<int>(-5, 5)(rng);
    st.view.PanY = 32 * std::uniform_int_distribution<int>(-20, 20)(rng);
    st.settings.SampleStep = steps[(round / 4) % 3];
    st.table.FunctionCount = std::uniform_int_distribution<int>(1, MaxFunctions)(rng);
    // The plot point at the picture's centre, where the curves are aimed.
    const double cx = -st.view.PanX / (4.0 * zoom), cy = st.view.PanY / (4.0 * zoom);
    for (int i = 1; i <= st.table.FunctionCount; ++i) {
      const Kind kind = Kinds[static_cast<std::size_t>(i % 4)].kind;
      st.table.FunctionKind[i] = kind;
      const double a = hundredths(uniform(-1, 1) * (i % 3 == 0 ? 100 : i % 3 == 1 ? 10 : 1));
      double b = hundredths(cx + uniform(-40, 40) / zoom);
      if (i % 5 == 0) b = st.settings.SampleStep * std::round(b / st.settings.SampleStep);  // on a sample
      double c = hundredths(cy + uniform(-40, 40) / zoom);
      switch (kind) {
        case Kind::Linear: b = hundredths(cy - a * cx + uniform(-20, 20) / zoom); break;
        case Kind::Quadratic:
          // The turning point −B / (2A) near the centre, now and then on a sample.
          b = hundredths(-2 * a * (i % 5 == 0 ? std::round(cx) : cx + uniform(-20, 20) / zoom));
          break;
        default: break;
      }
      st.table.CoefA[i] = a;
      st.table.CoefB[i] = b;
      st.table.CoefC[i] = c;
    }
    expectSameAsReference(st);
  }
}

// The farthest a curve of the program reaches: coefficients at ±100, the
// coarsest step (x up to 81), 8x, panned so that its farthest sample comes
// back to the picture. Every segment that is not wholly beside the picture
// keeps its ends within the line's limit, even for the sum of two such curves,
// and the picture is the reference's.
TEST(RenderReference, TheFarthestCurvesStayWithinTheLineLimit) {
  const double u = pixelsPerUnit(8);
  for (Kind kind : {Kind::Linear, Kind::Quadratic, Kind::Quadratic2, Kind::AbsoluteValue})
    for (double sign : {1.0, -1.0})
      for (double step : {1.0, 0.1}) {
        const double a = 100 * sign, b = kind == Kind::Quadratic ? 100 * sign : -100 * sign, c = 100 * sign;
        double farthest = 0;
        for (double x = -80; x < 80 + step; x += step)
          farthest = std::max(farthest, std::fabs(evaluate(kind, a, b, c, x)));
        // The sum of two curves reaches twice as far; between two samples the
        // row moves by at most twice the reach, from an end inside the picture.
        EXPECT_LT(Raster::Height + 2 * u * (2 * farthest), LineLimit) << kindNumber(kind);
        for (double to : {farthest, -farthest}) {
          PlotState st;
          st.view.ZoomFactor = 8;
          st.view.PanY = 32 * static_cast<int>(std::round(-u * to / 32));
          st.settings.SampleStep = step;
          st.table.FunctionCount = 1;
          st.table.FunctionKind[1] = kind;
          st.table.CoefA[1] = a;
          st.table.CoefB[1] = b;
          st.table.CoefC[1] = c;
          expectSameAsReference(st);
        }
      }
}

// Curves with rows far beyond any whole-number array, infinite or not a
// number at all, next to ordinary ones, and the zoom factors and steps that
// never occur: the exact path draws what the reference draws. Where the
// reference drew segments with ends beyond the line's limit (coefficients and
// steps no load or setting lets in), such a segment now draws nothing, so the
// picture is the reference's with those curves left out.
TEST(RenderReference, ExtremeCurvesGiveTheSamePictures) {
  enum class Beyond { Nothing, Curve2, Curves };  // what crosses the picture beyond the limit
  struct Case {
    Kind kind;
    double a, b, c;
    int zoom, panY;
    double step;
    Beyond beyond;
  };
  const Case cases[] = {
      {Kind::Quadratic, 1e306, 0, 1e306, 1, 0, 0.1, Beyond::Nothing},  // infinite for |x| above about 13
      {Kind::Linear, 0, -1e300, 0, 8, 0, 0.5, Beyond::Nothing},
      {Kind::Linear, 1e12, 3, 0, 2, 0, 0.1, Beyond::Curve2},  // rows beyond 2^30 inside the picture's columns
      {Kind::Linear, 2.5e8, 0, 0, 8, 0, 0.1, Beyond::Curve2},  // across the picture from ±8·10^8
      {Kind::Linear, 1.5e8, 0, 0, 8, 0, 0.1, Beyond::Nothing},  // from ±4.8·10^8, within the limit
      {Kind::Linear, 1e5, 3, 0, 2, 0, 0.1, Beyond::Nothing},  // rows within the limit, beyond 2^23
      {Kind::AbsoluteValue, 1e300, 1000, 1e300, 4, 0, 1.0, Beyond::Nothing},
      {Kind::Quadratic2, 1e200, 0, -1e200, 1, 0, 0.1, Beyond::Nothing},   // ∞ − ∞ is not a number
      {Kind::Linear, 100, 0, 0, 1, -32 * 1000000, 0.1, Beyond::Nothing},  // panned far down
      {Kind::Quadratic, 100, 100, 100, 8, 32 * 1000, 0.1, Beyond::Nothing},
      {Kind::Linear, 1, 0, 0, 3, 0, 0.1, Beyond::Nothing},  // not a zoom factor: only the background
      {Kind::Linear, 1, 0, 0, 1, 0, 0, Beyond::Nothing},    // a step that never ends: no curve
      {Kind::Linear, 1, 0, 0, 1, 0, 1e-300, Beyond::Nothing},
      {Kind::Linear, 1, 0, 0, 1, 0, 200, Beyond::Nothing},          // one segment
      {Kind::Quadratic, 0.5, 0, -10, 1, 0, 1e300, Beyond::Curves},  // one segment from 10^300
  };
  for (const Case& c : cases) {
    PlotState st;
    st.view.ZoomFactor = c.zoom;
    st.view.PanY = c.panY;
    st.settings.SampleStep = c.step;
    st.table.FunctionCount = 3;
    st.table.FunctionKind[1] = Kind::Quadratic;
    st.table.CoefA[1] = 0.25;
    st.table.CoefC[1] = -20;
    st.table.FunctionKind[2] = c.kind;
    st.table.CoefA[2] = c.a;
    st.table.CoefB[2] = c.b;
    st.table.CoefC[2] = c.c;
    st.table.FunctionKind[3] = Kind::Linear;
    st.table.CoefA[3] = -1;
    st.table.CoefB[3] = 5;
    if (c.beyond == Beyond::Nothing) {
      expectSameAsReference(st);
      continue;
    }
    PlotState without = st;
    if (c.beyond == Beyond::Curves) without.table.FunctionCount = 0;
    without.table.FunctionKind[2] = Kind::Linear;  // a curve wholly above the picture
    without.table.CoefA[2] = 0;
    without.table.CoefB[2] = 1e6;
    Raster pic;
    clearPicture(st, pic, Face);
    render(st, pic);
    const reference::Picture want = reference::picture(without, Face);
    EXPECT_TRUE(std::equal(want.pixels.begin(), want.pixels.end(), pic.data())) << describe(st);
    // The reference draws more here, so the pictures must differ.
    EXPECT_FALSE(std::equal(want.pixels.begin(), want.pixels.end(), reference::picture(st, Face).pixels.begin()))
        << describe(st);
    EXPECT_EQ(pic.currentX(), reference::picture(st, Face).penX) << describe(st);
  }
}

}  // namespace
}  // namespace graf

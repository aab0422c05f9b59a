// SPDX-License-Identifier: MIT
#pragma once
// Drawing the picture: clearing it, and rendering grid, axes, ticks and
// curves from the function table.
#include <functional>

#include "plot/plot_state.h"
#include "plot/raster.h"

namespace graf {

// Pixel column and row of a plot point, rounded to the nearest whole number
// with halves to even: round(205 + u·x + PanX) and round(160 − u·y + PanY),
// u = 4·ZoomFactor.
double pixelColumn(const PlotState& st, double x);
double pixelRow(const PlotState& st, double y);

// Samples x from −80 in steps of SampleStep while x < 80 and draws, with the
// current pen, the segment from the point at x + s to the point at x, where
// the point's y is f(x) for the given function (or the sum of two).
template <class F>
void sampleCurve(const PlotState& st, Raster& pic, F f);

// Fills the whole picture with the window face colour (PictureCleared 1) or
// white; pen and brush keep that colour. Creates the raster on first use.
void clearPicture(const PlotState& st, Raster& pic, Color faceColor);

// Whether render draws the grid and the curves for the state's zoom: the
// grid's cells must fit the picture's 320 rows exactly.
inline bool rendersGrid(const PlotState& st) {
  const int u = pixelsPerUnit(st.view.ZoomFactor);
  return u > 0 && 320 % u == 0;
}

// Grid, axes, ticks, then every stored function in table order: the picture
// is a function of the state alone. `beforeCurve`, when given, runs before
// each stored function is drawn (a load moves its progress bar on there).
void render(const PlotState& st, Raster& pic, const std::function<void()>& beforeCurve = {});

// Round to the nearest whole number, halves to even, in the default rounding
// mode: adding and taking away 2^52 leaves no fraction bits. Values of 2^52
// and more are whole already (and infinities and NaN pass through).
inline double roundHalfEven(double v) {
  constexpr double big = 4503599627370496.0;  // 2^52
  if (!(v < big && v > -big)) return v;
  return v >= 0 ? (v + big) - big : (v - big) + big;
}

// The same rounding without a branch, for |v| < 2^51 (NaN and values beyond
// give nonsense): adding and taking away 1.5·2^52 leaves no fraction bits.
inline double roundSmall(double v) {
  constexpr double shift = 6755399441055744.0;  // 1.5·2^52
  return (v + shift) - shift;
}

// The one mapping from plot point to pixel, before rounding: 205 + u·x + PanX
// and 160 − u·y + PanY, worked out in exactly this order.
inline double unroundedColumn(double u, int panX, double x) { return OriginColumn + u * x + panX; }
inline double unroundedRow(double u, int panY, double y) { return OriginRow - u * y + panY; }

inline double pixelColumn(const PlotState& st, double x) {
  return roundHalfEven(unroundedColumn(pixelsPerUnit(st.view.ZoomFactor), st.view.PanX, x));
}

inline double pixelRow(const PlotState& st, double y) {
  return roundHalfEven(unroundedRow(pixelsPerUnit(st.view.ZoomFactor), st.view.PanY, y));
}

template <class F>
void sampleCurve(const PlotState& st, Raster& pic, F f) {
  const double s = st.settings.SampleStep;
  // A step that is not positive, or too small to move x, would never end.
  if (!(s > 0.0) || !(-80.0 + s > -80.0)) return;
  const auto column = [&](double x) { return pixelColumn(st, x); };
  const auto row = [&](double y) { return pixelRow(st, y); };
  // Each segment runs from the point at x + s back to the point at x; the
  // point at x + s is the end of the next segment, so it is worked out once.
  // A segment whose two columns lie on the same side beyond the picture sets
  // no pixel whatever its rows are, so its f values are not even computed.
  const auto beside = [](double a, double b) { return bothBeside<double>(a, b, Raster::Width); };
  double x = -80.0;
  double px = column(x), py = 0;
  bool pyKnown = false;
  double lastX = x;  // the left end of the last segment, where its line ends
  do {
    const double xn = x + s;
    const double nx = column(xn);
    lastX = x;
    if (beside(nx, px)) {
      pyKnown = false;
    } else {
      if (!pyKnown) py = row(f(x));
      const double ny = row(f(xn));
      pic.moveTo(nx, ny);
      pic.lineTo(px, py);
      py = ny;
      pyKnown = true;
    }
    px = nx;
    x = xn;
  } while (x < 80.0);
  // Every segment is drawn from its right end to its left end, so the pen
  // ends at the left end of the last one.
  pic.moveTo(column(lastX), row(f(lastX)));
}

}  // namespace graf

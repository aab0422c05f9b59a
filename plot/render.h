#pragma once
// Drawing the picture: clearing it, and rendering grid, axes, ticks and
// curves from the function table.
#include "plot/plot_state.h"
#include "plot/raster.h"

namespace graf {

class LoadPort;

// f(x) of one function, evaluated in exactly this order for each kind:
// Linear A·x + B; Quadratic A·(x·x) + B·x + C; Quadratic2 A·((x − B)·(x − B)) + C;
// AbsoluteValue |x − B|·A + C. Any other kind value gives NaN.
double evaluate(double kind, double a, double b, double c, double x);

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

// Grid, axes, ticks, then every stored function in table order. In load
// mode, advances the progress bar once per function.
void render(PlotState& st, Raster& pic, LoadPort* progress);

template <class F>
void sampleCurve(const PlotState& st, Raster& pic, F f) {
  const double s = st.SampleStep;
  // A step that is not positive, or too small to move x, would never end.
  if (!(s > 0.0) || !(-80.0 + s > -80.0)) return;
  double x = -80.0;
  do {
    const double xn = x + s;
    pic.moveTo(pixelColumn(st, xn), pixelRow(st, f(xn)));
    pic.lineTo(pixelColumn(st, x), pixelRow(st, f(x)));
    x = xn;
  } while (x < 80.0);
}

}  // namespace graf

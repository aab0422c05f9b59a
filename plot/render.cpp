#include "plot/render.h"

#include <cmath>

#include "plot/ports.h"

namespace graf {

double evaluate(double kind, double a, double b, double c, double x) {
  if (kind == Linear) return a * x + b;
  if (kind == Quadratic) return a * (x * x) + b * x + c;
  if (kind == Quadratic2) return a * ((x - b) * (x - b)) + c;
  if (kind == AbsoluteValue) return std::fabs(x - b) * a + c;
  return std::nan("");
}

double pixelColumn(const PlotState& st, double x) {
  const double u = 4.0 * st.ZoomFactor;
  return roundHalfEven(205.0 + u * x + st.PanX);
}

double pixelRow(const PlotState& st, double y) {
  const double u = 4.0 * st.ZoomFactor;
  return roundHalfEven(160.0 - u * y + st.PanY);
}

void clearPicture(const PlotState& st, Raster& pic, Color faceColor) {
  pic.create();
  const Color c = st.PictureCleared == 1 ? faceColor : 0xFFFFFF;
  pic.setPenColor(c);
  pic.setBrushColor(c);
  pic.rectangle(0, 0, Raster::Width, Raster::Height);
}

static Color kindColor(const PlotState& st, double kind, bool& known) {
  known = true;
  if (kind == Linear) return st.ColorLinear;
  if (kind == Quadratic) return st.ColorQuadratic;
  if (kind == Quadratic2) return st.ColorQuadratic2;
  if (kind == AbsoluteValue) return st.ColorAbsolute;
  known = false;
  return 0;
}

void render(PlotState& st, Raster& pic, LoadPort* progress) {
  pic.create();
  const int u = 4 * st.ZoomFactor;
  // ZoomFactor is always 1, 2, 4 or 8; anything else would make the loops
  // below miss their exact end values.
  if (u <= 0 || 320 % u != 0) return;

  pic.setPenColor(st.ColorGrid);
  int x = 45;
  do {
    x += u;
    pic.moveTo(x, 0);
    pic.lineTo(x, 365);
  } while (x < 365);
  int y = 0;
  do {
    y += u;
    pic.moveTo(45, y);
    pic.lineTo(365, y);
  } while (y != 320);

  pic.setPenColor(0);
  pic.moveTo(41, 160 + st.PanY);
  pic.lineTo(365, 160 + st.PanY);
  pic.moveTo(205 + st.PanX, 0);
  pic.lineTo(205 + st.PanX, 320);

  x = 45;
  do {
    x += u;
    pic.moveTo(x, 161 + st.PanY);
    pic.lineTo(x, 158 + st.PanY);
  } while (x != 365);
  y = 0;
  do {
    y += u;
    pic.moveTo(204 + st.PanX, y);
    pic.lineTo(207 + st.PanX, y);
  } while (y != 320);

  for (int i = 1; i <= st.FunctionCount && i <= MaxFunctions; ++i) {
    if (st.LoadMode == 1) {
      st.ProgressPosition = static_cast<std::uint8_t>(st.ProgressPosition + st.ProgressStep);
      if (progress) progress->setProgressPosition(st.ProgressPosition);
    }
    bool known = false;
    const double kind = st.FunctionKind[i];
    const Color color = kindColor(st, kind, known);
    if (!known) continue;
    pic.setPenColor(color);
    const double a = st.CoefA[i], b = st.CoefB[i], c = st.CoefC[i];
    sampleCurve(st, pic, [&](double t) { return evaluate(kind, a, b, c, t); });
  }
}

}  // namespace graf

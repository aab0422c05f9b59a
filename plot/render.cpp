#include "plot/render.h"


namespace graf {

void clearPicture(const PlotState& st, Raster& pic, Color faceColor) {
  pic.create();
  const Color c = st.flags.PictureCleared ? faceColor : 0xFFFFFF;
  pic.setPenColor(c);
  pic.setBrushColor(c);
  pic.rectangle(0, 0, Raster::Width, Raster::Height);
}

void render(const PlotState& st, Raster& pic, const std::function<void()>& beforeCurve) {
  pic.create();
  const int u = pixelsPerUnit(st.view.ZoomFactor);
  // ZoomFactor is always 1, 2, 4 or 8; anything else would make the loops
  // below miss their exact end values.
  if (u <= 0 || 320 % u != 0) return;

  pic.setPenColor(st.settings.ColorGrid);
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
  pic.moveTo(41, OriginRow + st.view.PanY);
  pic.lineTo(365, OriginRow + st.view.PanY);
  pic.moveTo(OriginColumn + st.view.PanX, 0);
  pic.lineTo(OriginColumn + st.view.PanX, 320);

  x = 45;
  do {
    x += u;
    pic.moveTo(x, 161 + st.view.PanY);
    pic.lineTo(x, 158 + st.view.PanY);
  } while (x != 365);
  y = 0;
  do {
    y += u;
    pic.moveTo(204 + st.view.PanX, y);
    pic.lineTo(207 + st.view.PanX, y);
  } while (y != 320);

  for (int i = 1; i <= st.table.FunctionCount && i <= MaxFunctions; ++i) {
    if (beforeCurve) beforeCurve();
    const KindInfo& kind = kindInfo(st.table.FunctionKind[i]);
    pic.setPenColor(st.settings.*kind.color);
    const double a = st.table.CoefA[i], b = st.table.CoefB[i], c = st.table.CoefC[i];
    sampleCurve(st, pic, [&](double t) { return kind.f(a, b, c, t); });
  }
}

}  // namespace graf

#include "plot/render.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace graf {

namespace {

// Drawing code that uses the wide vector registers may leave their upper
// halves dirty, which slows every following scalar instruction on many x86
// processors until they are cleared. The redraw clears them on entry where
// the processor has them.
#if defined(__x86_64__) || defined(__i386__)
#if defined(__AVX__)
void clearUpperVectorState() { __builtin_ia32_vzeroupper(); }
#else
[[gnu::target("avx")]] void vzeroupper() { __builtin_ia32_vzeroupper(); }
void clearUpperVectorState() {
  if (__builtin_cpu_supports("avx")) vzeroupper();
}
#endif
#else
void clearUpperVectorState() {}
#endif

// Pixel positions within this bound are drawn through whole-number arrays.
constexpr double SmallLimit = 1073741824.0;  // 2^30
// Adding and taking away 1.5·2^52 rounds any |v| < 2^51 to the nearest whole
// number, halves to even, without a branch: the same as roundHalfEven.
constexpr double RoundingShift = 6755399441055744.0;

// What every curve of one redraw shares: the sample points x (by repeated
// addition of the step from −80, the last one at 80 or beyond), their pixel
// columns, and the segments first..last whose columns are not both beside
// the picture (the columns never decrease, so these are one run).
struct Sampling {
  std::vector<double> x;
  std::vector<int> column;
  std::size_t first = 1, last = 0;  // no segment
};

// False when the step would never end or a column is too far out for the
// whole-number arrays; the curves are then sampled one by one.
bool sampleColumns(const PlotState& st, Sampling& sm) {
  const double s = st.settings.SampleStep;
  if (!(s > 0.0) || !(-80.0 + s > -80.0)) return false;
  if (!(160.0 / s < 1048576.0)) return false;  // steps this fine need no shared table
  const double u = pixelsPerUnit(st.view.ZoomFactor);
  double x = -80.0;
  sm.x.push_back(x);
  do {
    x = x + s;
    sm.x.push_back(x);
  } while (x < 80.0);
  sm.column.resize(sm.x.size());
  for (std::size_t k = 0; k < sm.x.size(); ++k) {
    const double c = unroundedColumn(u, st.view.PanX, sm.x[k]);
    if (!(std::fabs(c) < SmallLimit)) return false;
    sm.column[k] = static_cast<int>((c + RoundingShift) - RoundingShift);
  }
  bool any = false;
  for (std::size_t k = 0; k + 1 < sm.x.size(); ++k) {
    if (bothBeside(sm.column[k], sm.column[k + 1], Raster::Width)) continue;
    if (!any) sm.first = k;
    sm.last = k;
    any = true;
  }
  return true;
}

// f(x) of one kind, in the same order of operations as the kind table.
template <Kind K>
inline double valueOf(double a, double b, double c, double x) {
  if constexpr (K == Kind::Linear) return a * x + b;
  else if constexpr (K == Kind::Quadratic) return a * (x * x) + b * x + c;
  else if constexpr (K == Kind::Quadratic2) return a * ((x - b) * (x - b)) + c;
  else return std::fabs(x - b) * a + c;
}

// One stored curve: the rows of the points that can matter, then each
// segment from its right end to its left end, as sampleCurve draws it. A
// curve with a row beyond the whole-number arrays is drawn by sampleCurve.
template <Kind K>
void drawCurve(const PlotState& st, const Sampling& sm, Raster& pic, double a, double b, double c,
               std::vector<int>& rows) {
  const double u = pixelsPerUnit(st.view.ZoomFactor);
  const int panY = st.view.PanY;
  const double lastX = sm.x[sm.x.size() - 2];
  if (sm.first <= sm.last) {
    int fit = 1;
    for (std::size_t k = sm.first; k <= sm.last + 1; ++k) {
      const double v = unroundedRow(u, panY, valueOf<K>(a, b, c, sm.x[k]));
      const bool small = std::fabs(v) < SmallLimit;  // false for NaN
      fit &= static_cast<int>(small);
      rows[k] = static_cast<int>(((small ? v : 0.0) + RoundingShift) - RoundingShift);
    }
    if (!fit) {
      sampleCurve(st, pic, [&](double t) { return valueOf<K>(a, b, c, t); });
      return;
    }
    Color* const pixels = pic.data();
    const Color color = pic.penColor();
    for (std::size_t k = sm.first; k <= sm.last; ++k) {
      const int y0 = rows[k + 1], y1 = rows[k];
      if (bothBeside(y0, y1, Raster::Height)) continue;
      drawPixelLine(pixels, Raster::Width, Raster::Height, sm.column[k + 1], y0, sm.column[k], y1, color);
    }
  }
  pic.moveTo(roundHalfEven(unroundedColumn(u, st.view.PanX, lastX)),
             roundHalfEven(unroundedRow(u, panY, valueOf<K>(a, b, c, lastX))));
}

}  // namespace

void clearPicture(const PlotState& st, Raster& pic, Color faceColor) {
  pic.create();
  const Color c = st.flags.PictureCleared ? faceColor : 0xFFFFFF;
  pic.setPenColor(c);
  pic.setBrushColor(c);
  pic.rectangle(0, 0, Raster::Width, Raster::Height);
}

void render(const PlotState& st, Raster& pic, const std::function<void()>& beforeCurve) {
  clearUpperVectorState();
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

  Sampling sm;
  const bool shared = st.table.FunctionCount > 0 && sampleColumns(st, sm);
  std::vector<int> rows(sm.x.size());
  for (int i = 1; i <= st.table.FunctionCount && i <= MaxFunctions; ++i) {
    if (beforeCurve) beforeCurve();
    const Kind kind = st.table.FunctionKind[i];
    pic.setPenColor(kindColor(st.settings, kind));
    const double a = st.table.CoefA[i], b = st.table.CoefB[i], c = st.table.CoefC[i];
    if (!shared) {
      sampleCurve(st, pic, [&](double t) { return evaluate(kind, a, b, c, t); });
      continue;
    }
    switch (kind) {
      case Kind::Linear: drawCurve<Kind::Linear>(st, sm, pic, a, b, c, rows); break;
      case Kind::Quadratic: drawCurve<Kind::Quadratic>(st, sm, pic, a, b, c, rows); break;
      case Kind::Quadratic2: drawCurve<Kind::Quadratic2>(st, sm, pic, a, b, c, rows); break;
      case Kind::AbsoluteValue: drawCurve<Kind::AbsoluteValue>(st, sm, pic, a, b, c, rows); break;
    }
  }
}

}  // namespace graf

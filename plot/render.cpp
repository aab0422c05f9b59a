// SPDX-License-Identifier: MIT
#include "plot/render.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "plot/background.h"

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

// Pixel positions within this bound are drawn through whole-number arrays,
// straight into the line for whole-number ends; beyond it, through the line
// for any ends, which has the same rule.
constexpr double SmallLimit = LineLimit;

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
    sm.column[k] = static_cast<int>(roundSmall(c));
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
  if constexpr (K == Kind::Linear)
    return a * x + b;
  else if constexpr (K == Kind::Quadratic)
    return a * (x * x) + b * x + c;
  else if constexpr (K == Kind::Quadratic2)
    return a * ((x - b) * (x - b)) + c;
  else
    return std::fabs(x - b) * a + c;
}

// Where a curve can be skipped. Its rows are worked out exactly as they are
// drawn, with rounding errors of at most `slack` pixels against the true value
// of f at the same sample x. On a run of samples where the true f is monotone,
// every sample between two samples that lie at least a pixel beyond the same
// edge of the picture lies at least half a pixel beyond it (slack ≤ 1/4), so
// its row is beside the picture on that side and every segment between them
// is turned away: only the samples from the last such sample at the start of
// the run to the first one at its end are worked out, found by bisection.
struct Span {
  std::size_t first, last;  // samples first..last, segments first..last−1
};

// The side of the picture a row lies beyond by at least a pixel: −1 above,
// +1 below, 0 near or inside (and for NaN).
inline int farSide(double row) {
  if (row <= -2.0) return -1;
  if (row >= Raster::Height + 1.0) return 1;
  return 0;
}

// The samples p..q of a monotone run that can set pixels, or none.
template <class Row>
bool monotoneSpan(const Row& row, std::size_t p, std::size_t q, Span& out) {
  const int sp = farSide(row(p)), sq = farSide(row(q));
  if (sp != 0 && sp == sq) return false;  // the whole run lies beyond one edge
  std::size_t lo = p, hi = q;
  if (sp != 0) {  // the last sample still beyond the start's edge
    std::size_t in = q;
    while (in - lo > 1) {
      const std::size_t mid = lo + (in - lo) / 2;
      (farSide(row(mid)) == sp ? lo : in) = mid;
    }
  }
  if (sq != 0) {  // the first sample already beyond the end's edge
    std::size_t in = lo;
    while (hi - in > 1) {
      const std::size_t mid = in + (hi - in) / 2;
      (farSide(row(mid)) == sq ? hi : in) = mid;
    }
  }
  out = {lo, hi};
  return true;
}

// An upper bound of the rounding error of a row, in pixels: f takes at most
// five rounded operations on terms no larger than |A|·X² + |B|·X + |C| with
// X = 81 + |B| (|x| < 81), then the row two more. Infinite or NaN for
// coefficients that are not finite.
inline double rowSlack(double a, double b, double c, double u, int panY) {
  const double m = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
  const double reach = 81.0 + m;
  const double terms = m * reach * reach + m * reach + m;
  return 8.0 * 0x1p-53 * (u * terms + std::fabs(double(panY)) + 1024.0);
}

// The samples of one curve that can set pixels, as at most three spans in
// increasing order: the monotone runs of f on either side of its turning
// point, and the samples around that point. Returns their number.
template <Kind K, class Row>
int curveSpans(const Sampling& sm, double a, double b, const Row& row, Span* spans) {
  const std::size_t p = sm.first, q = sm.last + 1;
  // The turning point: A·x² + B·x has it at −B / (2A), computed within a
  // rounding error; the other two kinds at B exactly. Samples within `near` of
  // it form a run of their own, worked out in full.
  bool turns = false;
  double turn = 0, near = 0;
  if constexpr (K == Kind::Quadratic) {
    if (a != 0) {
      turns = true;
      turn = -b / (2.0 * a);
      near = 1e-9 * (1.0 + std::fabs(turn));
    }
  } else if constexpr (K != Kind::Linear) {
    turns = true;
    turn = b;
  }
  int count = 0;
  const auto run = [&](std::size_t from, std::size_t to) {
    if (to > from && monotoneSpan(row, from, to, spans[count])) ++count;
  };
  if (!turns) {
    run(p, q);
    return count;
  }
  const auto begin = sm.x.begin();
  // kl: the last sample before the turning point's neighbourhood (p − 1 when
  // none in p..q); kr: the first one after it (q + 1 when none).
  const auto below =
      std::lower_bound(begin + static_cast<std::ptrdiff_t>(p), begin + static_cast<std::ptrdiff_t>(q) + 1, turn - near);
  const auto above = std::upper_bound(below, begin + static_cast<std::ptrdiff_t>(q) + 1, turn + near);
  const auto kl = static_cast<std::ptrdiff_t>(below - begin) - 1;
  const auto kr = static_cast<std::ptrdiff_t>(above - begin);
  const auto sp = static_cast<std::ptrdiff_t>(p), sq = static_cast<std::ptrdiff_t>(q);
  if (kl > sp) run(p, static_cast<std::size_t>(std::min(kl, sq)));
  const std::ptrdiff_t ml = std::max(kl, sp), mr = std::min(kr, sq);
  if (mr > ml) spans[count++] = {static_cast<std::size_t>(ml), static_cast<std::size_t>(mr)};
  if (kr < sq) run(static_cast<std::size_t>(std::max(kr, sp)), q);
  return count;
}

// One stored curve: the rows of the samples that can set pixels, then each
// segment from its right end to its left end, as sampleCurve draws it. A
// curve with a row beyond the whole-number arrays is drawn by sampleCurve.
template <Kind K>
void drawCurve(const PlotState& st, const Sampling& sm, Raster& pic, double a, double b, double c,
               std::vector<int>& rows) {
  const double u = pixelsPerUnit(st.view.ZoomFactor);
  const int panY = st.view.PanY;
  const double lastX = sm.x[sm.x.size() - 2];
  if (sm.first <= sm.last) {
    const auto row = [&](std::size_t k) { return unroundedRow(u, panY, valueOf<K>(a, b, c, sm.x[k])); };
    Span spans[3];
    int count = 0;
    if (rowSlack(a, b, c, u, panY) <= 0.25)
      count = curveSpans<K>(sm, a, b, row, spans);
    else
      spans[count++] = {sm.first, sm.last + 1};
    int fit = 1;
    for (int i = 0; i < count; ++i)
      for (std::size_t k = spans[i].first; k <= spans[i].last; ++k) {
        const double v = row(k);
        const bool small = std::fabs(v) < SmallLimit;  // false for NaN
        fit &= static_cast<int>(small);
        rows[k] = static_cast<int>(roundSmall(small ? v : 0.0));
      }
    if (!fit) {
      sampleCurve(st, pic, [&](double t) { return valueOf<K>(a, b, c, t); });
      return;
    }
    Color* const pixels = pic.data();
    const Color color = pic.penColor();
    for (int i = 0; i < count; ++i)
      for (std::size_t k = spans[i].first; k < spans[i].last; ++k)
        drawPixelLine(pixels, Raster::Width, Raster::Height, sm.column[k + 1], rows[k + 1], sm.column[k], rows[k],
                      color);
  }
  pic.moveTo(pixelColumn(st, lastX), pixelRow(st, valueOf<K>(a, b, c, lastX)));
}

// The background line by line over the present pixels. The pen ends at the
// end of the last line, in its colour.
void drawBackground(const Background& bg, Raster& pic) {
  bg.forEachLine([&](const BackgroundLine& l) {
    if (l.color != pic.penColor()) pic.setPenColor(l.color);
    pic.moveTo(double(l.column0), double(l.row0));
    pic.lineTo(double(l.column1), double(l.row1));
  });
}

// The same background written over a picture of one colour, `base`, each
// pixel once with its final value. A row's pixels depend only on whether it
// is crossed by the grid's columns, is a grid row, is crossed by the y axis,
// lies among the x axis's ticks and is the x axis itself; each kind of row is
// made once and copied.
void writeBackground(const Background& bg, Color* pixels, Color base) {
  constexpr static int W = Raster::Width, H = Raster::Height;
  const auto fill = [](Color* row, PixelRun columns, Color c) {  // clipped to the row
    std::fill(row + std::clamp<std::int64_t>(columns.first, 0, W), row + std::clamp<std::int64_t>(columns.end, 0, W),
              c);
  };
  const auto atGridColumns = [&bg](Color* row, Color c) {
    for (int x = Background::GridLeft + bg.unit; x <= Background::GridRight; x += bg.unit) row[x] = c;
  };
  const PixelRun yAxis{bg.axisColumn, bg.axisColumn + 1};
  std::array<std::array<Color, W>, 32> kinds;
  std::uint32_t made = 0;
  for (int y = 0; y < H; ++y) {
    const bool gridColumns = Background::gridColumnRows().contains(y);
    const bool gridRow = bg.isGridRow(y);
    const bool yAxisRow = Background::yAxisRows().contains(y);
    const bool ticks = bg.xTickRows().contains(y);
    const bool xAxis = y == bg.axisRow;
    const unsigned kind = unsigned(gridColumns) | unsigned(gridRow) << 1 | unsigned(yAxisRow) << 2 |
                          unsigned(ticks) << 3 | unsigned(xAxis) << 4;
    Color* const row = kinds[kind].data();
    if (!(made & 1u << kind)) {
      made |= 1u << kind;
      // The lines in their drawing order, each over the ones before.
      std::fill(row, row + W, base);
      if (gridColumns) atGridColumns(row, bg.gridColor);
      if (gridRow) fill(row, Background::gridRowColumns(), bg.gridColor);
      if (xAxis) fill(row, Background::xAxisColumns(), Background::AxisColor);
      if (yAxisRow) fill(row, yAxis, Background::AxisColor);
      if (ticks) atGridColumns(row, Background::AxisColor);
      if (gridRow) fill(row, bg.yTickColumns(), Background::AxisColor);
    }
    std::copy(row, row + W, pixels + static_cast<std::ptrdiff_t>(y) * W);
  }
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
  // ZoomFactor is always 1, 2, 4 or 8; anything else would make the loops
  // of the grid miss their exact end values.
  if (!rendersGrid(st)) return;

  const Background bg = Background::of(st);
  Color base = 0;
  if (pic.pendingFill(base)) {
    writeBackground(bg, pic.dataToOverwrite(), base);
    // The pen as drawing the lines leaves it.
    BackgroundLine last{};
    bg.forEachLine([&last](const BackgroundLine& l) { last = l; });
    pic.setPenColor(last.color);
    pic.moveTo(double(last.column1), double(last.row1));
  } else {
    drawBackground(bg, pic);
  }

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

// SPDX-License-Identifier: MIT
// How long a redraw of the picture takes: our clear and render against
// QPainter drawing the very same segments, for three tables at every zoom,
// and a segment whose ends lie half a billion pixels away (near the line's
// limit) against a short one inside the picture.
#include <benchmark/benchmark.h>

#include <QColor>
#include <QApplication>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "bench/bench_program.h"
#include "bench/bench_tables.h"
#include "plot/render.h"
#include "tests/support/isolation.h"

namespace {

using graf::Color;
using graf::PlotState;
using graf::Raster;
using graf::bench::fullTable;
using graf::bench::Table;
using graf::bench::Tables;

constexpr Color FaceColor = 0xF0F0F0;

constexpr int Zooms[] = {1, 2, 4, 8};

struct Segment {
  double x0, y0, x1, y1;
  Color color;
};

// The segments a render draws, in its order: the grid, the axes, the ticks
// and every curve, worked out from the same public pieces render uses.
std::vector<Segment> segmentsOf(const PlotState& st) {
  std::vector<Segment> out;
  const int u = 4 * st.view.ZoomFactor;
  auto add = [&](double x0, double y0, double x1, double y1, Color c) {
    out.push_back({x0, y0, x1, y1, c});
  };
  int x = 45;
  do {
    x += u;
    add(x, 0, x, 365, st.settings.ColorGrid);
  } while (x < 365);
  int y = 0;
  do {
    y += u;
    add(45, y, 365, y, st.settings.ColorGrid);
  } while (y != 320);
  add(41, 160 + st.view.PanY, 365, 160 + st.view.PanY, 0);
  add(205 + st.view.PanX, 0, 205 + st.view.PanX, 320, 0);
  x = 45;
  do {
    x += u;
    add(x, 161 + st.view.PanY, x, 158 + st.view.PanY, 0);
  } while (x != 365);
  y = 0;
  do {
    y += u;
    add(204 + st.view.PanX, y, 207 + st.view.PanX, y, 0);
  } while (y != 320);

  for (int i = 1; i <= st.table.FunctionCount; ++i) {
    const graf::Kind kind = st.table.FunctionKind[i];
    const double a = st.table.CoefA[i], b = st.table.CoefB[i], c = st.table.CoefC[i];
    const Color color = graf::kindColor(st.settings, kind);
    double t = -80.0;
    do {
      const double tn = t + st.settings.SampleStep;
      add(graf::pixelColumn(st, tn), graf::pixelRow(st, graf::evaluate(kind, a, b, c, tn)),
          graf::pixelColumn(st, t), graf::pixelRow(st, graf::evaluate(kind, a, b, c, t)), color);
      t = tn;
    } while (t < 80.0);
  }
  return out;
}

// The recorded segments must give exactly the rendered picture, or the
// comparison with QPainter would not be about the same work.
bool sameAsRender(const std::vector<Segment>& segments, PlotState st) {
  Raster rendered;
  graf::clearPicture(st, rendered, FaceColor);
  graf::render(st, rendered);
  std::vector<Color> replay(static_cast<std::size_t>(Raster::Width) * Raster::Height, 0xFFFFFF);
  for (const Segment& s : segments)
    graf::drawLine(replay.data(), Raster::Width, Raster::Height, s.x0, s.y0, s.x1, s.y1, s.color);
  return std::equal(replay.begin(), replay.end(), rendered.data());
}

// A whole redraw as the program does it: clear, then grid, axes, ticks and
// the 50 curves.
void fullRedraw(benchmark::State& state, PlotState st) {
  Raster pic;
  for (auto _ : state) {
    graf::clearPicture(st, pic, FaceColor);
    graf::render(st, pic);
    benchmark::DoNotOptimize(pic.data());
    benchmark::ClobberMemory();
  }
  state.counters["segments"] = static_cast<double>(segmentsOf(st).size());
}

// Cuts a segment to the box [lo, hi]² (Liang–Barsky); false when nothing is left.
bool clipToBox(double& x0, double& y0, double& x1, double& y1, double lo, double hi) {
  const double dx = x1 - x0, dy = y1 - y0;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - lo, hi - x0, y0 - lo, hi - y0};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double r = q[k] / p[k];
    if (p[k] < 0) t0 = std::max(t0, r);
    else t1 = std::min(t1, r);
  }
  if (t0 > t1) return false;
  const double ax = x0 + t0 * dx, ay = y0 + t0 * dy, bx = x0 + t1 * dx, by = y0 + t1 * dy;
  x0 = ax, y0 = ay, x1 = bx, y1 = by;
  return true;
}

// A Qt program hands the segments to QPainter as ints (or qreals), and its
// raster engine works in fixed point, so coordinates like 1e9 come out wrong.
// Such a program has to skip the segments with an end that is not finite and
// cut the others to a box around the picture before drawing, on every
// redraw, as done here, cheaply: a segment that lies wholly beside the
// picture is dropped at once, one with small coordinates passes unchanged,
// and only the rest is cut. One pen per run of one colour, one drawLines call.
struct PenRun {
  QPen pen;
  std::size_t begin, end;
};

std::vector<PenRun> penRuns(const std::vector<Segment>& segments) {
  std::vector<PenRun> runs;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const Color c = segments[i].color;
    const QColor color(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    if (runs.empty() || runs.back().pen.color() != color) {
      QPen pen(color, 0);            // cosmetic, one pixel wide
      pen.setCapStyle(Qt::FlatCap);  // leaves out the last pixel, like our line
      runs.push_back({pen, i, i});
    }
    runs.back().end = i + 1;
  }
  return runs;
}

void paintWithQPainter(QImage& image, const std::vector<Segment>& segments,
                       const std::vector<PenRun>& runs, QVector<QLine>& lines) {
  constexpr double Lo = -4096.0, Hi = 4096.0 + Raster::Width;
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(0, 0, Raster::Width, Raster::Height, QColor(255, 255, 255));
  for (const PenRun& run : runs) {
    lines.clear();
    for (std::size_t i = run.begin; i < run.end; ++i) {
      Segment s = segments[i];
      if ((s.x0 < 0 && s.x1 < 0) || (s.y0 < 0 && s.y1 < 0) ||
          (s.x0 >= Raster::Width && s.x1 >= Raster::Width) ||
          (s.y0 >= Raster::Height && s.y1 >= Raster::Height))
        continue;
      if (!std::isfinite(s.x0) || !std::isfinite(s.y0) || !std::isfinite(s.x1) || !std::isfinite(s.y1))
        continue;
      const bool small = s.x0 >= Lo && s.x0 <= Hi && s.x1 >= Lo && s.x1 <= Hi && s.y0 >= Lo &&
                         s.y0 <= Hi && s.y1 >= Lo && s.y1 <= Hi;
      if (!small && !clipToBox(s.x0, s.y0, s.x1, s.y1, Lo, Hi)) continue;
      lines.append(QLine(static_cast<int>(std::lround(s.x0)), static_cast<int>(std::lround(s.y0)),
                         static_cast<int>(std::lround(s.x1)), static_cast<int>(std::lround(s.y1))));
    }
    p.setPen(run.pen);
    p.drawLines(lines);
  }
}

// QPainter (no antialiasing, 1-pixel pen) drawing on a white image exactly
// the segments the redraw draws, worked out in advance.
void qpainterSameSegments(benchmark::State& state, PlotState st) {
  const std::vector<Segment> segments = segmentsOf(st);
  if (!sameAsRender(segments, st)) {
    state.SkipWithError("the recorded segments do not give the rendered picture");
    return;
  }
  const std::vector<PenRun> runs = penRuns(segments);
  QVector<QLine> lines;
  lines.reserve(static_cast<qsizetype>(segments.size()));
  QImage image(Raster::Width, Raster::Height, QImage::Format_RGB32);
  for (auto _ : state) {
    paintWithQPainter(image, segments, runs, lines);
    benchmark::DoNotOptimize(image.constBits());
    benchmark::ClobberMemory();
  }
  state.counters["segments"] = static_cast<double>(segments.size());
}

// Our line on the same precomputed segments, with the clear: the drawing
// alone, without the sampling that BM_FullRedraw includes.
void BM_OurSameSegments(benchmark::State& state) {
  PlotState st = fullTable(static_cast<int>(state.range(0)));
  const std::vector<Segment> segments = segmentsOf(st);
  Raster pic;
  for (auto _ : state) {
    graf::clearPicture(st, pic, FaceColor);
    for (const Segment& s : segments) {
      pic.setPenColor(s.color);
      pic.moveTo(s.x0, s.y0);
      pic.lineTo(s.x1, s.y1);
    }
    benchmark::DoNotOptimize(pic.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_OurSameSegments)->Arg(8)->Arg(1)->Unit(benchmark::kMicrosecond);

void drawOne(benchmark::State& state, double x0, double y0, double x1, double y1) {
  Raster pic;
  pic.create();
  pic.setPenColor(0x0000FF);
  for (auto _ : state) {
    pic.moveTo(x0, y0);
    pic.lineTo(x1, y1);
    benchmark::DoNotOptimize(pic.data());
    benchmark::ClobberMemory();
  }
}

// Through (196, 160) in the direction (5, 4), ends 5·10^8 pixels away on
// either side, within the line's limit: it crosses the whole width of the
// picture, 393 pixels.
void BM_FarSegment(benchmark::State& state) {
  const double k = 1e8;
  drawOne(state, 196 - 5 * k, 160 - 4 * k, 196 + 5 * k, 160 + 4 * k);
}
BENCHMARK(BM_FarSegment);

// 392 pixels inside the picture.
void BM_ShortSegment(benchmark::State& state) { drawOne(state, 0, 10, 392, 310); }
BENCHMARK(BM_ShortSegment);

// The console report, remembering the processor time per iteration of every
// run (the machine may be shared, so wall time says less).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.error_occurred || r.iterations <= 0) continue;
      const double t = r.cpu_accumulated_time / static_cast<double>(r.iterations);
      if (r.run_type == Run::RT_Iteration)
        seconds_[r.run_name.str()] = t;
      else if (r.aggregate_name == "median")  // with repetitions, the median wins
        medians_[r.run_name.str()] = t;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void printRatio(const char* what, const std::string& a, const std::string& b, double target) const {
    const double ta = secondsOf(a), tb = secondsOf(b);
    if (!(ta > 0) || !(tb > 0)) return;
    const double ratio = ta / tb;
    std::printf("%-44s %6.3f  (target at most %.2f: %s)\n", what, ratio, target,
                ratio <= target ? "met" : "NOT met");
  }

 private:
  double secondsOf(const std::string& name) const {
    if (const auto m = medians_.find(name); m != medians_.end()) return m->second;
    const auto i = seconds_.find(name);
    return i == seconds_.end() ? 0.0 : i->second;
  }

  std::map<std::string, double> seconds_, medians_;
};

}  // namespace

int main(int argc, char** argv) {
  // BM_FullRedraw/<table>/<zoom> and its partner BM_QPainterSameSegments/<table>/<zoom>.
  for (const Table& t : Tables)
    for (int zoom : Zooms) {
      const std::string tail = std::string("/") + t.name + "/" + std::to_string(zoom);
      const PlotState st = t.make(zoom);
      benchmark::RegisterBenchmark(("BM_FullRedraw" + tail).c_str(), fullRedraw, st)
          ->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark(("BM_QPainterSameSegments" + tail).c_str(), qpainterSameSegments, st)
          ->Unit(benchmark::kMicrosecond);
    }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The program's windows read and write their files in a folder of their own.
  graf::testing::isolateProcess();
  QApplication app(argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  graf::bench::closeProgram();
  std::printf("\n");
  for (const Table& t : Tables)
    for (int zoom : Zooms) {
      const std::string tail = std::string("/") + t.name + "/" + std::to_string(zoom);
      const std::string what = std::string("full redraw ") + t.name + " " + std::to_string(zoom) + "x, ours / QPainter";
      reporter.printRatio(what.c_str(), "BM_FullRedraw" + tail, "BM_QPainterSameSegments" + tail, 0.25);
    }
  reporter.printRatio("drawing only 8x, ours / QPainter", "BM_OurSameSegments/8", "BM_QPainterSameSegments/mixed/8", 1.0);
  reporter.printRatio("drawing only 1x, ours / QPainter", "BM_OurSameSegments/1", "BM_QPainterSameSegments/mixed/1", 1.0);
  reporter.printRatio("far segment / short segment", "BM_FarSegment", "BM_ShortSegment", 2.0);
  for (const Table& t : Tables) {
    const std::string what = std::string("F5 in the window ") + t.name + " / full redraw 1x";
    reporter.printRatio(what.c_str(), std::string("BM_WindowRedraw/") + t.name,
                        std::string("BM_FullRedraw/") + t.name + "/1", 1.5);
  }
  reporter.printRatio("load of 49 / F5 in the window", "BM_LoadSet/49", "BM_WindowRedraw/mixed", 3.0);
  reporter.printRatio("load of 50 / F5 in the window", "BM_LoadSet/50", "BM_WindowRedraw/mixed", 4.0);
  reporter.printRatio("PNG at scale 1 / load only", "BM_ExportPng/1", "BM_ExportLoadOnly", 1.5);
  benchmark::Shutdown();
  return 0;
}

// SPDX-License-Identifier: MIT
// The picture as a drawing against the picture as pixels: the drawing's
// lines, curve points and texts, painted with the raster's own line rule,
// give exactly the rendered picture, and each curve point is the sample the
// renderer takes, worked out here once more from the sampling rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "export/no_windows.h"
#include "functionlist/sum.h"
#include "functionsets/load_session.h"
#include "picture/shown_drawing.h"
#include "plot/commands.h"
#include "plot/picture_drawing.h"
#include "plot/render.h"

namespace graf {
namespace {

constexpr Color Face = 0xF0F0F0;

struct View {
  int zoom, panX, panY;
};

struct Fn {
  Kind kind;
  double a, b, c;
};

PlotState stateWith(const std::vector<Fn>& fns, View v, double step) {
  PlotState st;
  st.settings.SampleStep = step;
  st.view.ZoomFactor = v.zoom;
  st.view.PanX = v.panX;
  st.view.PanY = v.panY;
  st.table.FunctionCount = static_cast<std::uint8_t>(fns.size());
  for (std::size_t i = 0; i < fns.size(); ++i) {
    st.table.FunctionKind[i + 1] = fns[i].kind;
    st.table.CoefA[i + 1] = fns[i].a;
    st.table.CoefB[i + 1] = fns[i].b;
    st.table.CoefC[i + 1] = fns[i].c;
  }
  st.flags.PlotShown = !fns.empty();
  return st;
}

Raster rendered(const PlotState& st) {
  Raster pic;
  clearPicture(st, pic, Face);
  render(st, pic);
  return pic;
}

Raster painted(const PictureDrawing& d, TextRenderer* text = nullptr) {
  Raster pic;
  paintDrawing(d, pic, text);
  return pic;
}

int differences(const Raster& a, const Raster& b) {
  int n = 0;
  for (int y = 0; y < Raster::Height; ++y)
    for (int x = 0; x < Raster::Width; ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

const View kViews[] = {{1, 0, 0}, {2, 64, -32}, {4, -160, 96}, {8, 160, -320}, {1, 0, 640}, {8, -96, -6400}};

// Functions that stay inside, leave and come back, leave for good, run far
// beyond the whole-number range of the renderer's fast path, and a set of
// fifty of every kind.
const std::vector<std::vector<Fn>> kTables = {
    {{Kind::Linear, 1, 0, 0}},
    {{Kind::Quadratic2, -1, 0, 30}, {Kind::AbsoluteValue, 2, -10, -5}},
    {{Kind::Quadratic, 100, -100, 100}, {Kind::Linear, -100, 100, 0}},
    {{Kind::Quadratic, 1e12, 0, -1e12}, {Kind::AbsoluteValue, -1e15, 3, 7}},
};

TEST(PictureDrawing, GridAxesAndTicksAreTheRenderersPixels) {
  // Beside the usual views, pans as far as 32 bits go, which take the x axis
  // and its ticks out of the picture.
  std::vector<View> views(std::begin(kViews), std::end(kViews));
  views.push_back({1, 0, 2147483616});
  views.push_back({8, -160, -2147483616});
  for (const View& v : views) {
    SCOPED_TRACE(std::to_string(v.zoom) + "x pan " + std::to_string(v.panX) + "," + std::to_string(v.panY));
    const PlotState st = stateWith({}, v, 1.0);
    const PictureDrawing d = renderedDrawing(st);
    EXPECT_TRUE(d.curves.empty());
    EXPECT_EQ(differences(painted(d), rendered(st)), 0);
    // Grid lines of both directions, the axes and the ticks are all there.
    const std::size_t grid = 2 * static_cast<std::size_t>(320 / pixelsPerUnit(v.zoom));
    const long black = std::count_if(d.lines.begin(), d.lines.end(), [](const PictureLine& l) { return l.color == 0; });
    EXPECT_EQ(d.lines.size() - static_cast<std::size_t>(black), grid);
    EXPECT_GE(black, 1 + static_cast<long>(320 / pixelsPerUnit(v.zoom))) << "the y axis and its ticks at least";
    for (const PictureLine& l : d.lines) {
      EXPECT_TRUE(l.column0 == l.column1 || l.row0 == l.row1) << "straight";
      EXPECT_TRUE(l.column0 >= 0 && l.column1 < Raster::Width && l.row0 >= 0 && l.row1 < Raster::Height);
    }
  }
}

// The same set of samples, by the rule: x from −80 by repeated addition of
// the step while x < 80, the point at the column and row of (x, f(x)), not
// rounded.
std::vector<PicturePoint> samplesByTheRule(const PlotState& st, const Fn& fn) {
  std::vector<PicturePoint> points;
  const double s = st.settings.SampleStep;
  double x = -80.0;
  const double u = 4.0 * st.view.ZoomFactor;
  const auto point = [&](double t) {
    const double y = evaluate(fn.kind, fn.a, fn.b, fn.c, t);
    return PicturePoint{205 + u * t + st.view.PanX, 160 - u * y + st.view.PanY};
  };
  points.push_back(point(x));
  do {
    x = x + s;
    points.push_back(point(x));
  } while (x < 80.0);
  return points;
}

TEST(PictureDrawing, CurvesAreTheSampledPointsAndPaintTheRenderedPicture) {
  for (const double step : {1.0, 0.5, 0.1}) {
    for (const View& v : kViews) {
      for (const std::vector<Fn>& fns : kTables) {
        SCOPED_TRACE("step " + std::to_string(step) + ", " + std::to_string(v.zoom) + "x pan " +
                     std::to_string(v.panX) + "," + std::to_string(v.panY) + ", first a " + std::to_string(fns[0].a));
        const PlotState st = stateWith(fns, v, step);
        const Raster blank = rendered(stateWith({}, v, step));
        const PictureDrawing d = renderedDrawing(st);
        ASSERT_EQ(d.curves.size(), fns.size());
        EXPECT_EQ(differences(painted(d), rendered(st)), 0);

        for (std::size_t i = 0; i < fns.size(); ++i) {
          EXPECT_EQ(d.curves[i].color, kindColor(st.settings, fns[i].kind));
          // Every piece is a run of the rule's samples, in order, with no
          // sample in two pieces; every segment left out sets no pixel.
          const std::vector<PicturePoint> samples = samplesByTheRule(st, fns[i]);
          std::vector<int> inPiece(samples.size(), 0);  // by segment: its left point's index
          std::size_t from = 0;
          for (const CurvePiece& piece : d.curves[i].pieces) {
            ASSERT_GE(piece.size(), 2u);
            const auto at = std::search(samples.begin() + static_cast<std::ptrdiff_t>(from), samples.end(),
                                        piece.begin(), piece.end());
            ASSERT_NE(at, samples.end()) << "a piece that is not a run of samples";
            const std::size_t k = static_cast<std::size_t>(at - samples.begin());
            for (std::size_t j = k; j + 1 < k + piece.size(); ++j) ++inPiece[j];
            from = k + piece.size();
          }
          // Every segment left out, drawn by the raster's line rule, sets no
          // pixel; a segment in a piece belongs to one piece only.
          Raster leftOut = blank;
          leftOut.setPenColor(0x123456);
          for (std::size_t k = 0; k + 1 < samples.size(); ++k) {
            ASSERT_LE(inPiece[k], 1);
            if (inPiece[k]) continue;
            leftOut.moveTo(samples[k + 1].column, samples[k + 1].row);
            leftOut.lineTo(samples[k].column, samples[k].row);
          }
          EXPECT_EQ(differences(leftOut, blank), 0) << "a segment left out would be visible";
        }
      }
    }
  }
}

// Distance of a point from a segment.
double distance(double x, double y, const PicturePoint& a, const PicturePoint& b) {
  const double dx = b.column - a.column, dy = b.row - a.row;
  const double len2 = dx * dx + dy * dy;
  double t = len2 == 0 ? 0 : ((x - a.column) * dx + (y - a.row) * dy) / len2;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(x - (a.column + t * dx), y - (a.row + t * dy));
}

// Seen from the geometry alone: every pixel the raster sets for a curve lies
// within half a pixel of one of its polylines' segments, once their points
// are rounded to the pixels the raster draws between.
TEST(PictureDrawing, EveryCurvePixelLiesOnItsPolyline) {
  int total = 0;
  for (const View& v : kViews) {
    for (std::size_t t = 0; t + 1 < std::size(kTables); ++t) {  // the last one lies far beyond any pixel
      for (const Fn& fn : kTables[t]) {
        SCOPED_TRACE(std::to_string(v.zoom) + "x pan " + std::to_string(v.panX) + "," + std::to_string(v.panY) +
                     ", a " + std::to_string(fn.a));
        PlotState st = stateWith({fn}, v, 0.5);
        st.settings.ColorLinear = st.settings.ColorQuadratic = st.settings.ColorQuadratic2 = st.settings.ColorAbsolute =
            0x0000FF;
        const Raster blank = rendered(stateWith({}, v, 0.5));
        const Raster pic = rendered(st);
        const PictureDrawing d = renderedDrawing(st);
        int curvePixels = 0;
        for (int y = 0; y < Raster::Height; ++y)
          for (int x = 0; x < Raster::Width; ++x) {
            if (pic.pixel(x, y) == blank.pixel(x, y)) continue;
            ++curvePixels;
            double nearest = 1e300;
            const auto rounded = [](const PicturePoint& p) {
              return PicturePoint{std::nearbyint(p.column), std::nearbyint(p.row)};
            };
            for (const CurvePiece& piece : d.curves[0].pieces)
              for (std::size_t k = 1; k < piece.size(); ++k)
                nearest = std::min(nearest, distance(x, y, rounded(piece[k - 1]), rounded(piece[k])));
            ASSERT_LE(nearest, 0.5 + 1e-9) << "pixel " << x << "," << y;
          }
        total += curvePixels;
      }
    }
  }
  EXPECT_GT(total, 2000) << "the curves do cross the picture";
}

// A line that crosses the picture from its left edge to its right one is one
// piece: the samples from the last one a pixel or more left of the picture
// to the first one as far right of it, where they lie, not rounded.
TEST(PictureDrawing, ALineAcrossThePictureIsOnePieceFromEdgeToEdge) {
  const Fn fn{Kind::Linear, 0.5, 3, 0};
  const PlotState st = stateWith({fn}, {1, 0, 0}, 0.1);
  const std::vector<PicturePoint> samples = samplesByTheRule(st, fn);
  std::size_t first = 0, last = samples.size() - 1;
  while (samples[first + 1].column <= -1) ++first;
  while (samples[last - 1].column >= Raster::Width) --last;
  const PictureDrawing d = renderedDrawing(st);
  ASSERT_EQ(d.curves.size(), 1u);
  ASSERT_EQ(d.curves[0].pieces.size(), 1u);
  const CurvePiece& piece = d.curves[0].pieces[0];
  EXPECT_EQ(piece, CurvePiece(samples.begin() + static_cast<std::ptrdiff_t>(first),
                              samples.begin() + static_cast<std::ptrdiff_t>(last) + 1));
  EXPECT_LE(piece.front().column, -1);
  EXPECT_GT(piece[1].column, -1);
  EXPECT_GE(piece.back().column, Raster::Width);
  // The rows of y = 0.5x + 3 are 148 − 2x: halves and fractions, not pixels.
  int fractional = 0;
  for (const PicturePoint& p : piece) fractional += p.row != std::nearbyint(p.row);
  EXPECT_GT(fractional, static_cast<int>(piece.size()) / 2);
}

// Cutting pieces to the picture keeps every point inside exactly, puts the
// ends where the segments cross the box of columns −1..393 and rows −1..321,
// splits a piece that leaves and comes back, and drops what misses the box.
TEST(PictureDrawing, PiecesAreCutToThePictureWithTheirInnerPointsExact) {
  using Pieces = std::vector<CurvePiece>;
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    Pieces pieces, cut;
  } cases[] = {
      {"inside", {{{10.25, 20.5}, {30.125, 40.75}, {50, 60}}}, {{{10.25, 20.5}, {30.125, 40.75}, {50, 60}}}},
      {"up and out", {{{100.5, 100}, {100.5, -1e300}}}, {{{100.5, 100}, {100.5, -1}}}},
      {"in from the left", {{{-101, 0}, {99, 100}}}, {{{-1, 50}, {99, 100}}}},
      {"across", {{{-11, 160}, {403, 160}}}, {{{-1, 160}, {393, 160}}}},
      {"out and back", {{{10, 10}, {10, -100}, {20, 10}, {30, 10}}}, {{{10, 10}, {10, -1}}, {{19, -1}, {20, 10}, {30, 10}}}},
      {"past a corner", {{{-10, 5}, {5, -10}}}, {}},
      {"beside", {{{-5, 5}, {-2, 300}}}, {}},
      {"not finite", {{{5, 5}, {6, inf}}, {{5, 5}, {6, std::nan("")}}}, {}},
      {"huge both ways", {{{200, -1e300}, {200.5, 1e300}}}, {{{200.25, -1}, {200.25, 321}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Pieces cut = clippedToPicture(c.pieces);
    ASSERT_EQ(cut.size(), c.cut.size());
    for (std::size_t i = 0; i < cut.size(); ++i) {
      ASSERT_EQ(cut[i].size(), c.cut[i].size()) << "piece " << i;
      for (std::size_t k = 0; k < cut[i].size(); ++k) {
        EXPECT_NEAR(cut[i][k].column, c.cut[i][k].column, 1e-9) << "piece " << i << " point " << k;
        EXPECT_NEAR(cut[i][k].row, c.cut[i][k].row, 1e-9) << "piece " << i << " point " << k;
      }
    }
  }
  // The points inside are the very same numbers.
  const Pieces inside = clippedToPicture(cases[0].pieces);
  EXPECT_EQ(inside, cases[0].cut);
}

// Text that sets the pixel at its corner, so that it can be seen.
class CornerText : public TextRenderer {
 public:
  void drawText(Raster& raster, int x, int y, const std::string& text, Color color, bool, Color) override {
    raster.setPixel(x, y, color == 0 ? 0x0000FF : color);
    raster.setPixel(x + static_cast<int>(text.size()), y, 0x0000FF);
  }
};

// Texts as a few pixels, the opaque ones over a box of their background, so
// that where and how a text was written shows in the pixels.
class BoxText : public TextRenderer {
 public:
  void drawText(Raster& raster, int x, int y, const std::string& text, Color color, bool opaque,
                Color background) override {
    if (opaque)
      for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) raster.setPixel(x + c, y + r, background);
    raster.setPixel(x, y, color == 0 ? 0x0000FF : color);
    raster.setPixel(x + static_cast<int>(text.size()), y, 0x0000FF);
  }
};

// The commands of a program without windows, over a picture whose texts
// `text` writes.
struct ShownPicture {
  ShownPicture(PlotState& st, TextRenderer& text) : cmd(st, pic, Ports{ui, noLoad}) {
    pic.setTextRenderer(&text);
    cmd.setFaceColor(Face);
  }
  NoWindows ui;
  Raster pic;
  LoadSession noLoad{ui};
  Commands cmd;
};

// The record of what has been drawn on the picture, painted with the
// raster's own rules, gives exactly the shown pixels: the plot, then sums,
// traced curves, marked points and axis numbers in any order, at several
// zooms and pans.
TEST(ShownDrawing, TheRecordGivesTheShownPixels) {
  enum Step { Sum, Trace, Mark, Numbers, Pan, Zoom };
  const std::vector<View> views = {{1, 0, 0}, {2, 32, -16}, {4, -96, 64}, {8, 0, 0}};
  const std::vector<std::vector<Step>> runs = {{Sum},
                                               {Trace},
                                               {Mark},
                                               {Numbers},
                                               {Sum, Mark},
                                               {Mark, Numbers, Sum},
                                               {Numbers, Mark, Trace, Mark},
                                               {Trace, Sum, Numbers},
                                               {Sum, Pan, Mark},
                                               {Mark, Zoom, Sum, Numbers}};
  for (const View& v : views)
    for (const auto& run : runs) {
      SCOPED_TRACE(::testing::Message() << "zoom " << v.zoom << " pan " << v.panX << "," << v.panY << " steps "
                                        << run.size() << " first " << run[0]);
      PlotState st =
          stateWith({{Kind::Quadratic, 1, 0, -4}, {Kind::AbsoluteValue, -2, 1, 3}, {Kind::Linear, 0.5, 2, 0}}, v, 0.25);
      st.settings.AuxLinesOn = true;
      st.settings.ColorSum = 0x00AA00;
      st.settings.ColorAuxLines = 0xAA00AA;
      BoxText text;
      ShownPicture shown(st, text);
      Commands& cmd = shown.cmd;
      EXPECT_FALSE(drawingOfShownPicture(cmd)) << "no picture yet";
      st.flags.PlotShown = true;
      cmd.clearPicture();
      cmd.render();
      int marks = 0;
      for (Step step : run) {
        switch (step) {
          case Sum: sumOfRows(cmd, {0, 2}); break;
          case Trace: traceRow(cmd, 1); break;
          case Mark:
            cmd.mouseMove(120 + 40 * marks, 90 + 30 * marks);
            cmd.pictureClick();
            ++marks;
            break;
          case Numbers: cmd.numberAxes(); break;
          case Pan: cmd.panStep(PanDirection::Right); break;
          case Zoom: cmd.zoomStep(); break;
        }
        const std::optional<PictureDrawing> d = drawingOfShownPicture(cmd);
        ASSERT_TRUE(d);
        EXPECT_EQ(differences(painted(*d, &text), shown.pic), 0) << "after step " << step;
      }
    }
}

// What each drawing call adds to the record.
TEST(ShownDrawing, EachOverlayIsNotedAsDrawn) {
  PlotState st = stateWith({{Kind::Quadratic, 1, 0, -4}, {Kind::AbsoluteValue, -2, 1, 3}}, {4, 32, 0}, 0.5);
  st.settings.AuxLinesOn = true;
  st.settings.ColorSum = 0x00AA00;
  st.settings.ColorAuxLines = 0xAA00AA;
  CornerText text;
  ShownPicture shown(st, text);
  Commands& cmd = shown.cmd;
  st.flags.PlotShown = true;
  cmd.clearPicture();
  cmd.render();
  std::optional<PictureDrawing> d = drawingOfShownPicture(cmd);
  ASSERT_TRUE(d);
  EXPECT_TRUE(allTexts(*d).empty() && d->overlays.empty());
  EXPECT_EQ(d->curves.size(), 2u);

  cmd.numberAxes();
  sumOfRows(cmd, {0, 1});
  cmd.mouseMove(100, 80);
  cmd.pictureClick();
  d = drawingOfShownPicture(cmd);
  ASSERT_TRUE(d);
  ASSERT_EQ(d->overlays.size(), 3u);
  // The first number over the origin: 8 / zoom units up, at the y axis,
  // written without a box.
  ASSERT_FALSE(d->overlays[0].texts.empty());
  EXPECT_TRUE(d->overlays[0].curve.pieces.empty());
  EXPECT_EQ(d->overlays[0].texts[0], (PictureText{OriginColumn + 32 + 6, OriginRow - 32 - 6, "2", 0}));
  // The sum in its colour, with the pieces of its samples.
  EXPECT_EQ(d->overlays[1].curve.color, 0x00AA00u);
  EXPECT_FALSE(d->overlays[1].curve.pieces.empty());
  // The marked point: its two helper lines from the point to the axes, then
  // its coordinates beside it.
  const PictureOverlay& mark = d->overlays[2];
  EXPECT_EQ(mark.curve.color, 0xAA00AAu);
  ASSERT_EQ(mark.curve.pieces.size(), 2u);
  EXPECT_EQ(mark.curve.pieces[0], (CurvePiece{{100, 80}, {100, OriginRow}}));
  EXPECT_EQ(mark.curve.pieces[1], (CurvePiece{{100, 80}, {OriginColumn + 32, 80}}));
  ASSERT_EQ(mark.texts.size(), 1u);
  EXPECT_EQ(mark.texts[0].column, 101);
  EXPECT_EQ(mark.texts[0].row, 81);
  EXPECT_EQ(mark.texts[0].text.front(), '(');
  EXPECT_EQ(allTexts(*d).size(), d->overlays[0].texts.size() + 1);

  // Without a text renderer no text is drawn, and none is noted.
  shown.pic.setTextRenderer(nullptr);
  cmd.numberAxes();
  d = drawingOfShownPicture(cmd);
  ASSERT_TRUE(d);
  EXPECT_TRUE(d->overlays.back().texts.empty());

  // A cleared picture is its background alone.
  st.flags.PlotShown = false;
  st.flags.PictureCleared = true;
  cmd.clearPicture();
  d = drawingOfShownPicture(cmd);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->background, Face);
  EXPECT_TRUE(d->lines.empty() && d->curves.empty() && allTexts(*d).empty() && d->overlays.empty());
}

}  // namespace
}  // namespace graf

// SPDX-License-Identifier: MIT
#include "plot/picture_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "plot/background.h"
#include "plot/render.h"

namespace graf {

PicturePoint samplePoint(const PlotState& st, double x, double y) {
  const double u = pixelsPerUnit(st.view.ZoomFactor);
  return {unroundedColumn(u, st.view.PanX, x), unroundedRow(u, st.view.PanY, y)};
}

bool segmentCanShow(const PicturePoint& a, const PicturePoint& b) {
  if (!std::isfinite(a.column) || !std::isfinite(a.row) || !std::isfinite(b.column) || !std::isfinite(b.row))
    return false;
  return !bothBeside<double>(a.column, b.column, Raster::Width) && !bothBeside<double>(a.row, b.row, Raster::Height);
}

std::vector<CurvePiece> storedCurvePieces(const PlotState& st, int i) {
  const Kind kind = st.table.FunctionKind[i];
  const double a = st.table.CoefA[i], b = st.table.CoefB[i], c = st.table.CoefC[i];
  return curvePieces(st, [&](double t) { return evaluate(kind, a, b, c, t); });
}

namespace {

// The pixels a background line sets, as a run with both ends included,
// clipped to the picture; nothing when it misses the picture.
void addLine(std::vector<PictureLine>& out, const BackgroundLine& l) {
  // The last pixel is the one before the end.
  std::int64_t x1 = l.column1, y1 = l.row1;
  if (l.column0 == l.column1)
    y1 += y1 > l.row0 ? -1 : 1;
  else
    x1 += x1 > l.column0 ? -1 : 1;
  const std::int64_t left = std::max<std::int64_t>(std::min(l.column0, x1), 0);
  const std::int64_t top = std::max<std::int64_t>(std::min(l.row0, y1), 0);
  const std::int64_t right = std::min<std::int64_t>(std::max(l.column0, x1), Raster::Width - 1);
  const std::int64_t bottom = std::min<std::int64_t>(std::max(l.row0, y1), Raster::Height - 1);
  if (left > right || top > bottom) return;
  out.push_back({int(left), int(top), int(right), int(bottom), l.color});
}

void paintCurve(const PictureCurve& curve, Raster& picture) {
  picture.setPenColor(curve.color);
  for (const CurvePiece& piece : curve.pieces)
    for (std::size_t k = 1; k < piece.size(); ++k) {
      picture.moveTo(piece[k].column, piece[k].row);
      picture.lineTo(piece[k - 1].column, piece[k - 1].row);
    }
}

}  // namespace

std::vector<CurvePiece> clippedToPicture(const std::vector<CurvePiece>& pieces) {
  constexpr double left = -1, top = -1, right = Raster::Width, bottom = Raster::Height;
  // Where a segment enters or leaves the box: its parameter t (0 at its
  // start, 1 at its end) and the edge's coordinate, which the point takes
  // exactly (worked out from t, a row a hundred digits long would lose it).
  struct Cut {
    long double t;
    bool onColumn = false, onRow = false;
    double edge = 0;
  };
  std::vector<CurvePiece> out;
  for (const CurvePiece& piece : pieces) {
    bool open = false;  // the last point of out.back() is where this segment starts
    for (std::size_t k = 1; k < piece.size(); ++k) {
      const PicturePoint a = piece[k - 1], b = piece[k];
      if (!std::isfinite(a.column) || !std::isfinite(a.row) || !std::isfinite(b.column) || !std::isfinite(b.row)) {
        open = false;
        continue;
      }
      // The segment a + t·(b − a), 0 ≤ t ≤ 1, cut to the box one edge at a
      // time (Liang and Barsky). Long double keeps b − a finite for any
      // two finite ends.
      const long double dx = static_cast<long double>(b.column) - a.column;
      const long double dy = static_cast<long double>(b.row) - a.row;
      Cut from{0}, to{1};
      // Keeps the part where p·t ≤ q; false when nothing is left.
      const auto edge = [&](long double p, long double q, bool column, double at) {
        if (p == 0) return q >= 0;
        const long double t = q / p;
        if (p < 0) {
          if (t > from.t) from = {t, column, !column, at};
        } else {
          if (t < to.t) to = {t, column, !column, at};
        }
        return from.t <= to.t;
      };
      if (!(edge(-dx, a.column - left, true, left) && edge(dx, right - a.column, true, right) &&
            edge(-dy, a.row - top, false, top) && edge(dy, bottom - a.row, false, bottom))) {
        open = false;
        continue;
      }
      const auto at = [&](const Cut& c, const PicturePoint& end) {
        if (!c.onColumn && !c.onRow) return end;  // not cut: the end itself
        return PicturePoint{c.onColumn ? c.edge : static_cast<double>(a.column + c.t * dx),
                            c.onRow ? c.edge : static_cast<double>(a.row + c.t * dy)};
      };
      const bool cutAtStart = from.onColumn || from.onRow;
      if (!open || cutAtStart) out.push_back({at(from, a)});
      out.back().push_back(at(to, b));
      open = !(to.onColumn || to.onRow);
    }
  }
  return out;
}

std::vector<PictureLine> gridAndAxes(const PlotState& st) {
  std::vector<PictureLine> lines;
  if (!rendersGrid(st)) return lines;
  Background::of(st).forEachLine([&lines](const BackgroundLine& l) { addLine(lines, l); });
  return lines;
}

PictureDrawing renderedDrawing(const PlotState& st) {
  PictureDrawing d;
  d.background = 0xFFFFFF;
  d.lines = gridAndAxes(st);
  for (int i = 1; i <= st.table.FunctionCount && i <= MaxFunctions; ++i)
    d.curves.push_back({kindColor(st.settings, st.table.FunctionKind[i]), storedCurvePieces(st, i)});
  return d;
}

void paintDrawing(const PictureDrawing& drawing, Raster& picture, TextRenderer* text) {
  picture.create();
  Color* pixels = picture.data();
  std::fill(pixels, pixels + static_cast<std::size_t>(Raster::Width) * Raster::Height, drawing.background);
  for (const PictureLine& l : drawing.lines)
    for (int y = l.row0; y <= l.row1; ++y)
      for (int x = l.column0; x <= l.column1; ++x) pixels[static_cast<std::size_t>(y) * Raster::Width + x] = l.color;
  for (const PictureCurve& curve : drawing.curves) paintCurve(curve, picture);
  const auto write = [&](const std::vector<PictureText>& texts) {
    if (!text) return;
    for (const PictureText& t : texts)
      text->drawText(picture, t.column, t.row, t.text, t.color, t.opaque, t.background);
  };
  for (const PictureOverlay& overlay : drawing.overlays) {
    paintCurve(overlay.curve, picture);
    write(overlay.texts);
  }
}

std::vector<PictureText> allTexts(const PictureDrawing& drawing) {
  std::vector<PictureText> texts;
  for (const PictureOverlay& overlay : drawing.overlays)
    texts.insert(texts.end(), overlay.texts.begin(), overlay.texts.end());
  return texts;
}

void TextRecorder::drawText(Raster& raster, int x, int y, const std::string& text, Color color, bool opaque,
                            Color background) {
  texts_.push_back({x, y, text, color, opaque, background});
  if (next_) next_->drawText(raster, x, y, text, color, opaque, background);
}

}  // namespace graf

// SPDX-License-Identifier: MIT
#include "plot/picture_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "plot/background.h"
#include "plot/render.h"

namespace graf {

PicturePoint samplePoint(const PlotState& st, double x, double y) { return {pixelColumn(st, x), pixelRow(st, y)}; }

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

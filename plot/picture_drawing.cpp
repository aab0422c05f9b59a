// SPDX-License-Identifier: MIT
#include "plot/picture_drawing.h"

#include <algorithm>
#include <cmath>

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

// A line drawn from (x0, y0) towards (x1, y1), its end left out, as the
// pixels it sets: vertical or horizontal only.
void addLine(std::vector<PictureLine>& out, int x0, int y0, int x1, int y1, Color color) {
  // The last pixel is the one before the end.
  if (x0 == x1)
    y1 += y1 > y0 ? -1 : 1;
  else
    x1 += x1 > x0 ? -1 : 1;
  int left = std::min(x0, x1), right = std::max(x0, x1);
  int top = std::min(y0, y1), bottom = std::max(y0, y1);
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, Raster::Width - 1);
  bottom = std::min(bottom, Raster::Height - 1);
  if (left > right || top > bottom) return;
  out.push_back({left, top, right, bottom, color});
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
  const int u = pixelsPerUnit(st.view.ZoomFactor);
  if (u <= 0 || 320 % u != 0) return lines;
  const int panX = st.view.PanX, panY = st.view.PanY;
  const Color grid = st.settings.ColorGrid;
  for (int x = 45 + u; x <= 365; x += u) addLine(lines, x, 0, x, 365, grid);
  for (int y = u; y <= 320; y += u) addLine(lines, 45, y, 365, y, grid);
  addLine(lines, 41, OriginRow + panY, 365, OriginRow + panY, 0);
  addLine(lines, OriginColumn + panX, 0, OriginColumn + panX, 320, 0);
  for (int x = 45 + u; x <= 365; x += u) addLine(lines, x, 161 + panY, x, 158 + panY, 0);
  for (int y = u; y <= 320; y += u) addLine(lines, 204 + panX, y, 207 + panX, y, 0);
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
    for (const PictureText& t : texts) text->drawText(picture, t.column, t.row, t.text, t.color, t.opaque, t.background);
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

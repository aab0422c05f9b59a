// SPDX-License-Identifier: MIT
// The coordinate read-out, point marking and axis numbering.
#include <string>

#include "plot/background.h"
#include "plot/commands.h"
#include "plot/numtext.h"

namespace graf {

void Commands::mouseMove(int x, int y) {
  if (!st_.flags.PlotShown) {
    setPictureCursor(PictureCursor::Arrow);
    return;
  }
  st_.view.CursorX = x;
  st_.view.CursorY = y;
  setPictureCursor(PictureCursor::Cross);
  const double u = pixelsPerUnit(st_.view.ZoomFactor);
  const double px = (x - OriginColumn) / u + st_.view.ViewCentreX;
  const double py = (y - OriginRow) / -u + st_.view.ViewCentreY;
  st_.view.CursorYText = twoDecimals(py);
  st_.view.CursorXText = twoDecimals(px);
  setReadout(st_.view.CursorXText, st_.view.CursorYText);
}

void Commands::pictureClick() {
  if (!st_.settings.AuxLinesOn || st_.table.FunctionCount == 0) return;
  const double cx = st_.view.CursorX, cy = st_.view.CursorY;
  // The helper lines run from the point to the axes, wherever the pans put them.
  const Background axes = Background::of(st_);
  const double axisRow = double(axes.axisRow), axisColumn = double(axes.axisColumn);
  pic_.setPenColor(st_.settings.ColorAuxLines);
  pic_.moveTo(cx, axisRow);
  pic_.lineTo(cx, cy);
  pic_.moveTo(axisColumn, cy);
  pic_.lineTo(cx, cy);
  pic_.setPenColor(0);
  // Each helper line as a piece drawn from its second point to its first.
  PictureOverlay mark{{st_.settings.ColorAuxLines, {{{cx, cy}, {cx, axisRow}}, {{cx, cy}, {axisColumn, cy}}}}, {}};
  textOver(mark.texts, st_.view.CursorX + 1, st_.view.CursorY + 1,
           "(" + st_.view.CursorXText + ";" + st_.view.CursorYText + ")");
  drawOverlay(std::move(mark));
  pictureChanged();
}

void Commands::numberAxes() {
  if (!st_.flags.PlotShown) return;
  const int step = 8 / st_.view.ZoomFactor;
  pic_.setPenColor(0);
  pic_.setBrushStyle(BrushStyle::Clear);
  PictureOverlay numbers;
  const auto write = [&](int k, int x, int y) { textOver(numbers.texts, x, y, std::to_string(k * step)); };
  int v = st_.view.originY(), k = 0;
  do {
    v -= 32;
    k += 1;
    write(k, st_.view.originX() + 6, v - 6);
  } while (v > 0);
  v = st_.view.originY();
  k = 0;
  do {
    v += 32;
    k -= 1;
    write(k, st_.view.originX() + 6, v - 6);
  } while (v < 320);
  v = st_.view.originX();
  k = 0;
  do {
    v -= 32;
    k -= 1;
    write(k, v - 3, st_.view.originY() + 2);
  } while (v > 50);
  v = st_.view.originX();
  k = 0;
  do {
    v += 32;
    k += 1;
    write(k, v - 3, st_.view.originY() + 2);
  } while (v < 365);
  drawOverlay(std::move(numbers));
  pictureChanged();
}

}  // namespace graf

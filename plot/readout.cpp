// The coordinate read-out, point marking and axis numbering.
#include <string>

#include "plot/commands.h"
#include "plot/numtext.h"

namespace graf {

void Commands::mouseMove(int x, int y) {
  if (st_.PlotShown != 1) {
    ui_.main.setPictureCursor(PictureCursor::Arrow);
    return;
  }
  st_.CursorX = x;
  st_.CursorY = y;
  ui_.main.setPictureCursor(PictureCursor::Cross);
  const double u = 4.0 * st_.ZoomFactor;
  const double px = (x - 205) / u + st_.ViewCentreX;
  const double py = (y - 160) / -u + st_.ViewCentreY;
  st_.CursorYText = twoDecimals(py);
  st_.CursorXText = twoDecimals(px);
  ui_.main.setReadout(st_.CursorXText, st_.CursorYText);
}

void Commands::pictureClick() {
  if (st_.AuxLinesOn != 1 || st_.FunctionCount == 0) return;
  pic_.setPenColor(st_.ColorAuxLines);
  pic_.moveTo(st_.CursorX, 160 + st_.PanY);
  pic_.lineTo(st_.CursorX, st_.CursorY);
  pic_.moveTo(205 + st_.PanX, st_.CursorY);
  pic_.lineTo(st_.CursorX, st_.CursorY);
  pic_.setPenColor(0);
  pic_.textOut(st_.CursorX + 1, st_.CursorY + 1, "(" + st_.CursorXText + ";" + st_.CursorYText + ")");
  ui_.main.pictureChanged();
}

void Commands::numberAxes() {
  if (st_.PlotShown != 1) return;
  const int step = 8 / st_.ZoomFactor;
  pic_.setPenColor(0);
  pic_.setBrushStyle(BrushStyle::Clear);
  const auto write = [&](int k, int x, int y) { pic_.textOut(x, y, std::to_string(k * step)); };
  int v = st_.OriginY, k = 0;
  do {
    v -= 32;
    k += 1;
    write(k, st_.OriginX + 6, v - 6);
  } while (v > 0);
  v = st_.OriginY;
  k = 0;
  do {
    v += 32;
    k -= 1;
    write(k, st_.OriginX + 6, v - 6);
  } while (v < 320);
  v = st_.OriginX;
  k = 0;
  do {
    v -= 32;
    k -= 1;
    write(k, v - 3, st_.OriginY + 2);
  } while (v > 50);
  v = st_.OriginX;
  k = 0;
  do {
    v += 32;
    k += 1;
    write(k, v - 3, st_.OriginY + 2);
  } while (v < 365);
  ui_.main.pictureChanged();
}

}  // namespace graf

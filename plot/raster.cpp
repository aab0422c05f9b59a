// SPDX-License-Identifier: MIT
#include "plot/raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace graf {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {  // b > 0
  std::int64_t q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) {  // b > 0
  std::int64_t q = a / b;
  if (a % b != 0 && a > 0) ++q;
  return q;
}

}  // namespace

// The line rule. The major axis is x when |dx| >= |dy| (an exact diagonal is
// x-major), y otherwise; with n steps along the major axis and m along the
// minor one, step i (0 .. n−1) sets the pixel i along the major axis and
//     off(i) = floor((2·i·m + n − 1) / (2·n))
// along the minor one: i·m/n rounded to the nearest whole number, and a value
// exactly halfway rounded toward the start point. That is Bresenham's line
// that does not take the minor step on a tie, so (0,0)→(2,1) sets (0,0), (1,0)
// and (2,1)→(0,0) sets (2,1), (1,1).
//
// Clipping is part of the line: only the steps that fall inside the raster are
// walked, found from the ends directly, so a segment costs the pixels it sets
// plus a constant however long it is, and inside the raster it sets exactly
// the pixels the whole line would set.
//
// With ends within ±LineLimit = 2^29 and a raster below 2^16 pixels a side,
// n, m <= 2^30 and every product below stays under 2^62.
void drawLineWithin(Color* pixels, int width, int height, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                    std::int64_t y1, Color color) {
  if (width <= 0 || height <= 0) return;
  const std::int64_t dx = x1 - x0, dy = y1 - y0;
  const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const std::int64_t n = xMajor ? adx : ady;
  const std::int64_t m = xMajor ? ady : adx;
  if (n == 0) return;  // only the end point, which is left out

  const std::int64_t majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const std::int64_t minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const std::int64_t major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
  const std::int64_t majorSize = xMajor ? width : height, minorSize = xMajor ? height : width;

  // Steps whose major coordinate is inside the raster.
  std::int64_t lo = 0, hi = n - 1;
  if (majorSign > 0) {
    lo = std::max(lo, -major0);
    hi = std::min(hi, majorSize - 1 - major0);
  } else {
    lo = std::max(lo, major0 - (majorSize - 1));
    hi = std::min(hi, major0);
  }
  if (lo > hi) return;

  // Steps whose minor coordinate is inside: the offset off(i) from minor0
  // must lie in [a, b]. off(i) never decreases, so these steps form a range:
  // off(i) >= a  <=>  2·i·m >= 2·n·a − n + 1, and off(i) <= b  <=>
  // 2·i·m <= 2·n·b + n.
  const std::int64_t a = minorSign > 0 ? -minor0 : minor0 - (minorSize - 1);
  const std::int64_t b = minorSign > 0 ? minorSize - 1 - minor0 : minor0;
  const std::int64_t twoN = 2 * n, twoM = 2 * m;
  if (m == 0) {
    if (a > 0 || b < 0) return;
  } else if (a > 0 || b < m) {  // otherwise every offset 0..m fits
    lo = std::max(lo, ceilDiv(twoN * a - n + 1, twoM));
    hi = std::min(hi, floorDiv(twoN * b + n, twoM));
    if (lo > hi) return;
  }

  // The error term at step lo: q = 2·lo·m + n − 1 = off·2n + rem.
  const std::int64_t q = 2 * lo * m + n - 1;
  std::int64_t rem = q % twoN;
  const std::int64_t off = q / twoN;

  const std::int64_t major = major0 + majorSign * lo;
  const std::int64_t minor = minor0 + minorSign * off;
  const std::ptrdiff_t px = static_cast<std::ptrdiff_t>(xMajor ? major : minor);
  const std::ptrdiff_t py = static_cast<std::ptrdiff_t>(xMajor ? minor : major);
  std::ptrdiff_t at = py * width + px;
  const std::ptrdiff_t majorStep = xMajor ? majorSign : majorSign * width;
  const std::ptrdiff_t minorStep = xMajor ? minorSign * width : minorSign;

  std::int64_t count = hi - lo + 1;  // at most the raster's width or height
  if (m == 0) {
    for (;;) {
      pixels[at] = color;
      if (--count == 0) break;
      at += majorStep;
    }
    return;
  }
  for (;;) {
    pixels[at] = color;
    if (--count == 0) break;
    at += majorStep;
    rem += twoM;  // rem < 2n and 2m <= 2n: at most one step along the minor axis
    if (rem >= twoN) {
      rem -= twoN;
      at += minorStep;
    }
  }
}

void drawLine(Color* pixels, int width, int height, double x0, double y0, double x1, double y1, Color color) {
  // Most segments of a picture miss it: they are turned away here, before
  // any conversion (NaN is never beside).
  if (bothBeside<double>(x0, x1, width) || bothBeside<double>(y0, y1, height)) return;
  // False for NaN, and infinity lies beyond.
  const auto within = [](double v) { return std::fabs(v) <= LineLimit; };
  if (within(x0) && within(y0) && within(x1) && within(y1)) {
    auto ax = static_cast<std::int64_t>(x0), ay = static_cast<std::int64_t>(y0);
    auto bx = static_cast<std::int64_t>(x1), by = static_cast<std::int64_t>(y1);
    // The ends are whole numbers; anything else is taken to the nearest one
    // (which lies within the limit too).
    if (double(ax) != x0 || double(ay) != y0 || double(bx) != x1 || double(by) != y1) {
      ax = static_cast<std::int64_t>(std::nearbyint(x0));
      ay = static_cast<std::int64_t>(std::nearbyint(y0));
      bx = static_cast<std::int64_t>(std::nearbyint(x1));
      by = static_cast<std::int64_t>(std::nearbyint(y1));
    }
    drawPixelLine(pixels, width, height, ax, ay, bx, by, color);
    return;
  }
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) return;
  // Farther than any line of the picture reaches. A horizontal or vertical
  // line keeps its pixels when its ends are brought to just beside the
  // raster; any other such line draws nothing.
  x0 = std::nearbyint(x0), y0 = std::nearbyint(y0), x1 = std::nearbyint(x1), y1 = std::nearbyint(y1);
  const auto near = [](double v, int size) { return std::clamp(v, -1.0, double(size)); };
  if (y0 == y1 && within(y0)) {
    x0 = near(x0, width), x1 = near(x1, width);
  } else if (x0 == x1 && within(x0)) {
    y0 = near(y0, height), y1 = near(y1, height);
  } else {
    return;
  }
  drawPixelLine(pixels, width, height, static_cast<std::int64_t>(x0), static_cast<std::int64_t>(y0),
                static_cast<std::int64_t>(x1), static_cast<std::int64_t>(y1), color);
}

void Raster::create() {
  ++version_;
  if (pixels_.empty()) {
    pixels_.assign(static_cast<std::size_t>(Width) * Height, 0xFFFFFF);
    fillPending_ = false;
  }
}

void Raster::writeFill() const {
  fillPending_ = false;
  if (pixels_.empty()) return;
  // One row, then copies of it: far quicker than storing pixel by pixel.
  Color* const p = pixels_.data();
  std::fill(p, p + Width, fill_);
  for (int y = 1; y < Height; ++y) std::copy(p, p + Width, p + static_cast<std::ptrdiff_t>(y) * Width);
}

void Raster::rectangle(int x1, int y1, int x2, int y2) {
  ++version_;
  if (pixels_.empty() || x2 <= x1 || y2 <= y1) return;
  const bool filled = brushStyle_ == BrushStyle::Solid;
  if (filled && pen_ == brush_ && x1 <= 0 && y1 <= 0 && x2 >= Width && y2 >= Height) {
    fillPending_ = true;
    fill_ = brush_;
    return;
  }
  settle();
  // The part of the rectangle inside the raster.
  const int cx1 = std::max(x1, 0), cx2 = std::min(x2, Width);
  const int cy1 = std::max(y1, 0), cy2 = std::min(y2, Height);
  if (cx1 >= cx2 || cy1 >= cy2) return;
  Color* const p = pixels_.data();
  auto row = [&](int y, Color c) {
    std::fill(p + static_cast<std::ptrdiff_t>(y) * Width + cx1, p + static_cast<std::ptrdiff_t>(y) * Width + cx2, c);
  };
  auto column = [&](int x, Color c) {
    for (int y = cy1; y < cy2; ++y) p[static_cast<std::ptrdiff_t>(y) * Width + x] = c;
  };
  if (filled)
    for (int y = cy1; y < cy2; ++y) row(y, brush_);
  // The outline, unless it would only repaint the fill.
  if (filled && pen_ == brush_) return;
  if (y1 >= 0) row(y1, pen_);
  if (y2 - 1 < Height) row(y2 - 1, pen_);
  if (x1 >= 0) column(x1, pen_);
  if (x2 - 1 < Width) column(x2 - 1, pen_);
}

void Raster::textOut(int x, int y, const std::string& text) {
  ++version_;
  if (pixels_.empty() || !textRenderer_) return;
  settle();
  textRenderer_->drawText(*this, x, y, text, 0, brushStyle_ == BrushStyle::Solid, brush_);
}

}  // namespace graf

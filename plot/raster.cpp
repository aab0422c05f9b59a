#include "plot/raster.h"

#include <cmath>
#include <cstdlib>

namespace graf {

// Placeholder line: exact for short segments only; replaced by the clipped line.
void drawLine(Color* pixels, int width, int height, double x0, double y0, double x1, double y1,
              Color color) {
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) return;
  if (std::fabs(x0) > 1e6 || std::fabs(y0) > 1e6 || std::fabs(x1) > 1e6 || std::fabs(y1) > 1e6) return;
  long long ax = (long long)x0, ay = (long long)y0, bx = (long long)x1, by = (long long)y1;
  long long dx = std::llabs(bx - ax), dy = std::llabs(by - ay);
  int sx = bx >= ax ? 1 : -1, sy = by >= ay ? 1 : -1;
  bool xmajor = dx >= dy;
  long long n = xmajor ? dx : dy, m = xmajor ? dy : dx;
  for (long long i = 0; i < n; ++i) {
    long long off = n == 0 ? 0 : (2 * i * m + n - 1) / (2 * n);
    long long px = xmajor ? ax + sx * i : ax + sx * off;
    long long py = xmajor ? ay + sy * off : ay + sy * i;
    if (px >= 0 && px < width && py >= 0 && py < height) pixels[py * width + px] = color;
  }
}

void Raster::create() {
  if (pixels_.empty()) pixels_.assign(static_cast<std::size_t>(Width) * Height, 0xFFFFFF);
}

void Raster::lineTo(double x, double y) {
  if (!pixels_.empty()) drawLine(pixels_.data(), Width, Height, curX_, curY_, x, y, pen_);
  curX_ = x;
  curY_ = y;
}

void Raster::rectangle(int x1, int y1, int x2, int y2) {
  if (pixels_.empty()) return;
  if (brushStyle_ == BrushStyle::Solid)
    for (int y = y1; y < y2; ++y)
      for (int x = x1; x < x2; ++x) setPixel(x, y, brush_);
  for (int x = x1; x < x2; ++x) { setPixel(x, y1, pen_); setPixel(x, y2 - 1, pen_); }
  for (int y = y1; y < y2; ++y) { setPixel(x1, y, pen_); setPixel(x2 - 1, y, pen_); }
}

void Raster::textOut(int x, int y, const std::string& text) {
  if (pixels_.empty() || !textRenderer_) return;
  textRenderer_->drawText(*this, x, y, text, 0, brushStyle_ == BrushStyle::Solid, brush_);
}

}  // namespace graf

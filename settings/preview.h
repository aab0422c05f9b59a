// SPDX-License-Identifier: MIT
#pragma once
// The quick view's picture: 201 × 201 pixels with a square grid, black axes
// and ticks, and one sample curve of each family (every coefficient 1) in the
// quick view's own colours. The origin is the pixel (100, 100) and one unit is
// 4 pixels, so the picture shows −25..25 in both directions.
#include <vector>

#include "settings/settings_state.h"

namespace graf {

class PreviewPicture {
 public:
  static constexpr int Size = 201;
  // The picture is white until it is first drawn on.
  PreviewPicture() : pixels_(static_cast<std::size_t>(Size) * Size, 0xFFFFFF) {}
  Color pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * Size + x]; }
  const Color* data() const { return pixels_.data(); }

  // Draws a line from (x0, y0) up to, not including, (x1, y1), clipped.
  void line(double x0, double y0, double x1, double y1, Color pen);

 private:
  std::vector<Color> pixels_;
};

// Draws grid, axes, ticks and the four samples in the quick view's own
// colours. Every drawing paints the same geometry, so the picture shows what a
// drawing on a fresh white picture shows.
void drawPreview(PreviewPicture& picture, const QuickViewColors& colors);

}  // namespace graf

// SPDX-License-Identifier: MIT
#pragma once
// The first renderer of the picture, kept as the reference for the present
// one: the same pixels must come out of both.
#include <vector>

#include "plot/plot_state.h"
#include "plot/raster.h"

namespace graf::reference {

struct Picture {
  std::vector<Color> pixels;  // Raster::Width × Raster::Height, row-major
  double penX, penY;          // the current position after the last curve
};

// The picture cleared (white, or `faceColor` when PictureCleared is set) and
// rendered: grid, axes, ticks, then every stored function in table order.
Picture picture(const PlotState& st, Color faceColor);

// The line rule as it was first written.
void drawLine(Color* pixels, int width, int height, double x0, double y0, double x1, double y1,
              Color color);

}  // namespace graf::reference

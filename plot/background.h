// SPDX-License-Identifier: MIT
#pragma once
// The picture's background, described once: the grid, the axes and their
// ticks. The redraw draws it line by line or writes it row by row, and the
// drawing kept for vector files lists its lines; all three read it here.
#include <cstdint>

#include "plot/plot_state.h"

namespace graf {

// Whole pixel positions from `first` up to `end`, the end left out: the
// pixels a straight line sets from one end towards the other.
struct PixelRun {
  std::int64_t first, end;
  bool contains(std::int64_t v) const { return v >= first && v < end; }
};

// A straight line of the background from (column0, row0) towards (column1,
// row1), its end left out as the pen leaves it; the ends may lie far outside
// the picture.
struct BackgroundLine {
  std::int64_t column0, row0, column1, row1;
  Color color;
};

// The grid has a line every `unit` pixels: columns 45 + unit .. 365 over
// rows 0..364, and rows unit .. 320 over columns 45..364, in the grid colour.
// In black over it: the x axis over columns 41..364, the y axis over rows
// 0..319, a tick of three rows across the x axis at every grid column and
// one of three columns across the y axis at every grid row. The axes follow
// the pans; the grid stays. The unit divides 320 (see rendersGrid).
struct Background {
  static constexpr int GridLeft = 45;      // the grid's columns start one unit right of it
  static constexpr int GridRight = 365;    // the last grid column; lines across end before it
  static constexpr int GridBottom = 320;   // the last grid row
  static constexpr int XAxisLeft = 41;     // where the x axis starts, left of the grid
  static constexpr int YAxisBottom = 320;  // the y axis ends before it
  static constexpr int TickReach = 1;      // a tick reaches this far to either side of its axis
  static constexpr Color AxisColor = 0;

  int unit;
  Color gridColor;
  // Where the axes cross: the origin's row may lie anywhere a 32-bit pan
  // puts it.
  std::int64_t axisRow, axisColumn;

  static Background of(const PlotState& st) {
    return {pixelsPerUnit(st.view.ZoomFactor), st.settings.ColorGrid, OriginRow + std::int64_t{st.view.PanY},
            OriginColumn + std::int64_t{st.view.PanX}};
  }

  // Grid columns are GridLeft + unit, + 2·unit, .. GridRight; grid rows are
  // unit, 2·unit, .. GridBottom.
  bool isGridRow(std::int64_t row) const { return row >= unit && row <= GridBottom && row % unit == 0; }

  static constexpr PixelRun gridColumnRows() { return {0, GridRight}; }
  static constexpr PixelRun gridRowColumns() { return {GridLeft, GridRight}; }
  static constexpr PixelRun xAxisColumns() { return {XAxisLeft, GridRight}; }
  static constexpr PixelRun yAxisRows() { return {0, YAxisBottom}; }
  PixelRun xTickRows() const { return {axisRow - TickReach, axisRow + TickReach + 1}; }
  PixelRun yTickColumns() const { return {axisColumn - TickReach, axisColumn + TickReach + 1}; }

  // Every line in drawing order: the vertical grid lines, the horizontal
  // ones, the x axis, the y axis, the x axis's ticks, the y axis's ticks.
  // The pen ends where the last line ends.
  template <class Visit>
  void forEachLine(Visit visit) const {
    for (int x = GridLeft + unit; x <= GridRight; x += unit)
      visit(BackgroundLine{x, gridColumnRows().first, x, gridColumnRows().end, gridColor});
    for (int y = unit; y <= GridBottom; y += unit)
      visit(BackgroundLine{gridRowColumns().first, y, gridRowColumns().end, y, gridColor});
    visit(BackgroundLine{xAxisColumns().first, axisRow, xAxisColumns().end, axisRow, AxisColor});
    visit(BackgroundLine{axisColumn, yAxisRows().first, axisColumn, yAxisRows().end, AxisColor});
    for (int x = GridLeft + unit; x <= GridRight; x += unit)
      visit(BackgroundLine{x, xTickRows().first, x, xTickRows().end, AxisColor});
    for (int y = unit; y <= GridBottom; y += unit)
      visit(BackgroundLine{yTickColumns().first, y, yTickColumns().end, y, AxisColor});
  }
};

}  // namespace graf

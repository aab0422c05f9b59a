// SPDX-License-Identifier: MIT
#pragma once
// The picture as a drawing rather than as pixels: the same grid, axes, ticks,
// curves and texts that the raster receives, as lines, polylines and texts in
// the picture's own coordinates (column, row), for files that keep them as
// vectors. A curve's points are its sample points before they are rounded to
// pixels: the raster draws between the rounded points, so a drawing and the
// raster agree wherever the raster has a pixel, and a file can draw the
// curve through where it really lies.
#include <string>
#include <vector>

#include "plot/plot_state.h"
#include "plot/raster.h"

namespace graf {

// A position in pixels, not rounded, which may lie far outside the picture.
struct PicturePoint {
  double column = 0;
  double row = 0;
  friend bool operator==(const PicturePoint&, const PicturePoint&) = default;
};

// A straight run of pixels, both ends included, clipped to the picture.
struct PictureLine {
  int column0, row0, column1, row1;
  Color color;
  friend bool operator==(const PictureLine&, const PictureLine&) = default;
};

// Consecutive sample points of one curve, joined in order: the points of a
// run of segments each of which can set a pixel of the picture.
using CurvePiece = std::vector<PicturePoint>;

struct PictureCurve {
  Color color;
  std::vector<CurvePiece> pieces;
};

// A text with its top-left corner at (column, row); an opaque one has its
// box filled with `background` first.
struct PictureText {
  int column, row;
  std::string text;
  Color color;
  bool opaque = false;
  Color background = 0;
  friend bool operator==(const PictureText&, const PictureText&) = default;
};

// Something drawn over the picture after it was plotted (a sum, a traced
// curve, a marked point's helper lines with its coordinates, the axis
// numbers): its curve, then its texts.
struct PictureOverlay {
  PictureCurve curve;
  std::vector<PictureText> texts;
};

// The whole picture, in drawing order: the background, the lines (grid,
// axes, ticks), the curves in table order, then the overlays in the order
// they were drawn.
struct PictureDrawing {
  Color background = 0xFFFFFF;
  std::vector<PictureLine> lines;
  std::vector<PictureCurve> curves;
  std::vector<PictureOverlay> overlays;
};

// Every text of a drawing, in drawing order.
std::vector<PictureText> allTexts(const PictureDrawing& drawing);

// The pieces of the curve y = f(x), sampled as the renderer samples it: x
// from −80 by repeated addition of SampleStep until x ≥ 80, each point at
// the column and row of (x, f(x)) before their rounding to whole pixels. A
// segment between two consecutive points belongs to a piece when it can set
// a pixel: both ends finite and its ends not both beside the picture, across
// or down. A step that would never end gives no pieces.
template <class F>
std::vector<CurvePiece> curvePieces(const PlotState& st, F f);

// The pieces of stored function i (1..FunctionCount).
std::vector<CurvePiece> storedCurvePieces(const PlotState& st, int i);

// The grid, the axes and the ticks of the state's view, as the renderer
// draws them, clipped to the picture.
std::vector<PictureLine> gridAndAxes(const PlotState& st);

// The pieces cut to the picture and the pixel around it: the part of each
// segment that lies within columns −1..393 and rows −1..321 (pixel centres),
// which covers every pixel a line through the segment can touch. Points
// inside stay exactly as they are; a piece whose segments leave the picture
// and come back becomes two. What a file that keeps the exact points writes.
std::vector<CurvePiece> clippedToPicture(const std::vector<CurvePiece>& pieces);

// What the picture shows right after a plot run of the state: a white
// background, the grid, axes and ticks, and every stored function in table
// order in its kind's colour. No texts.
PictureDrawing renderedDrawing(const PlotState& st);

// Paints a drawing onto a raster with the raster's own line rule, each
// curve segment drawn as the renderer draws it (from its right point to its
// left one, both rounded to whole pixels, that point left out) and the texts through `text` (none when
// null): the raster of a drawing made from a state is the rendered picture.
void paintDrawing(const PictureDrawing& drawing, Raster& picture, TextRenderer* text);

// Passes texts on to another text renderer (when given) and keeps each one,
// so that the texts drawn onto a raster can go into its drawing too.
class TextRecorder : public TextRenderer {
 public:
  explicit TextRecorder(TextRenderer* next = nullptr) : next_(next) {}
  void drawText(Raster& raster, int x, int y, const std::string& text, Color color, bool opaque,
                Color background) override;
  const std::vector<PictureText>& texts() const { return texts_; }

 private:
  TextRenderer* next_;
  std::vector<PictureText> texts_;
};

// --- implementation ---

PicturePoint samplePoint(const PlotState& st, double x, double y);
// Whether the segment between two points can set a pixel of the picture.
bool segmentCanShow(const PicturePoint& a, const PicturePoint& b);

template <class F>
std::vector<CurvePiece> curvePieces(const PlotState& st, F f) {
  std::vector<CurvePiece> pieces;
  const double s = st.settings.SampleStep;
  if (!(s > 0.0) || !(-80.0 + s > -80.0)) return pieces;
  double x = -80.0;
  PicturePoint here = samplePoint(st, x, f(x));
  bool open = false;
  do {
    const double xn = x + s;
    const PicturePoint next = samplePoint(st, xn, f(xn));
    if (segmentCanShow(here, next)) {
      if (!open) pieces.push_back({here});
      pieces.back().push_back(next);
      open = true;
    } else {
      open = false;
    }
    here = next;
    x = xn;
  } while (x < 80.0);
  return pieces;
}

}  // namespace graf

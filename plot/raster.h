// SPDX-License-Identifier: MIT
#pragma once
// The picture: a 393 × 321 raster of 0x00BBGGRR colours with a small canvas
// (pen, brush, current position, move to, line to, rectangle, text out).
// Drawing outside the raster is clipped silently; coordinates may lie
// anywhere, with the limit of drawLine on lines far away.
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "plot/plot_state.h"

namespace graf {

class Raster;

// Draws text glyphs into the raster. The window layer renders with the
// program's font; tests record the calls.
class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  // Draws `text` (UTF-8) with its top-left corner at (x, y) in `color`. When
  // `opaque` is true the text's box is first filled with `background`.
  virtual void drawText(Raster& raster, int x, int y, const std::string& text, Color color, bool opaque,
                        Color background) = 0;
};

enum class BrushStyle { Solid, Clear };

// A line whose two ends lie on the same side beyond a raster of `size`
// pixels along one axis sets none of its pixels: every pixel of the line lies
// within the box spanned by its ends. This is the one place that says so;
// the line applies it first, and the redraw to skip work it would turn away.
// Ends that are not whole numbers are rounded to the nearest whole number
// before drawing, hence −1 rather than 0. NaN is never beside.
template <class T>
constexpr bool bothBeside(T a, T b, T size) {
  return (a <= -1 && b <= -1) || (a >= size && b >= size);
}

// How far from the raster the ends of a line are drawn exactly, in pixels.
// No line of the picture comes near: its columns lie within a few thousand
// pixels, and a row of a curve whose coefficients lie within ±100 within
// 2.1·10^8 pixels of the x axis's row, so a segment with an end farther than
// 4.2·10^8 from the raster has both rows beside it whatever the pan.
inline constexpr double LineLimit = 536870912.0;  // 2^29

// The line rule for ends within ±LineLimit, with no segment beside the raster
// (see drawPixelLine); rasters below 2^16 pixels a side.
void drawLineWithin(Color* pixels, int width, int height, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                    std::int64_t y1, Color color);

// The line rule, shared by the canvas and its tests. Sets in `pixels`
// (width × height, row-major) every pixel of the line from (x0, y0) to
// (x1, y1) except (x1, y1) itself, clipped to the raster, for whole-number
// ends within ±LineLimit.
inline void drawPixelLine(Color* pixels, int width, int height, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                          std::int64_t y1, Color color) {
  if (bothBeside<std::int64_t>(x0, x1, width) || bothBeside<std::int64_t>(y0, y1, height)) return;
  drawLineWithin(pixels, width, height, x0, y0, x1, y1, color);
}

// The same rule for ends that are any doubles: they are rounded to the nearest
// whole number, a segment with an end that is not finite draws nothing, and
// of the segments with an end beyond ±LineLimit only horizontal and vertical
// ones are drawn (exactly: their pixels do not depend on how far away the
// ends are).
void drawLine(Color* pixels, int width, int height, double x0, double y0, double x1, double y1, Color color);

class Raster {
 public:
  static constexpr int Width = 393;
  static constexpr int Height = 321;

  Raster() = default;
  Raster(const Raster&) = default;
  Raster(Raster&&) = default;
  // Taking another picture's pixels is a change of this one's.
  Raster& operator=(const Raster& other) {
    const std::uint64_t next = version_ + 1;
    Raster copy(other);
    *this = std::move(copy);
    version_ = std::max(next, version_);
    return *this;
  }
  Raster& operator=(Raster&& other) noexcept {
    const std::uint64_t next = version_ + 1;
    pixels_ = std::move(other.pixels_);
    fillPending_ = other.fillPending_;
    fill_ = other.fill_;
    ++other.version_;
    pen_ = other.pen_;
    brush_ = other.brush_;
    brushStyle_ = other.brushStyle_;
    curX_ = other.curX_;
    curY_ = other.curY_;
    textRenderer_ = other.textRenderer_;
    version_ = next;
    return *this;
  }

  // The picture has no pixels until it is first cleared.
  bool exists() const { return !pixels_.empty(); }
  // Creates the pixels (white) if they do not exist yet.
  void create();

  Color pixel(int x, int y) const {
    settle();
    return pixels_[static_cast<std::size_t>(y) * Width + x];
  }
  // Sets one pixel; outside the raster nothing happens.
  void setPixel(int x, int y, Color c) {
    ++version_;
    settle();
    if (x >= 0 && x < Width && y >= 0 && y < Height) pixels_[static_cast<std::size_t>(y) * Width + x] = c;
  }
  const Color* data() const {
    settle();
    return pixels_.data();
  }
  Color* data() {
    ++version_;
    settle();
    return pixels_.data();
  }
  // A rectangle over the whole raster in one colour is only noted, and
  // written when the pixels are next read or drawn on, so that a writer of
  // every pixel can take its colour instead: true, with that colour, while
  // such a fill is pending.
  bool pendingFill(Color& c) const {
    c = fill_;
    return fillPending_;
  }
  // The pixels, for a writer that sets every one of them: a pending fill is
  // dropped unwritten.
  Color* dataToOverwrite() {
    ++version_;
    fillPending_ = false;
    return pixels_.data();
  }
  // Moves on with every change of the pixels (and every hand-out of them for
  // writing), so that a copy of the picture knows when it is out of date.
  std::uint64_t version() const { return version_; }

  void setPenColor(Color c) { pen_ = c; }
  Color penColor() const { return pen_; }
  void setBrushColor(Color c) {
    brush_ = c;
    brushStyle_ = BrushStyle::Solid;
  }
  Color brushColor() const { return brush_; }
  void setBrushStyle(BrushStyle s) { brushStyle_ = s; }
  BrushStyle brushStyle() const { return brushStyle_; }

  // Pixel coordinates are whole numbers held in doubles, so that a point far
  // outside any integer range (or not finite at all) can still be passed.
  void moveTo(double x, double y) {
    curX_ = x;
    curY_ = y;
  }
  // Draws from the current position to (x, y), leaving out (x, y) itself, and
  // makes (x, y) the current position.
  void lineTo(double x, double y) {
    ++version_;
    settle();
    if (!pixels_.empty()) drawLine(pixels_.data(), Width, Height, curX_, curY_, x, y, pen_);
    curX_ = x;
    curY_ = y;
  }
  double currentX() const { return curX_; }
  double currentY() const { return curY_; }

  // Fills columns x1..x2-1 and rows y1..y2-1 with the brush (when solid) and
  // outlines them with the pen.
  void rectangle(int x1, int y1, int x2, int y2);

  // Writes text with its top-left corner at (x, y) in black; with a solid
  // brush the text box is filled with the brush colour first.
  void textOut(int x, int y, const std::string& text);
  void setTextRenderer(TextRenderer* r) { textRenderer_ = r; }
  TextRenderer* textRenderer() const { return textRenderer_; }

 private:
  // Writes a pending fill. The picture is drawn and read by one thread at a
  // time, so a reader may do it.
  void settle() const {
    if (fillPending_) writeFill();
  }
  void writeFill() const;

  mutable std::vector<Color> pixels_;
  mutable bool fillPending_ = false;
  Color fill_ = 0;
  Color pen_ = 0;
  Color brush_ = 0xFFFFFF;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  double curX_ = 0, curY_ = 0;
  std::uint64_t version_ = 0;
  TextRenderer* textRenderer_ = nullptr;
};

}  // namespace graf

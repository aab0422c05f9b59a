// SPDX-License-Identifier: MIT
// The canvas of the picture: rectangle and line to.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "plot/raster.h"

namespace graf {
namespace {

constexpr Color Background = 0x123456;

// A raster filled with a colour no operation below uses.
Raster filledRaster() {
  Raster r;
  r.create();
  for (int y = 0; y < Raster::Height; ++y)
    for (int x = 0; x < Raster::Width; ++x) r.setPixel(x, y, Background);
  return r;
}

TEST(Raster, RectangleFillsAndOutlines) {
  struct Case {
    int x1, y1, x2, y2;
    bool solid;
    Color pen, brush;
  };
  const Case cases[] = {
      {10, 20, 30, 25, true, 0x0000FF, 0x00FF00},                       // inside
      {10, 20, 30, 25, false, 0x0000FF, 0x00FF00},                      // outline only
      {-5, -7, 4, 3, true, 0x0000FF, 0x00FF00},                         // top-left corner cut off
      {380, 300, 500, 400, true, 0x0000FF, 0x00FF00},                   // bottom-right cut off
      {-10, -10, 500, 400, true, 0x0000FF, 0x00FF00},                   // outline outside the raster
      {0, 0, Raster::Width, Raster::Height, true, 0xFFFFFF, 0xFFFFFF},  // clearing
      {7, 3, 8, 9, true, 0x0000FF, 0x00FF00},                           // one column: all outline
      {5, 5, 5, 9, true, 0x0000FF, 0x00FF00},                           // empty
      {5, 9, 8, 2, true, 0x0000FF, 0x00FF00},                           // empty
      {400, 5, 410, 9, true, 0x0000FF, 0x00FF00},                       // beside the raster
  };
  for (const Case& c : cases) {
    Raster r = filledRaster();
    r.setPenColor(c.pen);
    r.setBrushColor(c.brush);
    if (!c.solid) r.setBrushStyle(BrushStyle::Clear);
    r.rectangle(c.x1, c.y1, c.x2, c.y2);
    int wrong = 0;
    for (int y = 0; y < Raster::Height; ++y) {
      for (int x = 0; x < Raster::Width; ++x) {
        Color want = Background;
        if (x >= c.x1 && x < c.x2 && y >= c.y1 && y < c.y2) {
          const bool edge = x == c.x1 || x == c.x2 - 1 || y == c.y1 || y == c.y2 - 1;
          if (edge)
            want = c.pen;
          else if (c.solid)
            want = c.brush;
        }
        if (r.pixel(x, y) != want) ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0) << c.x1 << "," << c.y1 << "," << c.x2 << "," << c.y2 << " solid " << c.solid;
  }
}

// The segment of f(x) = x for x = 0 at 1x: the pixels between its ends and
// its start, not its end; the end becomes the current position.
TEST(Raster, LineToLeavesOutItsEnd) {
  Raster r = filledRaster();
  r.setPenColor(0x0000FF);
  r.moveTo(209, 156);
  r.lineTo(205, 160);
  EXPECT_EQ(r.currentX(), 205);
  EXPECT_EQ(r.currentY(), 160);
  int set = 0;
  for (int y = 0; y < Raster::Height; ++y)
    for (int x = 0; x < Raster::Width; ++x) set += r.pixel(x, y) == 0x0000FF;
  EXPECT_EQ(set, 4);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(r.pixel(209 - k, 156 + k), 0x0000FFu) << k;
  EXPECT_EQ(r.pixel(205, 160), Background);
}

// Before the first clear there are no pixels to draw on; the position still
// moves.
TEST(Raster, NothingIsDrawnBeforeThePictureExists) {
  Raster r;
  r.moveTo(0, 0);
  r.lineTo(100, 100);
  r.rectangle(0, 0, 10, 10);
  EXPECT_FALSE(r.exists());
  EXPECT_EQ(r.currentX(), 100);
}

// A fill of the whole raster is written only when the pixels are next read or
// drawn on: whatever comes next sees exactly the pixels of a fill written at
// once, and a copy or a move carries the fill along.
TEST(Raster, AWholeFillLooksWrittenToEveryOperation) {
  constexpr Color Fill = 0xABCDEF, Pen = 0x0000FF;
  struct Case {
    const char* what;
    void (*then)(Raster&);
  };
  const Case cases[] = {
      {"read", [](Raster&) {}},
      {"set a pixel", [](Raster& r) { r.setPixel(3, 4, Pen); }},
      {"line",
       [](Raster& r) {
         r.moveTo(-5, 7);
         r.lineTo(400, 200);
       }},
      {"smaller rectangle", [](Raster& r) { r.rectangle(10, 20, 30, 25); }},
      {"second whole fill in another colour",
       [](Raster& r) {
         r.setBrushColor(0x111111);
         r.setPenColor(0x111111);
         r.rectangle(0, 0, 500, 500);
       }},
      {"copy",
       [](Raster& r) {
         const Raster copy(r);
         r = copy;
       }},
      {"move",
       [](Raster& r) {
         Raster moved(std::move(r));
         r = std::move(moved);
       }},
      {"writable data", [](Raster& r) { r.data()[5] = Pen; }},
  };
  for (const Case& c : cases) {
    Raster lazy = filledRaster(), eager = filledRaster();
    for (Raster* r : {&lazy, &eager}) {
      r->setPenColor(Fill);
      r->setBrushColor(Fill);
    }
    const auto before = lazy.version();
    lazy.rectangle(0, 0, Raster::Width, Raster::Height);
    EXPECT_GT(lazy.version(), before) << c.what;
    Color pending = 0;
    EXPECT_TRUE(lazy.pendingFill(pending) && pending == Fill) << c.what;
    // The same fill written pixel by pixel.
    for (int y = 0; y < Raster::Height; ++y)
      for (int x = 0; x < Raster::Width; ++x) eager.setPixel(x, y, Fill);
    for (Raster* r : {&lazy, &eager}) {
      r->setPenColor(Pen);
      c.then(*r);
    }
    const Raster& shown = lazy;
    EXPECT_TRUE(std::equal(shown.data(), shown.data() + Raster::Width * Raster::Height, eager.data())) << c.what;
    EXPECT_FALSE(lazy.pendingFill(pending)) << c.what;
  }
}

// A writer of every pixel takes the pending fill's colour instead of the
// fill; a fill that is not of the whole raster, or outlined in another
// colour, is written at once.
TEST(Raster, OnlyAWholeOneColourFillWaits) {
  Raster r = filledRaster();
  r.setPenColor(0x222222);
  r.setBrushColor(0x222222);
  r.rectangle(0, 0, Raster::Width, Raster::Height);
  Color pending = 0;
  ASSERT_TRUE(r.pendingFill(pending));
  Color* all = r.dataToOverwrite();
  EXPECT_FALSE(r.pendingFill(pending));
  EXPECT_EQ(all[0], Background);  // not written: the writer sets every pixel
  for (auto [x2, pen] : {std::pair{Raster::Width - 1, Color{0x222222}}, std::pair{Raster::Width, Color{0x333333}}}) {
    Raster s = filledRaster();
    s.setPenColor(pen);
    s.setBrushColor(0x222222);
    s.rectangle(0, 0, x2, Raster::Height);
    EXPECT_FALSE(s.pendingFill(pending)) << x2;
    EXPECT_EQ(s.pixel(1, 1), Color{0x222222}) << x2;
  }
}

}  // namespace
}  // namespace graf

// SPDX-License-Identifier: MIT
// The line rule: Bresenham's line without its end point, ties rounded toward
// the start, clipped to the raster without changing a pixel inside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <utility>
#include <vector>

#include "plot/raster.h"

namespace graf {
namespace {

using Pixel = std::pair<int, int>;  // column, row
using Pixels = std::vector<Pixel>;

constexpr int W = Raster::Width;
constexpr int H = Raster::Height;

// The pixels drawLine sets on a w × h raster, in row-major order.
Pixels drawn(int w, int h, double x0, double y0, double x1, double y1) {
  std::vector<Color> buf(static_cast<std::size_t>(w) * h, 0);
  drawLine(buf.data(), w, h, x0, y0, x1, y1, 1);
  Pixels out;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (buf[static_cast<std::size_t>(y) * w + x] != 0) out.emplace_back(x, y);
  return out;
}

Pixels sorted(Pixels p) {
  std::sort(p.begin(), p.end(), [](const Pixel& a, const Pixel& b) {
    return a.second != b.second ? a.second < b.second : a.first < b.first;
  });
  return p;
}

// The whole line walked step by step from the definition; the steps that fall
// inside the w × h raster are kept.
Pixels naiveLine(int w, int h, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
  const std::int64_t dx = x1 - x0, dy = y1 - y0;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t n = xMajor ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t m = xMajor ? std::llabs(dy) : std::llabs(dx);
  const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  Pixels out;
  for (std::int64_t i = 0; i < n; ++i) {
    const std::int64_t off = (2 * i * m + n - 1) / (2 * n);
    const std::int64_t x = x0 + sx * (xMajor ? i : off);
    const std::int64_t y = y0 + sy * (xMajor ? off : i);
    if (x >= 0 && x < w && y >= 0 && y < h) out.emplace_back(int(x), int(y));
  }
  return out;
}

std::string describe(double x0, double y0, double x1, double y1) {
  std::ostringstream s;
  s.precision(17);
  s << "(" << x0 << ", " << y0 << ") -> (" << x1 << ", " << y1 << ")";
  return s.str();
}

// Small segments worked out by hand. A tie (i·m/n exactly halfway) stays on
// the start's side, so a segment and its reverse differ.
TEST(Line, PixelsOfShortSegments) {
  struct Case {
    int x0, y0, x1, y1;
    Pixels expected;
  };
  const Case cases[] = {
      {0, 0, 4, 1, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}},  // tie at i = 2
      {4, 1, 0, 0, {{4, 1}, {3, 1}, {2, 1}, {1, 0}}},
      {0, 0, 2, 1, {{0, 0}, {1, 0}}},  // tie at i = 1
      {2, 1, 0, 0, {{2, 1}, {1, 1}}},
      {0, 0, 1, 2, {{0, 0}, {0, 1}}},  // y-major tie
      {1, 2, 0, 0, {{1, 2}, {1, 1}}},
      {0, 0, 5, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},  // no tie
      {5, 2, 0, 0, {{5, 2}, {4, 2}, {3, 1}, {2, 1}, {1, 0}}},
      {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},  // diagonal
      {3, 0, 0, 3, {{3, 0}, {2, 1}, {1, 2}}},
      {0, 1, 5, 1, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}}},
      {3, 3, 3, 0, {{3, 3}, {3, 2}, {3, 1}}},
      {1, 1, 2, 1, {{1, 1}}},  // one step: only the start
      {2, 2, 2, 2, {}},        // no step: the end is left out
  };
  for (const Case& c : cases)
    EXPECT_EQ(drawn(6, 4, c.x0, c.y0, c.x1, c.y1), sorted(c.expected)) << describe(c.x0, c.y0, c.x1, c.y1);
}

// Many random segments around and across the picture, drawn clipped and
// compared with the whole line walked pixel by pixel.
TEST(Line, ClippedLineMatchesWholeLine) {
  std::mt19937_64 rng(19990415);
  std::uniform_int_distribution<int> farX(-3000, W + 3000), farY(-3000, H + 3000);
  std::uniform_int_distribution<int> nearX(-4, W + 3), nearY(-4, H + 3);
  std::uniform_int_distribution<int> len(-4000, 4000), unit(-1, 1), kind(0, 6);
  std::vector<Color> buf(static_cast<std::size_t>(W) * H, 0);
  int crossing = 0;
  const int segments = 30000;
  for (int k = 0; k < segments; ++k) {
    int x0 = farX(rng), y0 = farY(rng), x1 = farX(rng), y1 = farY(rng);
    switch (kind(rng)) {
      case 0: break;           // anywhere
      case 1: y1 = y0; break;  // horizontal
      case 2: x1 = x0; break;  // vertical
      case 3: {                // diagonal
        const int d = len(rng);
        x1 = x0 + d;
        y1 = y0 + (unit(rng) < 0 ? -d : d);
        break;
      }
      case 4:  // no step or a single one, near the border
        x0 = nearX(rng), y0 = nearY(rng);
        x1 = x0 + unit(rng), y1 = y0 + unit(rng);
        break;
      case 5:  // ends near the border
        x0 = nearX(rng), y0 = nearY(rng), x1 = nearX(rng), y1 = nearY(rng);
        break;
      case 6:  // one end inside, one far away
        x0 = nearX(rng), y0 = nearY(rng);
        break;
    }
    drawLine(buf.data(), W, H, x0, y0, x1, y1, 1);
    const Pixels expected = naiveLine(W, H, x0, y0, x1, y1);
    if (!expected.empty()) ++crossing;
    // Every expected pixel is set; clearing them must leave nothing behind.
    bool same = true;
    for (const Pixel& p : expected) {
      Color& px = buf[static_cast<std::size_t>(p.second) * W + p.first];
      same = same && px == 1;
      px = 0;
    }
    same = same && std::all_of(buf.begin(), buf.end(), [](Color c) { return c == 0; });
    ASSERT_TRUE(same) << describe(x0, y0, x1, y1);
  }
  // The comparison means something only if many segments reach the picture.
  EXPECT_GT(crossing, segments / 3);
}

// The definition evaluated only at the steps whose major coordinate lies in
// the picture, in 128-bit arithmetic: good for ends up to 2^62.
Pixels windowedLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
  __extension__ typedef __int128 I128;
  const I128 dx = I128(x1) - x0, dy = I128(y1) - y0;
  const I128 adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const I128 n = xMajor ? adx : ady, m = xMajor ? ady : adx;
  const I128 major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
  const int sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1, sMinor = (xMajor ? dy : dx) < 0 ? -1 : 1;
  Pixels out;
  for (int v = 0; v < (xMajor ? W : H); ++v) {
    const I128 i = (v - major0) * sMajor;
    if (i < 0 || i >= n) continue;
    const I128 minor = minor0 + sMinor * ((2 * i * m + n - 1) / (2 * n));
    if (minor < 0 || minor >= (xMajor ? H : W)) continue;
    out.emplace_back(xMajor ? v : int(minor), xMajor ? int(minor) : v);
  }
  return sorted(out);
}

// Segments with ends up to the line's limit, 2^29, through a random pixel of
// the picture.
TEST(Line, LongSegmentsThroughThePicture) {
  std::mt19937_64 rng(7);
  std::uniform_int_distribution<int> px(0, W - 1), py(0, H - 1), dir(-1000, 1000);
  std::uniform_int_distribution<std::int64_t> reach(0, std::int64_t{1} << 19);  // 1000·2^19 + 392 < 2^29
  for (int k = 0; k < 400; ++k) {
    const std::int64_t cx = px(rng), cy = py(rng);
    std::int64_t a = dir(rng), b = dir(rng);
    if (a == 0 && b == 0) a = 1;
    const std::int64_t k0 = reach(rng), k1 = reach(rng);
    const std::int64_t x0 = cx - k0 * a, y0 = cy - k0 * b, x1 = cx + k1 * a, y1 = cy + k1 * b;
    for (std::int64_t v : {x0, y0, x1, y1}) ASSERT_LE(std::abs(double(v)), LineLimit);
    const Pixels expected = windowedLine(x0, y0, x1, y1);
    ASSERT_FALSE(expected.empty());  // the line passes through (cx, cy)
    ASSERT_EQ(drawn(W, H, x0, y0, x1, y1), expected) << describe(x0, y0, x1, y1);
  }
}

// At the limit the line is exact; one pixel beyond it, a line that is neither
// horizontal nor vertical draws nothing, while a horizontal or vertical one
// keeps its pixels.
TEST(Line, TheLimitOfExactLines) {
  const std::int64_t L = static_cast<std::int64_t>(LineLimit);
  struct Case {
    std::int64_t x0, y0, x1, y1;
  };
  const Case cases[] = {
      {-L, 100, L, 101}, {L, 0, -L, 320}, {100, -L, 101, L},   {392, L, 0, -L},
      {-L, -L, L, L},    {0, 0, 300, L},  {-L, 160, 205, 160}, {205, L, 205, 0},
  };
  for (const Case& c : cases) {
    const Pixels exact = windowedLine(c.x0, c.y0, c.x1, c.y1);
    EXPECT_FALSE(exact.empty()) << describe(c.x0, c.y0, c.x1, c.y1);
    EXPECT_EQ(drawn(W, H, c.x0, c.y0, c.x1, c.y1), exact) << describe(c.x0, c.y0, c.x1, c.y1);
    // Each end that lies on the limit moved one pixel beyond it.
    const auto out = [&](std::int64_t v) { return v == L ? L + 1 : v == -L ? -L - 1 : v; };
    const Case far{out(c.x0), out(c.y0), out(c.x1), out(c.y1)};
    const bool straight = far.x0 == far.x1 || far.y0 == far.y1;
    EXPECT_EQ(drawn(W, H, far.x0, far.y0, far.x1, far.y1),
              straight ? windowedLine(far.x0, far.y0, far.x1, far.y1) : Pixels{})
        << describe(far.x0, far.y0, far.x1, far.y1);
  }
}

// Ends between 2^60 and 2^61 (or one end in the picture), aimed at the
// picture: the far ends are multiples of 256, as doubles of that size are.
// Beyond the line's limit such a line draws nothing, though it would cross the
// picture.
TEST(Line, FarSegmentsAcrossThePictureDrawNothing) {
  std::mt19937_64 rng(11);
  std::uniform_int_distribution<int> px(0, W - 1), py(0, H - 1), coin(0, 1);
  std::uniform_int_distribution<std::int64_t> far(std::int64_t{1} << 52, (std::int64_t{1} << 53) - 8);
  const auto round256 = [](std::int64_t v) { return (v >= 0 ? (v + 128) / 256 : -((128 - v) / 256)) * 256; };
  int crossing = 0;
  for (int k = 0; k < 400; ++k) {
    const std::int64_t fx = far(rng) * 256 * (coin(rng) ? 1 : -1);
    const std::int64_t fy = far(rng) * 256 * (coin(rng) ? 1 : -1);
    std::int64_t x0 = fx, y0 = fy, x1, y1;
    if (coin(rng)) {  // through about (cx, cy) to the other side
      x1 = round256(2 * px(rng) - fx);
      y1 = round256(2 * py(rng) - fy);
    } else {  // from inside the picture
      x1 = px(rng);
      y1 = py(rng);
    }
    if (coin(rng)) {
      std::swap(x0, x1);
      std::swap(y0, y1);
    }
    for (std::int64_t v : {x0, y0, x1, y1}) ASSERT_EQ(static_cast<std::int64_t>(double(v)), v);
    if (!windowedLine(x0, y0, x1, y1).empty()) ++crossing;
    ASSERT_EQ(drawn(W, H, double(x0), double(y0), double(x1), double(y1)), Pixels{})
        << describe(double(x0), double(y0), double(x1), double(y1));
  }
  EXPECT_GT(crossing, 300);
}

TEST(Line, EndThatIsNotFiniteDrawsNothing) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double bad : {inf, -inf, nan}) {
    for (int which = 0; which < 4; ++which) {
      double e[4] = {10, 20, 300, 200};
      e[which] = bad;
      EXPECT_TRUE(drawn(W, H, e[0], e[1], e[2], e[3]).empty()) << describe(e[0], e[1], e[2], e[3]);
    }
  }
}

// Horizontal and vertical lines with ends far away on both sides cover a whole
// row or column of the picture, whichever way they run.
TEST(Line, FarEndsCoverWholeRowOrColumn) {
  Pixels row100, column200;
  for (int x = 0; x < W; ++x) row100.emplace_back(x, 100);
  for (int y = 0; y < H; ++y) column200.emplace_back(200, y);
  column200 = sorted(column200);
  for (double far : {1e9, 4e9, 1e18, 1e19, 1e300, std::numeric_limits<double>::max()}) {
    EXPECT_EQ(drawn(W, H, -far, 100, far, 100), row100) << far;
    EXPECT_EQ(drawn(W, H, far, 100, -far, 100), row100) << far;
    EXPECT_EQ(drawn(W, H, 200, -far, 200, far), column200) << far;
    EXPECT_EQ(drawn(W, H, 200, far, 200, -far), column200) << far;
    // Beside the picture nothing is set, however long the line.
    EXPECT_TRUE(drawn(W, H, -far, -1, far, -1).empty()) << far;
    EXPECT_TRUE(drawn(W, H, W, -far, W, far).empty()) << far;
  }
}

// Lines through the origin with direction (a, b): the ends are t0·(a, b) and
// t1·(a, b) with t0, t1 in {0, ±t}. Inside the picture the line's exact
// position along the minor axis is rounded to the nearest pixel, a tie toward
// the start; this holds as far as the line's limit. Beyond it only the
// horizontal and vertical lines are drawn.
TEST(Line, FarLinesThroughTheOrigin) {
  struct Dir {
    int a, b;
  };
  const Dir dirs[] = {{1, 1}, {2, 1}, {4, 1}, {5, 3}, {7, 2}, {1, 2}, {3, 8}, {1, 0}, {0, 1}};
  const double reaches[] = {1e3,    1e6,    0x1p26, 0x1p28, 0x1p29,  1e9,    0x1p40,
                            0x1p52, 0x1p61, 0x1p62, 1e19,   0x1p200, 0x1p996};
  const int ends[][2] = {{-1, 1}, {1, -1}, {0, 1}, {1, 0}, {-1, 0}, {0, -1}};
  for (const Dir& d : dirs) {
    for (double t : reaches) {
      for (const auto& e : ends) {
        const long double t0 = e[0] * static_cast<long double>(t), t1 = e[1] * static_cast<long double>(t);
        const bool xMajor = d.a >= d.b;
        const int A = xMajor ? d.a : d.b, B = xMajor ? d.b : d.a;  // minor = major·B/A
        const long double s = t0 * A, f = t1 * A;                  // major coordinate of start and end
        // Moving toward larger minor values a tie goes down, else up.
        const bool halfDown = t1 * B > t0 * B;
        Pixels expected;
        for (int v = 0; v < (xMajor ? W : H); ++v) {
          const bool onSegment = s < f ? (v >= s && v < f) : (v <= s && v > f);
          if (!onSegment) continue;
          const int num = 2 * v * B;  // minor = num / (2A)
          const int minor = halfDown ? (num + A - 1) / (2 * A) : (num + A) / (2 * A);
          const int x = xMajor ? v : minor, y = xMajor ? minor : v;
          if (x < W && y < H) expected.emplace_back(x, y);
        }
        const double x0 = double(t0 * d.a), y0 = double(t0 * d.b);
        const double x1 = double(t1 * d.a), y1 = double(t1 * d.b);
        const bool beyond = std::max({std::fabs(x0), std::fabs(y0), std::fabs(x1), std::fabs(y1)}) > LineLimit;
        if (beyond && d.a != 0 && d.b != 0) expected.clear();
        EXPECT_EQ(drawn(W, H, x0, y0, x1, y1), sorted(expected)) << describe(x0, y0, x1, y1);
      }
    }
  }
}

}  // namespace
}  // namespace graf

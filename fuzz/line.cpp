// SPDX-License-Identifier: MIT
// The line with its exact clipping, on any ends: the pixels drawLine sets must
// be exactly the steps of the whole line, walked from its definition, that
// fall inside the raster (Bresenham without the end point, ties toward the
// start). The reference computes each step on its own, so only the steps over
// the raster's columns (or rows) are walked, whatever the line's length.
// Beyond the line's limit only horizontal and vertical lines are drawn.
// Rasters of 1..64 × 1..64 pixels keep each input quick; one input in 32 draws
// into the picture's own raster is drawn through Raster::lineTo.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "plot/raster.h"

namespace {

using graf::fuzzing::require;

// Whole-number ends within ±2^60.
constexpr std::int64_t kLimit = std::int64_t{1} << 60;
constexpr auto kLineLimit = static_cast<std::int64_t>(graf::LineLimit);

// The reference and the comparison are no part of what the fuzzer steers by.
#define GRAFOLIN_NO_COVERAGE __attribute__((no_sanitize("coverage")))

// The steps walked one by one; 2·i·m stays below 2^61 because either both
// n and m are within 2^30 (ends within the line's limit) or m is 0.
GRAFOLIN_NO_COVERAGE void referenceLine(std::vector<std::uint8_t>& set, int w, int h, std::int64_t x0, std::int64_t y0,
                                        std::int64_t x1, std::int64_t y1) {
  const bool within = std::max({std::abs(x0), std::abs(y0), std::abs(x1), std::abs(y1)}) <= kLineLimit;
  if (!within && x0 != x1 && y0 != y1) return;  // beyond the limit, neither horizontal nor vertical
  const std::int64_t dx = x1 - x0, dy = y1 - y0;
  const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const std::int64_t n = xMajor ? adx : ady, m = xMajor ? ady : adx;
  if (n == 0) return;
  const int sa = (xMajor ? dx : dy) < 0 ? -1 : 1, sb = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const std::int64_t a0 = xMajor ? x0 : y0, b0 = xMajor ? y0 : x0;
  const std::int64_t limit = xMajor ? w : h;
  // The steps i in 0..n−1 whose major coordinate a0 + sa·i lies in 0..limit−1.
  std::int64_t first = sa > 0 ? -a0 : a0 - limit + 1;
  std::int64_t last = sa > 0 ? limit - 1 - a0 : a0;
  first = std::max<std::int64_t>(first, 0);
  last = std::min<std::int64_t>(last, n - 1);
  for (std::int64_t i = first; i <= last; ++i) {
    const std::int64_t off = (2 * i * m + n - 1) / (2 * n);
    const std::int64_t a = a0 + sa * i, b = b0 + sb * off;
    const std::int64_t x = xMajor ? a : b, y = xMajor ? b : a;
    if (x >= 0 && x < w && y >= 0 && y < h) set[static_cast<std::size_t>(y * w + x)] = 1;
  }
}

// An end coordinate: small, within the line's limit, within the 32-bit
// range, or up to ±2^60.
std::int64_t coordinate(graf::fuzzing::Input& in, int mode) {
  std::uint64_t bits = 0;
  for (int k = 0; k < 8; ++k) bits = bits << 8 | in.byte();
  const auto v = static_cast<std::int64_t>(bits);
  switch (mode) {
    case 0: return v % 200 - 70;
    case 1: return v % (kLineLimit + 1);
    case 2: return static_cast<std::int32_t>(v);
    default: return v % kLimit;
  }
}

GRAFOLIN_NO_COVERAGE bool samePixels(const graf::Color* pixels, const std::vector<std::uint8_t>& expected) {
  for (std::size_t k = 0; k < expected.size(); ++k)
    if ((pixels[k] != 0) != (expected[k] != 0)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  graf::fuzzing::Input in(data, size);
  const std::uint8_t shape = in.byte();
  const bool picture = (shape & 31) == 0;
  const int w = picture ? graf::Raster::Width : 1 + in.below(64);
  const int h = picture ? graf::Raster::Height : 1 + in.below(64);
  // Each end has its own range, so that far ends come with near ones and the
  // line crosses the raster.
  const int mode0 = in.below(4), mode1 = in.below(4);
  const std::int64_t x0 = coordinate(in, mode0), y0 = coordinate(in, mode0);
  const std::int64_t x1 = coordinate(in, mode1), y1 = coordinate(in, mode1);
  const int notFinite = in.below(16);  // 1..4: one end is not finite

  double e[4] = {double(x0), double(y0), double(x1), double(y1)};
  if (notFinite >= 1 && notFinite <= 4)
    e[notFinite - 1] = (in.byte() & 1) ? std::numeric_limits<double>::quiet_NaN()
                                       : ((in.byte() & 1) ? 1 : -1) * std::numeric_limits<double>::infinity();

  static graf::Raster raster;
  static std::vector<graf::Color> small;
  const graf::Color* pixels = nullptr;
  if (picture) {
    raster.create();
    std::fill_n(raster.data(), w * h, graf::Color{0});
    raster.setPenColor(1);
    raster.moveTo(e[0], e[1]);
    raster.lineTo(e[2], e[3]);
    pixels = raster.data();
  } else {
    small.assign(static_cast<std::size_t>(w) * h, 0);
    graf::drawLine(small.data(), w, h, e[0], e[1], e[2], e[3], 1);
    pixels = small.data();
  }

  static std::vector<std::uint8_t> expected;
  expected.assign(static_cast<std::size_t>(w) * h, 0);
  // Ends as the line sees them: whole numbers held in doubles.
  if (notFinite < 1 || notFinite > 4)
    referenceLine(expected, w, h, std::int64_t(e[0]), std::int64_t(e[1]), std::int64_t(e[2]), std::int64_t(e[3]));
  require(samePixels(pixels, expected), "the line differs from the walked line");
  return 0;
}

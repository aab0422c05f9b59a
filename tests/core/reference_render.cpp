// SPDX-License-Identifier: MIT
// The first renderer of the picture, kept word for word as the reference the
// present one is compared with: every segment of every curve walked through
// the line rule, one by one, with nothing shared between curves.
#include "tests/core/reference_render.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace graf::reference {

namespace {

__extension__ typedef __int128 Int128;

// Ends up to this magnitude are drawn exactly with 64-bit coordinates and
// 128-bit intermediate products.
constexpr double ExactLimit = 0x1p60;

template <class T>
T floorDiv(T a, T b) {  // b > 0
  T q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

template <class T>
T ceilDiv(T a, T b) {  // b > 0
  T q = a / b;
  if (a % b != 0 && a > 0) ++q;
  return q;
}

// The first and the last step i for which the minor offset
// off(i) = floor((2·i·m + n − 1) / (2·n)) lies within [a, b], intersected
// with [lo, hi]; m > 0. off(i) >= a  <=>  2·i·m >= 2·n·a − n + 1, and
// off(i) <= b  <=>  2·i·m <= 2·n·b + n.
template <class T>
void clipMinor(std::int64_t n, std::int64_t m, std::int64_t a, std::int64_t b, std::int64_t& lo,
               std::int64_t& hi) {
  const T twoN = T(2) * n, twoM = T(2) * m;
  const T first = ceilDiv<T>(twoN * a - n + 1, twoM);
  const T last = floorDiv<T>(twoN * b + n, twoM);
  if (first > T(lo)) lo = first > T(hi) ? hi + 1 : static_cast<std::int64_t>(first);
  if (last < T(hi)) hi = last < T(lo) ? lo - 1 : static_cast<std::int64_t>(last);
}

// The line with whole-number ends of magnitude at most ExactLimit.
void drawExact(Color* pixels, int width, int height, std::int64_t x0, std::int64_t y0,
               std::int64_t x1, std::int64_t y1, Color color) {
  // Every pixel of the line lies within the box spanned by its two ends.
  if ((x0 < 0 && x1 < 0) || (x0 >= width && x1 >= width) || (y0 < 0 && y1 < 0) ||
      (y0 >= height && y1 >= height))
    return;

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
  // must lie in [a, b]. off(i) never decreases, so these steps form a range.
  const std::int64_t a = minorSign > 0 ? -minor0 : minor0 - (minorSize - 1);
  const std::int64_t b = minorSign > 0 ? minorSize - 1 - minor0 : minor0;
  const bool small = n <= (std::int64_t{1} << 30) && a >= -(std::int64_t{1} << 31) &&
                     b <= (std::int64_t{1} << 31);
  if (m == 0) {
    if (a > 0 || b < 0) return;
  } else if (a > 0 || b < m) {  // otherwise every offset 0..m fits
    if (small)
      clipMinor<std::int64_t>(n, m, a, b, lo, hi);
    else
      clipMinor<Int128>(n, m, a, b, lo, hi);
    if (lo > hi) return;
  }

  // The error term at step lo: q = 2·lo·m + n − 1 = off·2n + rem.
  const std::int64_t twoN = 2 * n, twoM = 2 * m;
  std::int64_t off, rem;
  if (small) {
    const std::int64_t q = 2 * lo * m + n - 1;
    off = q / twoN;
    rem = q % twoN;
  } else {
    const Int128 q = Int128(2) * lo * m + n - 1;
    off = static_cast<std::int64_t>(q / twoN);
    rem = static_cast<std::int64_t>(q % twoN);
  }

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

// Adds b to the expansion e[0..len) (components of increasing magnitude that
// do not overlap), exactly; the result has one component more.
int growExpansion(long double* e, int len, long double b) {
  long double q = b;
  for (int i = 0; i < len; ++i) {
    const long double s = q + e[i];
    const long double bv = s - q;
    const long double av = s - bv;
    e[i] = (q - av) + (e[i] - bv);
    q = s;
  }
  e[len] = q;
  return len + 1;
}

// a·b of two whole-number doubles as the exact sum of two long doubles.
void exactProduct(double a, double b, long double& high, long double& low) {
  int ea = 0, eb = 0;
  const auto ma = static_cast<std::int64_t>(std::ldexp(std::frexp(a, &ea), 53));
  const auto mb = static_cast<std::int64_t>(std::ldexp(std::frexp(b, &eb), 53));
  const Int128 p = Int128(ma) * mb;  // |p| < 2^106, scaled by 2^(ea + eb − 106)
  const Int128 unit = Int128(1) << 53;
  Int128 h = p / unit, l = p % unit;  // both below 2^53 in magnitude
  high = std::ldexp(static_cast<long double>(static_cast<std::int64_t>(h)), ea + eb - 53);
  low = std::ldexp(static_cast<long double>(static_cast<std::int64_t>(l)), ea + eb - 106);
}

// A segment with an end beyond ExactLimit. The line is held as
// x·dy − y·dx = c with c = x0·y1 − y0·x1 summed exactly, so its place near the
// raster is right even when both ends are astronomically far away; dx and dy
// are rounded to long double. Only the steps of the major axis that fall
// inside the raster are visited, and for each the minor coordinate of the line
// is rounded with the same rule as drawExact (ties toward the start). The
// pixels can differ from the exact line only where that line passes within
// about 1e-15 pixel of a rounding boundary, or where |dx| and |dy| agree to
// within long double precision without being equal.
[[gnu::noinline]] void drawFar(Color* pixels, int width, int height, double x0, double y0,
                               double x1, double y1, Color color) {
  const long double dx = static_cast<long double>(x1) - x0;
  const long double dy = static_cast<long double>(y1) - y0;
  if (dx == 0 && dy == 0) return;

  long double terms[4];
  exactProduct(x0, y1, terms[0], terms[1]);
  exactProduct(-y0, x1, terms[2], terms[3]);
  long double e[4];
  int len = 0;
  for (long double t : terms) len = growExpansion(e, len, t);
  long double c = 0;
  for (int i = 0; i < len; ++i) c += e[i];

  // In major and minor terms: minor(M) = (M·dMinor − cm) / dMajor.
  const bool xMajor = std::fabs(dx) >= std::fabs(dy);
  const long double dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
  const long double cm = xMajor ? c : -c;
  const long double start = xMajor ? x0 : y0, end = xMajor ? x1 : y1;
  const long double majorSize = xMajor ? width : height, minorSize = xMajor ? height : width;

  // Major coordinates of the segment, the end left out, within the raster.
  long double lo = dMajor > 0 ? start : end + 1;
  long double hi = dMajor > 0 ? end - 1 : start;
  lo = std::max(lo, 0.0L);
  hi = std::min(hi, majorSize - 1);
  // ... and where the line is near enough to the raster along the minor axis.
  if (dMinor != 0) {
    long double m1 = (-2 * dMajor + cm) / dMinor, m2 = ((minorSize + 1) * dMajor + cm) / dMinor;
    if (m1 > m2) std::swap(m1, m2);
    lo = std::max(lo, std::floor(m1) - 1);
    hi = std::min(hi, std::ceil(m2) + 1);
  }
  if (!(lo <= hi)) return;

  const bool halfDown = dMinor > 0;  // a tie goes back toward the start
  for (auto mj = static_cast<std::int64_t>(lo), last = static_cast<std::int64_t>(hi); mj <= last;
       ++mj) {
    const long double v = (mj * dMinor - cm) / dMajor;
    const long double r = halfDown ? std::ceil(v - 0.5L) : std::floor(v + 0.5L);
    if (!(r >= 0 && r < minorSize)) continue;
    const auto mn = static_cast<std::ptrdiff_t>(r);
    const std::ptrdiff_t px = xMajor ? mj : mn, py = xMajor ? mn : mj;
    pixels[py * width + px] = color;
  }
}
}  // namespace

// Sets the pixels of the line from (x0, y0) to (x1, y1), leaving out (x1, y1).
// The major axis is x when |dx| >= |dy| (an exact diagonal is x-major), y
// otherwise; with n steps along the major axis and m along the minor one, step
// i (0 .. n−1) sets the pixel i along the major axis and
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
void drawLine(Color* pixels, int width, int height, double x0, double y0, double x1, double y1,
              Color color) {
  // Every pixel of the line lies within the box spanned by its two ends; most
  // segments that miss the raster are turned away here, before any
  // conversion. (An end that is not a whole number is rounded below, so the
  // test is on the far side of -1 and of the size.)
  if ((x0 <= -1 && x1 <= -1) || (y0 <= -1 && y1 <= -1) || (x0 >= width && x1 >= width) ||
      (y0 >= height && y1 >= height) || width <= 0 || height <= 0)
    return;
  // NaN fails every comparison and infinity exceeds the limit: neither takes
  // this way.
  if (std::fabs(x0) <= ExactLimit && std::fabs(y0) <= ExactLimit && std::fabs(x1) <= ExactLimit &&
      std::fabs(y1) <= ExactLimit) {
    auto ax = static_cast<std::int64_t>(x0), ay = static_cast<std::int64_t>(y0);
    auto bx = static_cast<std::int64_t>(x1), by = static_cast<std::int64_t>(y1);
    // The ends are whole numbers; anything else is taken to the nearest one.
    if (double(ax) != x0 || double(ay) != y0 || double(bx) != x1 || double(by) != y1) {
      ax = static_cast<std::int64_t>(std::nearbyint(x0));
      ay = static_cast<std::int64_t>(std::nearbyint(y0));
      bx = static_cast<std::int64_t>(std::nearbyint(x1));
      by = static_cast<std::int64_t>(std::nearbyint(y1));
    }
    drawExact(pixels, width, height, ax, ay, bx, by, color);
    return;
  }
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) return;
  drawFar(pixels, width, height, std::nearbyint(x0), std::nearbyint(y0), std::nearbyint(x1),
          std::nearbyint(y1), color);
}

namespace {

// The canvas the first renderer drew on: a pen, a current position, and
// lines that turn away segments wholly beside the raster before any call.
struct Canvas {
  std::vector<Color> pixels;
  Color pen = 0;
  double curX = 0, curY = 0;
  void setPenColor(Color c) { pen = c; }
  void moveTo(double x, double y) { curX = x, curY = y; }
  void lineTo(double x, double y) {
    const bool beside = (curX <= -1 && x <= -1) || (curY <= -1 && y <= -1) ||
                        (curX >= Raster::Width && x >= Raster::Width) ||
                        (curY >= Raster::Height && y >= Raster::Height);
    if (!beside) drawLine(pixels.data(), Raster::Width, Raster::Height, curX, curY, x, y, pen);
    curX = x;
    curY = y;
  }
};

double roundHalfEven(double v) {
  constexpr double big = 4503599627370496.0;  // 2^52
  if (!(v < big && v > -big)) return v;
  return v >= 0 ? (v + big) - big : (v - big) + big;
}

template <class F>
void sampleCurve(const PlotState& st, Canvas& pic, F f) {
  const double s = st.settings.SampleStep;
  if (!(s > 0.0) || !(-80.0 + s > -80.0)) return;
  const double u = pixelsPerUnit(st.view.ZoomFactor);
  const auto column = [&](double x) { return roundHalfEven(OriginColumn + u * x + st.view.PanX); };
  const auto row = [&](double y) { return roundHalfEven(OriginRow - u * y + st.view.PanY); };
  const auto beside = [](double a, double b) {
    return (a < 0 && b < 0) || (a >= Raster::Width && b >= Raster::Width);
  };
  double x = -80.0;
  double px = column(x), py = 0;
  bool pyKnown = false;
  double lastX = x;
  do {
    const double xn = x + s;
    const double nx = column(xn);
    lastX = x;
    if (beside(nx, px)) {
      pyKnown = false;
    } else {
      if (!pyKnown) py = row(f(x));
      const double ny = row(f(xn));
      pic.moveTo(nx, ny);
      pic.lineTo(px, py);
      py = ny;
      pyKnown = true;
    }
    px = nx;
    x = xn;
  } while (x < 80.0);
  pic.moveTo(column(lastX), row(f(lastX)));
}

}  // namespace

Picture picture(const PlotState& st, Color faceColor) {
  Canvas pic;
  pic.pixels.assign(static_cast<std::size_t>(Raster::Width) * Raster::Height,
                    st.flags.PictureCleared ? faceColor : 0xFFFFFF);
  const int u = pixelsPerUnit(st.view.ZoomFactor);
  if (u <= 0 || 320 % u != 0) return {pic.pixels, pic.curX, pic.curY};

  pic.setPenColor(st.settings.ColorGrid);
  int x = 45;
  do {
    x += u;
    pic.moveTo(x, 0);
    pic.lineTo(x, 365);
  } while (x < 365);
  int y = 0;
  do {
    y += u;
    pic.moveTo(45, y);
    pic.lineTo(365, y);
  } while (y != 320);

  pic.setPenColor(0);
  pic.moveTo(41, OriginRow + st.view.PanY);
  pic.lineTo(365, OriginRow + st.view.PanY);
  pic.moveTo(OriginColumn + st.view.PanX, 0);
  pic.lineTo(OriginColumn + st.view.PanX, 320);

  x = 45;
  do {
    x += u;
    pic.moveTo(x, 161 + st.view.PanY);
    pic.lineTo(x, 158 + st.view.PanY);
  } while (x != 365);
  y = 0;
  do {
    y += u;
    pic.moveTo(204 + st.view.PanX, y);
    pic.lineTo(207 + st.view.PanX, y);
  } while (y != 320);

  for (int i = 1; i <= st.table.FunctionCount && i <= MaxFunctions; ++i) {
    const KindInfo& kind = kindInfo(st.table.FunctionKind[i]);
    pic.setPenColor(st.settings.*kind.color);
    const double a = st.table.CoefA[i], b = st.table.CoefB[i], c = st.table.CoefC[i];
    sampleCurve(st, pic, [&](double t) { return kind.f(a, b, c, t); });
  }
  return {pic.pixels, pic.curX, pic.curY};
}

}  // namespace graf::reference

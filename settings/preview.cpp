// SPDX-License-Identifier: MIT
#include "settings/preview.h"

#include <cmath>
#include <cstdlib>

#include "plot/raster.h"

namespace graf {

namespace {

constexpr int kOrigin = 100;
constexpr int kUnit = 4;

double column(double x) { return std::nearbyint(kOrigin + kUnit * x); }
double row(double y) { return std::nearbyint(kOrigin - kUnit * y); }

double linearSample(double x) { return x + 1; }
double quadraticSample(double x) { return x * x + x + 1; }
double quadratic2Sample(double x) { return (x - 1) * (x - 1) + 1; }
double absoluteSample(double x) { return std::fabs(x - 1) + 1; }

}  // namespace

void PreviewPicture::line(double x0, double y0, double x1, double y1, Color pen) {
  drawLine(pixels_.data(), Size, Size, x0, y0, x1, y1, pen);
}

void drawPreview(PreviewPicture& picture, const QuickViewColors& colors) {
  constexpr int kLast = 204;  // the last grid line and tick lie outside the picture
  constexpr Color kBlack = 0;
  for (int c = kUnit; c <= kLast; c += kUnit) picture.line(c, 0, c, PreviewPicture::Size, colors.PreviewColorGrid);
  for (int r = kUnit; r <= kLast; r += kUnit) picture.line(0, r, PreviewPicture::Size, r, colors.PreviewColorGrid);

  picture.line(0, kOrigin, PreviewPicture::Size, kOrigin, kBlack);
  picture.line(kOrigin, 0, kOrigin, PreviewPicture::Size, kBlack);

  for (int c = kUnit; c <= kLast; c += kUnit) picture.line(c, kOrigin - 1, c, kOrigin + 2, kBlack);
  for (int r = kUnit; r <= kLast; r += kUnit) picture.line(kOrigin - 1, r, kOrigin + 2, r, kBlack);

  const struct {
    double (*f)(double);
    Color pen;
  } samples[] = {
      {linearSample, colors.PreviewColorLinear},
      {quadraticSample, colors.PreviewColorQuadratic},
      {quadratic2Sample, colors.PreviewColorQuadratic2},
      {absoluteSample, colors.PreviewColorAbsolute},
  };
  for (const auto& s : samples) {
    for (int k = 0; k < 500; ++k) {
      // Exact multiples of 0.1 from k, so each segment starts where the next
      // one ends and the curve runs exactly from −25 to 25.
      const double x0 = (k - 250) / 10.0;
      const double x1 = (k - 249) / 10.0;
      picture.line(column(x1), row(s.f(x1)), column(x0), row(s.f(x0)), s.pen);
    }
  }
}

}  // namespace graf

// SPDX-License-Identifier: MIT
#include "picture/ui/raster_text.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "common/ui/ui_support.h"

namespace graf::ui {

RasterTextRenderer::RasterTextRenderer() : font_(programFont()) {
  font_.setStyleStrategy(QFont::NoAntialias);
}

void RasterTextRenderer::drawText(Raster& raster, int x, int y, const std::string& text, Color color,
                                  bool opaque, Color background) {
  const QString s = QString::fromStdString(text);
  const QFontMetrics metrics(font_);
  const int w = metrics.horizontalAdvance(s);
  const int h = metrics.height();
  if (w <= 0 || h <= 0) return;

  if (opaque)
    for (int row = 0; row < h; ++row)
      for (int col = 0; col < w; ++col) raster.setPixel(x + col, y + row, background);

  // The glyphs are drawn onto a transparent image; every pixel they cover is
  // then set in the picture.
  QImage glyphs(w, h, QImage::Format_ARGB32);
  glyphs.fill(Qt::transparent);
  {
    QPainter painter(&glyphs);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(0, metrics.ascent(), s);
  }
  for (int row = 0; row < h; ++row) {
    const QRgb* line = reinterpret_cast<const QRgb*>(glyphs.constScanLine(row));
    for (int col = 0; col < w; ++col)
      if (qAlpha(line[col]) >= 128) raster.setPixel(x + col, y + row, color);
  }
}

}  // namespace graf::ui

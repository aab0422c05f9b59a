// SPDX-License-Identifier: MIT
#include "picture/ui/vector_picture.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>
#include <QSvgGenerator>

#include "common/ui/ui_support.h"

namespace graf::ui {

namespace {

constexpr double kPdfPictureWidthMm = 180.0;

QPen drawingPen(Color color, Qt::PenCapStyle cap) {
  QPen pen(toQColor(color));
  pen.setWidthF(1.0);
  pen.setCapStyle(cap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

// The curve's pieces as polylines through their exact points, cut where
// they leave the picture, so that the file holds no point far outside it.
void drawCurve(QPainter& painter, const PictureCurve& curve) {
  painter.setPen(drawingPen(curve.color, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (const CurvePiece& piece : clippedToPicture(curve.pieces)) {
    QPolygonF points;
    points.reserve(static_cast<qsizetype>(piece.size()));
    for (const PicturePoint& p : piece) points.append(QPointF(p.column, p.row));
    painter.drawPolyline(points);
  }
}

// The texts whose box meets the picture; the rest (the numbers of a far
// view lie along the whole axis) would only make the file larger.
void drawTexts(QPainter& painter, const std::vector<PictureText>& texts, const QFont& font) {
  const QFontMetricsF metrics(font);
  const QRectF picture(0, 0, Raster::Width, Raster::Height);
  for (const PictureText& t : texts) {
    const QString text = QString::fromStdString(t.text);
    const QRectF box(t.column, t.row, metrics.horizontalAdvance(text), metrics.height());
    if (!box.intersects(picture)) continue;
    if (t.opaque) painter.fillRect(box, toQColor(t.background));
    painter.setPen(toQColor(t.color));
    painter.drawText(QPointF(t.column, t.row + metrics.ascent()), text);
  }
}

}  // namespace

QFont drawingFont() {
  QFont font = programFont();
  // The size in pixels the picture's texts have, so that a text is as wide
  // in the drawing as on the picture.
  font.setPixelSize(QFontInfo(font).pixelSize());
  return font;
}

void paintDrawing(QPainter& painter, const PictureDrawing& drawing, const QFont& font) {
  const QRectF whole(0, 0, Raster::Width, Raster::Height);
  // The same font from the start to the end, in a window or without one, so
  // that the files are the same.
  painter.setFont(font);
  painter.save();
  painter.setClipRect(whole);
  painter.fillRect(whole, toQColor(drawing.background));

  painter.save();
  painter.translate(0.5, 0.5);  // pixel centres
  // Lines of one colour in a row go into one path.
  for (std::size_t i = 0; i < drawing.lines.size();) {
    const Color color = drawing.lines[i].color;
    QPainterPath path;
    for (; i < drawing.lines.size() && drawing.lines[i].color == color; ++i) {
      const PictureLine& l = drawing.lines[i];
      path.moveTo(l.column0, l.row0);
      path.lineTo(l.column1, l.row1);
    }
    painter.strokePath(path, drawingPen(color, Qt::SquareCap));
  }
  for (const PictureCurve& curve : drawing.curves) drawCurve(painter, curve);
  painter.restore();

  // The overlays in the order drawn: each one's curve, then its texts.
  for (const PictureOverlay& overlay : drawing.overlays) {
    painter.save();
    painter.translate(0.5, 0.5);
    drawCurve(painter, overlay.curve);
    painter.restore();
    drawTexts(painter, overlay.texts, font);
  }
  painter.restore();
}

QByteArray encodeSvg(const PictureDrawing& drawing) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(Raster::Width, Raster::Height));
  svg.setViewBox(QRect(0, 0, Raster::Width, Raster::Height));
  svg.setResolution(96);
  svg.setTitle(QStringLiteral("Grafolin"));
  svg.setDescription(QStringLiteral("Függvények képe"));
  QPainter painter;
  if (!painter.begin(&svg)) return {};
  paintDrawing(painter, drawing, drawingFont());
  if (!painter.end()) return {};
  return bytes;
}

QByteArray encodePdf(const PictureDrawing& drawing) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setCreator(QStringLiteral("Grafolin"));
  pdf.setTitle(QStringLiteral("Függvények képe"));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  QPainter painter;
  if (!painter.begin(&pdf)) return {};
  // Device units per millimetre, then the picture centred on the page.
  const double perMm = pdf.resolution() / 25.4;
  const QSizeF page = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
  const double k = kPdfPictureWidthMm * perMm / Raster::Width;
  const double width = Raster::Width * k, height = Raster::Height * k;
  painter.translate((page.width() * perMm - width) / 2, (page.height() * perMm - height) / 2);
  painter.scale(k, k);
  paintDrawing(painter, drawing, drawingFont());
  if (!painter.end()) return {};
  return bytes;
}

QByteArray encodeDrawing(const PictureDrawing& drawing, PictureFormat format) {
  return format == PictureFormat::Pdf ? encodePdf(drawing) : encodeSvg(drawing);
}

}  // namespace graf::ui

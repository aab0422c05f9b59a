// SPDX-License-Identifier: MIT
#include "picture/ui/picture_widget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "picture/ui/picture_file.h"

namespace graf::ui {

PictureWidget::PictureWidget(const Raster& raster, QWidget* parent) : QWidget(parent), raster_(raster) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::ArrowCursor);
  setFixedSize(Raster::Width, Raster::Height);
}

// On a screen of a whole scale factor k every picture pixel is shown as a
// k × k block of screen pixels; at a fractional factor each screen pixel
// shows the nearest picture pixel. Never smoothed.
void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Until its first clear the picture has no pixels and shows the face colour.
  if (!raster_.exists()) {
    painter.fillRect(rect(), palette().color(QPalette::Window));
    return;
  }
  const int k = std::max(1, static_cast<int>(std::floor(devicePixelRatioF())));
  if (image_.isNull() || imageVersion_ != raster_.version() || imageScale_ != k) {
    image_ = toQImage(raster_);
    if (k > 1) {
      image_ = image_.scaled(Raster::Width * k, Raster::Height * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
      image_.setDevicePixelRatio(k);
    }
    imageVersion_ = raster_.version();
    imageScale_ = k;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(QRectF(0, 0, Raster::Width, Raster::Height), image_);
}

// The picture pixel under a mouse position. At a scale factor above 1 the
// position has a fraction; the pixel is the one whose block holds it.
QPoint PictureWidget::pixelAt(const QPointF& position) {
  return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = pixelAt(event->position());
  emit mouseMoved(p.x(), p.y());
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) leftPressed_ = true;
}

// A click is a press and a release of the left button on the picture.
void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool wasPressed = leftPressed_;
  leftPressed_ = false;
  if (wasPressed && rect().contains(pixelAt(event->position()))) emit clicked();
}

}  // namespace graf::ui

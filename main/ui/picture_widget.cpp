#include "main/ui/picture_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "main/ui/picture_file.h"

namespace graf::ui {

PictureWidget::PictureWidget(const Raster& raster, QWidget* parent) : QWidget(parent), raster_(raster) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::ArrowCursor);
  setFixedSize(Raster::Width, Raster::Height);
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Until its first clear the picture has no pixels and shows the face colour.
  if (!raster_.exists()) {
    painter.fillRect(rect(), palette().color(QPalette::Window));
    return;
  }
  painter.drawImage(0, 0, toQImage(raster_));
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
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
  if (wasPressed && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace graf::ui

// SPDX-License-Identifier: MIT
#include "picture/ui/picture_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "picture/ui/picture_file.h"

namespace graf::ui {

namespace {

// The picture as a screen reader meets it: a widget like any other whose
// description is made when asked for.
class PictureAccessible : public QAccessibleWidget {
 public:
  explicit PictureAccessible(PictureWidget* picture) : QAccessibleWidget(picture) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description) {
      const QString shown = static_cast<const PictureWidget*>(widget())->description();
      if (!shown.isEmpty()) return shown;
    }
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* pictureAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(PictureWidget::staticMetaObject.className())) return nullptr;
  auto* picture = qobject_cast<PictureWidget*>(object);
  return picture ? new PictureAccessible(picture) : nullptr;
}

}  // namespace

PictureWidget::PictureWidget(const Raster& raster, QWidget* parent) : QWidget(parent), raster_(raster) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(pictureAccessible);
    return true;
  }();
  (void)factoryInstalled;
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::ArrowCursor);
  setFixedSize(Raster::Width, Raster::Height);
}

void PictureWidget::setDescriber(std::function<QString()> describer) {
  describer_ = std::move(describer);
  descriptionStale_ = true;
}

QString PictureWidget::description() const {
  if (descriptionStale_ && describer_) {
    description_ = describer_();
    descriptionStale_ = false;
  }
  return description_;
}

void PictureWidget::pictureChanged() {
  if (raster_.version() != paintedVersion_) update();
  descriptionStale_ = true;
  // A screen reader that listens hears of the change once the command that
  // made it has run, however many steps of it drew on the picture.
  if (QAccessible::isActive() && !descriptionNoticePending_) {
    descriptionNoticePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          descriptionNoticePending_ = false;
          QAccessibleEvent event(this, QAccessible::DescriptionChanged);
          QAccessible::updateAccessibility(&event);
        },
        Qt::QueuedConnection);
  }
}

// The raster's colours are 0x00BBGGRR: in memory, on a little-endian
// machine, the bytes red, green, blue and one unused, which is Qt's RGBX8888
// (whose fourth byte is read as opaque whatever it holds). Elsewhere the
// pixels are converted.
const QImage& PictureWidget::shownImage(int scale) {
  const Color* pixels = raster_.data();
  if (scale == 1 && Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
    if (imageScale_ != 1 || imagePixels_ != pixels) {
      image_ = QImage(reinterpret_cast<const uchar*>(pixels), Raster::Width, Raster::Height,
                      Raster::Width * static_cast<qsizetype>(sizeof(Color)), QImage::Format_RGBX8888);
      imagePixels_ = pixels;
      imageScale_ = 1;
    }
    return image_;
  }
  if (image_.isNull() || imagePixels_ != nullptr || imageVersion_ != raster_.version() || imageScale_ != scale) {
    image_ = toQImage(raster_);
    if (scale > 1) {
      image_ = image_.scaled(Raster::Width * scale, Raster::Height * scale, Qt::IgnoreAspectRatio,
                             Qt::FastTransformation);
      image_.setDevicePixelRatio(scale);
    }
    imagePixels_ = nullptr;
    imageVersion_ = raster_.version();
    imageScale_ = scale;
  }
  return image_;
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
  const QImage& image = shownImage(k);
  paintedVersion_ = raster_.version();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  if (k == 1 && devicePixelRatioF() == 1.0)
    painter.drawImage(QPoint(0, 0), image);
  else
    painter.drawImage(QRectF(0, 0, Raster::Width, Raster::Height), image);
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

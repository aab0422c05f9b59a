// SPDX-License-Identifier: MIT
#include "picture/ui/picture_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "picture/ui/picture_file.h"

namespace graf::ui {

namespace {

// The picture as a screen reader meets it: an image whose description is made
// when asked for.
class PictureAccessible : public QAccessibleWidget {
 public:
  explicit PictureAccessible(PictureWidget* picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}
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

namespace {

constexpr std::size_t PixelCount = static_cast<std::size_t>(Raster::Width) * Raster::Height;

// 0x00BBGGRR to Qt's 0xFFRRGGBB, over the whole picture. The bulk is a count
// the compiler knows to be a multiple of 8, so that it copies with vector
// instructions, at about the cost of a plain copy.
void toRgb32(const Color* __restrict src, QRgb* __restrict dst) {
  constexpr std::size_t bulk = PixelCount / 8 * 8;
  for (std::size_t i = 0; i < bulk; ++i) {
    const std::uint32_t c = src[i];
    dst[i] = 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
  }
  for (std::size_t i = bulk; i < PixelCount; ++i) {
    const std::uint32_t c = src[i];
    dst[i] = 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
  }
}

}  // namespace

// At a scale of one the image is in the window's own format (32-bit RGB), so
// that painting it is a plain copy of its rows into the window; it is
// brought up to date once per change of the raster. Qt's painter would
// convert an image of the raster's byte order pixel by pixel on every paint,
// spread over threads, at several times the cost.
const QImage& PictureWidget::shownImage(int scale) {
  if (!image_.isNull() && imageVersion_ == raster_.version() && imageScale_ == scale) return image_;
  if (scale == 1) {
    if (image_.size() != QSize(Raster::Width, Raster::Height) || image_.format() != QImage::Format_RGB32)
      image_ = QImage(Raster::Width, Raster::Height, QImage::Format_RGB32);
    // 393 pixels of 4 bytes fill each row exactly, so the rows follow one another.
    static_assert(Raster::Width * sizeof(QRgb) % 4 == 0);
    toRgb32(raster_.data(), reinterpret_cast<QRgb*>(image_.bits()));
  } else {
    image_ = toQImage(raster_).scaled(Raster::Width * scale, Raster::Height * scale, Qt::IgnoreAspectRatio,
                                      Qt::FastTransformation);
    image_.setDevicePixelRatio(scale);
  }
  imageVersion_ = raster_.version();
  imageScale_ = scale;
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

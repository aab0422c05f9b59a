// SPDX-License-Identifier: MIT
#pragma once
// The picture control: shows the 393 × 321 raster pixel for pixel, without
// smoothing or frame (on a high-density screen each pixel as a block of whole
// screen pixels), and reports the mouse over it.
//
// Painting is a plain copy into the window of an image kept in the window's
// own pixel format, brought up to date once per change of the raster.
//
// Its description for screen readers is made only when one asks for it, and
// at most once per change of the picture: making it costs more than a redraw,
// and most users never hear it.
#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "plot/raster.h"

namespace graf::ui {

class PictureWidget : public QWidget {
  Q_OBJECT
 public:
  explicit PictureWidget(const Raster& raster, QWidget* parent = nullptr);

  // The picture pixel under a mouse position in the control.
  static QPoint pixelAt(const QPointF& position);

  // What the picture shows, in words; asked only when a screen reader wants
  // the description.
  void setDescriber(std::function<QString()> describer);
  // The description, made afresh if the picture changed since it was last made.
  QString description() const;

  // The raster has been drawn on: the control is painted again if its pixels
  // changed, and the description is made anew when next asked for (a screen
  // reader that listens is told, once, when the command has run).
  void pictureChanged();

 signals:
  // The mouse moved to picture pixel (x, y).
  void mouseMoved(int x, int y);
  // A click of the left mouse button.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The image painted, each pixel a scale × scale block.
  const QImage& shownImage(int scale);

  const Raster& raster_;
  QImage image_;
  std::uint64_t imageVersion_ = 0;  // the raster's version the image shows
  int imageScale_ = 0;
  // The raster's version when last painted (or asked to be), to skip a
  // repaint that would show the same pixels.
  std::uint64_t paintedVersion_ = ~std::uint64_t{0};
  bool leftPressed_ = false;

  std::function<QString()> describer_;
  mutable QString description_;
  mutable bool descriptionStale_ = true;
  bool descriptionNoticePending_ = false;
};

}  // namespace graf::ui

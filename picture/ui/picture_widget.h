// SPDX-License-Identifier: MIT
#pragma once
// The picture control: shows the 393 × 321 raster pixel for pixel, without
// smoothing or frame (on a high-density screen each pixel as a block of whole
// screen pixels), and reports the mouse over it.
#include <QImage>
#include <QWidget>
#include <cstdint>

#include "plot/raster.h"

namespace graf::ui {

class PictureWidget : public QWidget {
  Q_OBJECT
 public:
  explicit PictureWidget(const Raster& raster, QWidget* parent = nullptr);

  // The picture pixel under a mouse position in the control.
  static QPoint pixelAt(const QPointF& position);

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
  const Raster& raster_;
  // The picture as last shown, remade only when the raster has changed.
  QImage image_;
  std::uint64_t imageVersion_ = 0;
  qreal imageScale_ = 0;
  bool leftPressed_ = false;
};

}  // namespace graf::ui

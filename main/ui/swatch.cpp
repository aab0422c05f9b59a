// SPDX-License-Identifier: MIT
#include "main/ui/swatch.h"

#include <QPainter>

#include "common/ui/ui_support.h"

namespace graf::ui {

Swatch::Swatch(Color color, QWidget* parent) : QWidget(parent), color_(color) {}

void Swatch::setColor(Color color) {
  color_ = color;
  update();
}

void Swatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), toQColor(color_));
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace graf::ui

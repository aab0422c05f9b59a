// SPDX-License-Identifier: MIT
#pragma once
// A colour swatch: a square filled with one colour inside a black outline.
#include <QWidget>

#include "plot/plot_state.h"

namespace graf::ui {

class Swatch : public QWidget {
  Q_OBJECT
 public:
  explicit Swatch(Color color, QWidget* parent = nullptr);
  void setColor(Color color);
  Color color() const { return color_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Color color_;
};

}  // namespace graf::ui

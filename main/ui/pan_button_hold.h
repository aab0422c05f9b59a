// SPDX-License-Identifier: MIT
#pragma once
// Holding a pan button: a press and the matching release of a mouse button,
// or of the space bar while the button has the keyboard focus, become one
// call each of `held(button, down)`. The space bar's own repeats change
// nothing, and a button that loses the focus while the space bar holds it is
// let go, since the key's release would never reach it.
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <array>
#include <functional>

namespace graf::ui {

class PanButtonHold : public QObject {
  Q_OBJECT
 public:
  using Held = std::function<void(QObject* button, bool down)>;
  PanButtonHold(const std::array<QPushButton*, 4>& buttons, Held held, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool isPanButton(QObject* watched) const;

  std::array<QPushButton*, 4> buttons_;
  Held held_;
  QPointer<QPushButton> keyHeldButton_;
};

}  // namespace graf::ui

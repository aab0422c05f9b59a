// SPDX-License-Identifier: MIT
#include "main/ui/pan_button_hold.h"

#include <QKeyEvent>
#include <algorithm>
#include <utility>

namespace graf::ui {

PanButtonHold::PanButtonHold(const std::array<QPushButton*, 4>& buttons, Held held, QObject* parent)
    : QObject(parent), buttons_(buttons), held_(std::move(held)) {
  for (QPushButton* button : buttons_) button->installEventFilter(this);
}

bool PanButtonHold::isPanButton(QObject* watched) const {
  return std::find(buttons_.begin(), buttons_.end(), watched) != buttons_.end();
}

bool PanButtonHold::eventFilter(QObject* watched, QEvent* event) {
  // A button being destroyed still passes its last events through here, when
  // it is no longer a push button: it is only compared until a key arrives.
  if (!isPanButton(watched)) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
      held_(watched, event->type() != QEvent::MouseButtonRelease);
      return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() != Qt::Key_Space || key->modifiers() != Qt::NoModifier) return false;
      if (key->isAutoRepeat()) return true;
      auto* button = static_cast<QPushButton*>(watched);
      const bool down = event->type() == QEvent::KeyPress;
      button->setDown(down);
      keyHeldButton_ = down ? button : nullptr;
      held_(button, down);
      return true;
    }
    case QEvent::FocusOut:
      if (keyHeldButton_ && watched == keyHeldButton_) {
        keyHeldButton_->setDown(false);
        held_(keyHeldButton_, false);
        keyHeldButton_ = nullptr;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace graf::ui

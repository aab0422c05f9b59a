// SPDX-License-Identifier: MIT
#include "common/ui/keyboard_rules.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

namespace graf::ui {

namespace {

// Menus, combo box lists and tips come and go without taking the focus from
// their window.
bool isProgramWindow(QObject* object) {
  if (!object->isWidgetType()) return false;
  const auto* widget = static_cast<QWidget*>(object);
  if (!widget->isWindow()) return false;
  const Qt::WindowType type = widget->windowType();
  return type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop;
}

bool isReturn(const QKeyEvent& key) {
  return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
         (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

KeyboardRules::KeyboardRules(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

KeyboardRules::~KeyboardRules() { qApp->removeEventFilter(this); }

QWidget* KeyboardRules::windowBeneath(const QWidget* leaving) const {
  for (auto it = activations_.rbegin(); it != activations_.rend(); ++it) {
    QWidget* window = *it;
    if (window && window != leaving && window->isVisible() && window->isEnabled() && !window->isMinimized())
      return window;
  }
  return nullptr;
}

bool KeyboardRules::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* button = qobject_cast<QPushButton*>(watched);
      if (!button || !isReturn(*static_cast<QKeyEvent*>(event))) return false;
      if (button->autoDefault() || button->isDefault() || !button->isEnabled()) return false;
      button->click();
      return true;
    }
    case QEvent::WindowActivate:
      if (isProgramWindow(watched)) windowActivated(static_cast<QWidget*>(watched));
      return false;
    // Sent once the window is hidden and every handler of its hiding has run
    // (a window lock has given the window beneath back to the user).
    case QEvent::HideToParent:
      if (isProgramWindow(watched)) windowGone(static_cast<QWidget*>(watched));
      return false;
    default: return false;
  }
}

void KeyboardRules::windowActivated(QWidget* window) {
  // A request to activate a window that was hidden before the request was
  // served: the focus would stay with a window nobody sees.
  if (!window->isVisible()) {
    windowGone(window);
    return;
  }
  std::erase_if(activations_, [window](const QPointer<QWidget>& w) { return !w || w == window; });
  activations_.emplace_back(window);
}

void KeyboardRules::windowGone(QWidget* window) {
  const QWidget* active = QApplication::activeWindow();
  if (active && active != window && active->isVisible()) return;
  if (QWidget* beneath = windowBeneath(window)) beneath->activateWindow();
}

}  // namespace graf::ui

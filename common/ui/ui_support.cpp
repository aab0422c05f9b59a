// SPDX-License-Identifier: MIT
#include "common/ui/ui_support.h"

#include <QAccessible>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace graf::ui {

QFont programFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  return font;
}

void centreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

namespace {
// Centres its window at the window's first showing, then goes away.
class FirstShowCentring : public QObject {
 public:
  explicit FirstShowCentring(QWidget* window) : QObject(window) { window->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched == parent()) {
      centreOnScreen(static_cast<QWidget*>(watched));
      watched->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }
};
}  // namespace

void centreOnFirstShow(QWidget* window) { new FirstShowCentring(window); }

}  // namespace graf::ui

namespace graf::ui {

void describeControls(QWidget* window) {
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* w : widgets) {
    const QString hint = w->statusTip();
    if (hint.isEmpty()) continue;
    if (w->accessibleDescription().isEmpty()) w->setAccessibleDescription(hint);
    if (w->accessibleName().isEmpty() && w != window) {
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
      if (face && face->text(QAccessible::Name).trimmed().isEmpty()) w->setAccessibleName(hint);
    }
  }
}

}  // namespace graf::ui

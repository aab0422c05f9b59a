// SPDX-License-Identifier: MIT
#include "common/ui/ui_support.h"

#include <QAccessible>
#include <QEvent>
#include <QPointer>
#include <algorithm>
#include <cmath>
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

namespace {

// The room on the screen that holds `w`.
QRect screenRoom(const QWidget* w) {
  const QScreen* screen = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

// `frame` moved just enough to lie inside `room`, or onto its top left
// corner where it is larger.
QPoint inside(QRect frame, const QRect& room) {
  frame.moveLeft(std::max(room.left(), std::min(frame.left(), room.right() + 1 - frame.width())));
  frame.moveTop(std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height())));
  return frame.topLeft();
}

// The window's place as a move() takes it: the frame's top left corner.
void placeFrame(QWidget* window, const QPoint& frameTopLeft) {
  if (frameTopLeft != window->frameGeometry().topLeft()) window->move(frameTopLeft);
}

// Keeps its window on the screen of another each time it is shown.
class OnScreenKeeper : public QObject {
 public:
  OnScreenKeeper(QWidget* window, const QWidget* screenOf) : QObject(window), screenOf_(screenOf) {
    window->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched == parent() && !event->spontaneous())
      keepOnScreen(static_cast<QWidget*>(watched), screenOf_);
    return false;
  }

 private:
  QPointer<const QWidget> screenOf_;
};

}  // namespace

void roundScaleFactorSetting() {
  if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
  bool ok = false;
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  if (!ok || !(factor > 0)) return;
  qputenv("QT_SCALE_FACTOR", QByteArray::number(std::max(1, static_cast<int>(std::floor(factor + 0.5)))));
}

void centreOnScreen(QWidget* window) {
  const QRect room = screenRoom(window);
  if (room.isEmpty()) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(room.center());
  placeFrame(window, inside(frame, room));
}

void keepOnScreen(QWidget* window, const QWidget* screenOf) {
  const QRect room = screenRoom(screenOf ? screenOf : window);
  if (room.isEmpty()) return;
  placeFrame(window, inside(window->frameGeometry(), room));
}

void keepOnScreenWhenShown(QWidget* window, const QWidget* screenOf) { new OnScreenKeeper(window, screenOf); }

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

// SPDX-License-Identifier: MIT
#include "common/ui/window_lock.h"

#include <QEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QVariant>

namespace graf::ui {

namespace {

// How many shown windows lock a window, kept on the locked window itself.
constexpr const char* kLockCount = "grafolinLockCount";

int lockCount(const QWidget& w) { return w.property(kLockCount).toInt(); }

// Whether `w` lies inside `outer`, across window boundaries.
bool inside(const QWidget& w, const QWidget& outer) {
  for (const QWidget* p = w.parentWidget(); p; p = p->parentWidget())
    if (p == &outer) return true;
  return false;
}

}  // namespace

WindowLock::WindowLock(QWidget& window, QWidget* locked, int dimmedOpacity)
    : QObject(&window), window_(window), locked_(locked), dimmedOpacity_(dimmedOpacity) {
  window.installEventFilter(this);
  if (window.isVisible()) engage();
}

WindowLock::~WindowLock() { release(); }

bool WindowLock::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_) {
    if (event->type() == QEvent::Show) engage();
    // A hide the window system does on its own (minimising) is no closing.
    if (event->type() == QEvent::Hide && !event->spontaneous()) release();
  }
  return QObject::eventFilter(watched, event);
}

void WindowLock::engage() {
  if (engaged_ || !locked_) return;
  engaged_ = true;
  locked_->setProperty(kLockCount, lockCount(*locked_) + 1);
  locked_->setEnabled(false);
  if (dimmedOpacity_ < 255) locked_->setWindowOpacity(dimmedOpacity_ / 255.0);
  // Disabling a window disables its child windows too.
  if (inside(window_, *locked_)) window_.setEnabled(true);
}

void WindowLock::release() {
  if (!engaged_) return;
  engaged_ = false;
  if (!locked_) return;
  const int count = lockCount(*locked_) - 1;
  locked_->setProperty(kLockCount, count);
  if (count > 0) return;
  locked_->setEnabled(true);
  if (dimmedOpacity_ < 255) locked_->setWindowOpacity(1.0);
}

WindowLock* lockWhileShown(QWidget& window, QWidget* locked, int dimmedOpacity) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, &window, &QWidget::close);
  return new WindowLock(window, locked, dimmedOpacity);
}

void showInFront(QWidget* window) {
  if (!window) return;
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace graf::ui

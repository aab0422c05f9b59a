// SPDX-License-Identifier: MIT
#include "common/ui/window_lock.h"

#include <QEvent>
#include <QKeyEvent>
#include <utility>
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

// Escape that no control of the window took closes the window. An open
// drop-down list, menu or context menu is a window of its own: Escape closes
// only that, and the window stays open with every choice made in it.
class UnclaimedEscape : public QObject {
 public:
  UnclaimedEscape(QWidget& window, std::function<void()> action) : QObject(&window), action_(std::move(action)) {
    window.installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || watched != parent()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier) return false;
    action_();
    return true;
  }

 private:
  std::function<void()> action_;
};

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
  // Disabling the window takes the focus from its control; it comes back
  // there when the window is enabled again.
  if (lockCount(*locked_) == 0) focusBefore_ = locked_->focusWidget();
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
  if (focusBefore_ && focusBefore_->window() == locked_ && focusBefore_->isEnabled() && focusBefore_->isVisible())
    focusBefore_->setFocus(Qt::OtherFocusReason);
  focusBefore_ = nullptr;
}

void onUnclaimedEscape(QWidget& window, std::function<void()> action) {
  new UnclaimedEscape(window, std::move(action));
}

WindowLock* lockWhileShown(QWidget& window, QWidget* locked, int dimmedOpacity) {
  onUnclaimedEscape(window, [w = &window] { w->close(); });
  return new WindowLock(window, locked, dimmedOpacity);
}

void showInFront(QWidget* window) {
  if (!window) return;
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace graf::ui

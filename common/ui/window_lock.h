// SPDX-License-Identifier: MIT
#pragma once
// The one rule for a window that the user works in alone (save/load,
// settings, help, the clock override): while it is shown, the window it locks
// is disabled, and may be dimmed; whatever hides it again — its own buttons,
// the window manager's close button, Escape, a call of close() or hide() —
// enables that window again and makes it opaque.
//
//   graf::ui::lockWhileShown(settingsWindow, &mainWindow);
//   ...
//   graf::ui::showInFront(&settingsWindow);  // the main window is now disabled
//
// Hiding that the window system does on its own (minimising the window)
// keeps the lock. Several windows may lock the same window: it is enabled
// when the last of them hides. A locking window that is a child of the window
// it locks stays enabled itself.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace graf::ui {

class WindowLock : public QObject {
  Q_OBJECT
 public:
  // Watches `window` from now on and is owned by it. `locked` may be null
  // (nothing is locked); `dimmedOpacity` is the opacity of the locked window
  // while locked, 0..255, 255 leaving it opaque.
  WindowLock(QWidget& window, QWidget* locked, int dimmedOpacity = 255);
  ~WindowLock() override;

  // True while the window is shown and holds its lock.
  bool engaged() const { return engaged_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void engage();
  void release();

  QWidget& window_;
  QPointer<QWidget> locked_;
  int dimmedOpacity_;
  bool engaged_ = false;
  // The control of the locked window that had the focus when it was locked.
  QPointer<QWidget> focusBefore_;
};

// Makes `window` a window that the user works in alone, locking `locked`
// while it is shown; also makes Escape close it (Escape that an open
// drop-down list or menu of the window takes closes only that).
WindowLock* lockWhileShown(QWidget& window, QWidget* locked, int dimmedOpacity = 255);

// Escape pressed in `window` that none of its controls took runs `action`.
// An open drop-down list, menu or context menu is a window of its own, so
// Escape there closes only that.
void onUnclaimedEscape(QWidget& window, std::function<void()> action);

// Shows a window in front of the others and gives it the focus.
void showInFront(QWidget* window);

}  // namespace graf::ui

// SPDX-License-Identifier: MIT
#pragma once
// The keyboard rules that every window of the program follows, kept in one
// place for the whole application:
//
// - Return or Enter presses the push button that has the keyboard focus, as
//   the space bar does. The windows are plain widgets, not dialogs, so Qt
//   makes no button a default that Return would press. (Buttons that handle
//   Return themselves, a dialog's or a default button, are left to do so.)
// - When a window or a message box closes, or a window that is no longer
//   shown is made active by a late request, and no shown window of the
//   program is left active, the window beneath gets the keyboard focus back:
//   the window of the program that was active most recently and is still
//   shown and enabled, with the control that had the focus in it. A window
//   manager may do this on its own; without one nobody does, and the keys
//   (Ctrl+S, F5 ...) would reach no window until a click.
//
//   graf::ui::KeyboardRules rules;  // while it lives, for every window
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace graf::ui {

class KeyboardRules : public QObject {
  Q_OBJECT
 public:
  // Watches the events of the whole application (a QApplication must exist).
  explicit KeyboardRules(QObject* parent = nullptr);
  ~KeyboardRules() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The window that the focus goes back to now: the most recently active
  // window that is shown, enabled and not `leaving`; null when there is none.
  QWidget* windowBeneath(const QWidget* leaving) const;
  void windowActivated(QWidget* window);
  void windowGone(QWidget* window);

  // The windows in the order they were last active, the most recent last.
  std::vector<QPointer<QWidget>> activations_;
};

}  // namespace graf::ui

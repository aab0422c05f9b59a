// SPDX-License-Identifier: MIT
#pragma once
// The splash window of the start-up: a picture of 330 × 145 pixels under the
// caption "Indulás" (pushed to the middle of the title bar by 48 blanks),
// with no close button. While it is up the main window is disabled; every
// 1500 ms its timer asks for a start-up attempt until the start-up finishes
// the splash.
#include <QWidget>

class QLabel;
class QTimer;

namespace graf::ui {

class Tinduloablak : public QWidget {
  Q_OBJECT
 public:
  static constexpr int ClientWidth = 330;
  static constexpr int ClientHeight = 145;

  explicit Tinduloablak(QWidget* parent = nullptr);

  // Hides the splash for good and stops its timer: the start-up is over.
  void finish();
  bool finished() const { return finished_; }

  QLabel* Image1;
  QTimer* Timer1;

 signals:
  // The splash was shown or became the active window: the main window
  // ignores the user until the start-up has completed.
  void activated();
  // A tick of the timer that asks for a start-up attempt.
  void startupAttemptDue();

 public slots:
  // A tick of the timer. Once the splash is finished, and while a message box
  // waits for the user, the tick is let pass, so that start-up attempts never
  // pile up behind it.
  void Timer1Timer();

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool finished_ = false;
};

}  // namespace graf::ui

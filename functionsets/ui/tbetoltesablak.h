// SPDX-License-Identifier: MIT
#pragma once
// The progress window of loading a function set: a small tool window without
// title-bar buttons, centred on the screen, holding one bar from 0 to 100.
//
// A load runs without returning to the event loop, so the bar paints itself
// while it moves (a progress bar repaints at once when its value changes), at
// the screen's pace: its value is set at most once a frame (about 16 ms),
// however many functions move it within one; a position held back is set a
// frame later if the event loop runs, and the last position is always
// painted before the window closes.
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class QProgressBar;

namespace graf::ui {

class Tbetoltesablak : public QWidget {
  Q_OBJECT
 public:
  explicit Tbetoltesablak(QWidget* parent = nullptr);

  void setProgressCaption(const QString& caption);
  void setProgressPosition(int position);
  // The position last set, shown or held back.
  int progressPosition() const { return position_; }
  // The position the bar was last painted at; -1 before its first paint.
  int paintedPosition() const { return paintedPosition_; }
  // Paints the bar now if it does not show its position yet.
  void showFinalPosition();

  // The time between two paints of the bar while a load moves it.
  static constexpr int FrameMs = 16;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QProgressBar* ProgressBar1;
  int position_ = 0;
  int paintedPosition_ = -1;
  QTimer heldBack_;
  QElapsedTimer sincePaint_;
};

}  // namespace graf::ui

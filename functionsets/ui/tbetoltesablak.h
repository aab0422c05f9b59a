// SPDX-License-Identifier: MIT
#pragma once
// The progress window of loading a function set: a small tool window without
// title-bar buttons, centred on the screen, holding one bar from 0 to 100.
#include <QWidget>

class QProgressBar;

namespace graf::ui {

class Tbetoltesablak : public QWidget {
  Q_OBJECT
 public:
  explicit Tbetoltesablak(QWidget* parent = nullptr);

  void setProgressCaption(const QString& caption);
  void setProgressPosition(int position);
  int progressPosition() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QProgressBar* ProgressBar1;
};

}  // namespace graf::ui

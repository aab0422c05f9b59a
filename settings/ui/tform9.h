// SPDX-License-Identifier: MIT
#pragma once
// The quick view ("Gyorsnézet"): a 201 × 201 sample picture in the colours
// being chosen in the settings window, which shows, focuses and hides it. It
// has no title-bar buttons: the user cannot close it.
#include <QWidget>

#include "settings/preview.h"

class QLabel;

namespace graf::ui {

class TForm9 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm9(QWidget* parent = nullptr);

  // Shows the picture as it now is.
  void showPicture(const graf::PreviewPicture& picture);
  QImage picture() const;

  QLabel* Image1;

 signals:
  // The window became the active window: its colours are settled and the
  // picture redrawn.
  void activated();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace graf::ui

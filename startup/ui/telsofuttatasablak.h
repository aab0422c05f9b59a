// SPDX-License-Identifier: MIT
#pragma once
// The first-run window: greets the user on the first start and measures the
// processor clock when OK is pressed. It has no close button; only OK closes
// it.
#include <QWidget>

class QLabel;
class QPushButton;

namespace graf {
class ClockCommands;
}

namespace graf::ui {

class Telsofuttatasablak : public QWidget {
  Q_OBJECT
 public:
  // `commands` measure and store the clock.
  explicit Telsofuttatasablak(graf::ClockCommands& commands, QWidget* parent = nullptr);

  QLabel* Label1;  // "Üdvözöllek!"
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QPushButton* Button1;  // "OK"

 public slots:
  // Measures and stores the clock, then closes; a store that cannot be
  // written keeps the window open after its message.
  void Button1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  graf::ClockCommands& commands_;
  bool closing_ = false;
};

}  // namespace graf::ui

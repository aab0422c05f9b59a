// SPDX-License-Identifier: MIT
#pragma once
// The clock-override window, opened by a double-click on the clock in the
// settings window: the user types a clock of their own. While it is open the
// settings window is dimmed and disabled.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace graf {
class ClockCommands;
struct Settings;
}

namespace graf::ui {

class Tfelulbiralasablak : public QWidget {
  Q_OBJECT
 public:
  // The settings window's opacity while this window is open, of 255.
  static constexpr int DimmedOpacity = 100;

  // `commands` store the typed clock; `settings` tell whether SoundOn is 1
  // when a refusal is shown; `settingsWindow` is dimmed and disabled while
  // this window is open.
  Tfelulbiralasablak(graf::ClockCommands& commands, const graf::Settings& settings, QWidget* settingsWindow,
                     QWidget* parent = nullptr);

  QLabel* Label1;  // "Órajel:"
  QLineEdit* Edit1;
  QLabel* Label2;  // "MHz"
  QLabel* Label3;  // "FIGYELEM!"
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QPushButton* Button1;  // "Felülbírálás"
  QLabel* Image1;        // warning pictures in the upper corners
  QLabel* Image2;

 public slots:
  // Stores the typed clock or refuses it, then closes; a store that cannot be
  // written keeps the window open after its message.
  void Button1Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  graf::ClockCommands& commands_;
  const graf::Settings& settings_;
};

}  // namespace graf::ui

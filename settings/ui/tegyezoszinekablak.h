// SPDX-License-Identifier: MIT
#pragma once
// The matching-colours warning ("Egyező színek"): names the colours that equal
// the background or each other, and sends the user back to the settings
// ("Átállít", also its close button) or lets the settings go as they are
// ("Nem érdekel").
#include <QWidget>

class QLabel;
class QPushButton;

namespace graf::ui {

class Tegyezoszinekablak : public QWidget {
  Q_OBJECT
 public:
  explicit Tegyezoszinekablak(QWidget* parent = nullptr);

  // Shows the window with the check's message.
  void showMessage(const QString& message);
  QString message() const;

  QLabel* Label1;
  QLabel* Label2;        // the message, word-wrapped
  QPushButton* Button1;  // "Nem érdekel"
  QPushButton* Button2;  // "Átállít"

 signals:
  void ignoreRequested();   // "Nem érdekel"
  void revisitRequested();  // "Átállít" or the close button

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
};

}  // namespace graf::ui

// SPDX-License-Identifier: MIT
#pragma once
// Answers every message box the program opens, as a user would: it notes the
// title, text and icon of each box and presses its OK button. Tests take the
// boxes they expect; any box left untaken is a surprise and fails the test.
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <ostream>
#include <QStringList>
#include <vector>

namespace graf::testing {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  // The buttons the box offers: OK alone.
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  bool operator==(const SeenBox&) const = default;
};

void PrintTo(const SeenBox& box, std::ostream* os);

class MessageBoxAnswerer : public QObject {
 public:
  MessageBoxAnswerer();
  ~MessageBoxAnswerer() override;

  // The boxes seen since the last take, oldest first; they count as expected.
  std::vector<SeenBox> take();
  // Boxes seen and not yet taken.
  const std::vector<SeenBox>& pending() const { return seen_; }
  // The captions of the buttons of every box seen so far.
  const QStringList& buttonTexts() const { return buttonTexts_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<SeenBox> seen_;
  QStringList buttonTexts_;
};

}  // namespace graf::testing

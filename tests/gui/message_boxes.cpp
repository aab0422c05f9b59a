// SPDX-License-Identifier: MIT
#include "tests/gui/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace graf::testing {

void PrintTo(const SeenBox& box, std::ostream* os) {
  *os << "{" << box.title.toStdString() << ", \"" << box.text.toStdString() << "\", icon " << box.icon << "}";
}

MessageBoxAnswerer::MessageBoxAnswerer() { qApp->installEventFilter(this); }

MessageBoxAnswerer::~MessageBoxAnswerer() { qApp->removeEventFilter(this); }

std::vector<SeenBox> MessageBoxAnswerer::take() {
  std::vector<SeenBox> out;
  out.swap(seen_);
  return out;
}

bool MessageBoxAnswerer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show) return false;
  auto* box = qobject_cast<QMessageBox*>(watched);
  if (!box) return false;
  seen_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
  for (QAbstractButton* b : box->buttons()) buttonTexts_ << b->text();
  // Pressed from inside the box's own event loop, once it runs.
  QPointer<QMessageBox> guard(box);
  QTimer::singleShot(0, this, [guard] {
    if (!guard) return;
    if (QAbstractButton* ok = guard->button(QMessageBox::Ok))
      ok->click();
    else
      guard->reject();
  });
  return false;
}

}  // namespace graf::testing

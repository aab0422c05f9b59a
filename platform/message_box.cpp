// SPDX-License-Identifier: MIT
#include "platform/message_box.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

namespace graf::platform {

void beep() { QApplication::beep(); }

QMessageBox::Icon messageIcon(MessageType type) {
  switch (type) {
    case MessageType::Warning: return QMessageBox::Warning;
    case MessageType::Information: return QMessageBox::Information;
    case MessageType::Error: return QMessageBox::Critical;
    case MessageType::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

void MessageBoxNotifier::beep() {
  if (beeper_)
    beeper_();
  else
    platform::beep();
}

void MessageBoxNotifier::message(MessageType type, const std::string& text) {
  if (answerer_) {
    answerer_(type, text);
    return;
  }
  QMessageBox box(messageIcon(type), QString::fromUtf8(messageTitle(type)), QString::fromStdString(text),
                  QMessageBox::Ok, parent_.data());
  box.setDefaultButton(QMessageBox::Ok);
  // The program's own caption, whatever language Qt's texts are in.
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  // The focus goes back to the window beneath by the application's keyboard
  // rules when the box closes.
  box.exec();
}

}  // namespace graf::platform

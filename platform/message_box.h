// SPDX-License-Identifier: MIT
#pragma once
// Message boxes and the default beep: the program's way of telling the user
// something. Every box is modal and has a single OK button.
#include <QMessageBox>
#include <QPointer>
#include <functional>
#include <string>

#include "plot/ports.h"

class QWidget;

namespace graf::platform {

// The system's default beep.
void beep();

// The icon that goes with each kind of message.
QMessageBox::Icon messageIcon(MessageType type);

class MessageBoxNotifier : public Notifier {
 public:
  // The window the boxes are centred on and modal to.
  void setParentWindow(QWidget* window) { parent_ = window; }
  // Replaces the sound of beep(); an empty function restores the system beep.
  void setBeeper(std::function<void()> beeper) { beeper_ = std::move(beeper); }
  // Replaces the boxes by a function that takes each message and answers at
  // once (a benchmark's user); an empty function restores the boxes.
  void setAnswerer(std::function<void(MessageType, const std::string&)> answerer) {
    answerer_ = std::move(answerer);
  }

  void beep() override;
  // Shows the box and waits for its OK.
  void message(MessageType type, const std::string& text) override;

 private:
  QPointer<QWidget> parent_;
  std::function<void()> beeper_;
  std::function<void(MessageType, const std::string&)> answerer_;
};

}  // namespace graf::platform

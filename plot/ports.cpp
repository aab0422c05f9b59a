// SPDX-License-Identifier: MIT
#include "plot/ports.h"

namespace graf {

const char* messageTitle(MessageType type) {
  switch (type) {
    case MessageType::Warning: return "Warning";
    case MessageType::Information: return "Information";
    case MessageType::Error: return "Error";
    case MessageType::Confirmation: return "Confirm";
  }
  return "";
}

void alert(Notifier& notifier, bool soundOn, MessageType type, const std::string& text) {
  if (soundOn) notifier.beep();
  notifier.message(type, text);
}

}  // namespace graf

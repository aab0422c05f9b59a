// SPDX-License-Identifier: MIT
#pragma once
// The windows of a program that has none: message boxes are collected, and
// the list, labels and progress window go nowhere. What the main window would
// show is the commands' own shown().
#include <optional>
#include <string>
#include <vector>

#include "functionsets/load_save.h"
#include "plot/ports.h"

namespace graf {

class NoWindows : public Notifier, public FunctionListPort, public LoadPort, public SaveLoadPort {
 public:
  std::vector<ShownMessage> messages;  // the boxes shown, in order
  int rows = 0;                        // the rows of the function list

  // Notifier
  void beep() override {}
  void message(MessageType type, const std::string& text) override { messages.push_back(shownMessage(type, text)); }

  // FunctionListPort: rows are counted, for the deletion of the last one.
  void appendFunctionRow(int, Kind, double, double, double) override { ++rows; }
  void removeRow(int) override { --rows; }
  void clearRows() override { rows = 0; }
  void setSelectionLabel(const std::string&) override {}

  // LoadPort
  void setLoadStatus(const std::string&) override {}
  void showProgressWindow() override {}
  void closeProgressWindow() override {}
  void setProgressCaption(const std::string&) override {}
  void setProgressPosition(int) override {}

  // SaveLoadPort: loading alone never asks or saves.
  std::string comment() const override { return {}; }
  bool automaticFileName() const override { return false; }
  std::optional<std::string> askFileToSave() override { return std::nullopt; }
  std::optional<std::string> askFileToOpen() override { return std::nullopt; }
  void setSaveLabel(const std::string&) override {}
  void setSaveEnabled(bool) override {}
  void setLoadedComment(const std::string&) override {}
  void setAckAndDiscardEnabled() override {}
  void closeWindow() override {}
};

}  // namespace graf

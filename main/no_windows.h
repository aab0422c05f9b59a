// SPDX-License-Identifier: MIT
#pragma once
// The windows of a program that has none: the main window's fields and kind
// choice hold what the load puts there, message boxes are collected, and the
// list, labels and progress window go nowhere.
#include <optional>
#include <string>
#include <vector>

#include "functionsets/load_save.h"
#include "plot/ports.h"

namespace graf {

class NoWindows : public MainWindowPort,
                  public Notifier,
                  public FunctionListPort,
                  public LoadPort,
                  public SaveLoadPort {
 public:
  std::vector<std::string> messages;  // the boxes shown, as "Title: text"
  std::string fields[3];              // A, B and C
  Kind kind = Kind::Linear;           // the kind options start with "Elsőfokú" chosen
  int rows = 0;                       // the rows of the function list

  // MainWindowPort
  std::string fieldText(Field f) const override { return fields[static_cast<int>(f)]; }
  void setFieldText(Field f, const std::string& text) override { fields[static_cast<int>(f)] = text; }
  Kind selectedKind() const override { return kind; }
  void selectKind(Kind k) override { kind = k; }
  void setCFieldEnabled(bool) override {}
  void setCaption(const std::string&) override {}
  void setCountPanel(const std::string&) override {}
  void setDeleteLastEnabled(bool) override {}
  void setReadout(const std::string&, const std::string&) override {}
  void setZoomLabel(const std::string&) override {}
  void setPictureCursor(PictureCursor) override {}
  void setWheelDirectionVertical(bool) override {}
  void setRepeatInterval(int) override {}
  void pictureChanged() override {}

  // Notifier
  void beep() override {}
  void message(MessageType type, const std::string& text) override {
    messages.push_back(std::string(messageTitle(type)) + ": " + text);
  }

  // FunctionListPort: rows are counted, for the deletion of the last one.
  void appendFunctionRow(int, Kind, double, double, double) override { ++rows; }
  int rowCount() const override { return rows; }
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

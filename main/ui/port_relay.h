// SPDX-License-Identifier: MIT
#pragma once
// Stands in for the windows while they do not exist yet: the commands are
// made first and talk to this object, which passes every call on to the
// window that implements it once the windows have been created. A call that
// arrives before its window exists does nothing.
#include <string>

#include "functionsets/load_session.h"
#include "plot/ports.h"

namespace graf::ui {

class PortRelay : public MainWindowPort, public Notifier, public FunctionListPort, public LoadPort {
 public:
  MainWindowPort* main = nullptr;
  Notifier* notifier = nullptr;
  FunctionListPort* list = nullptr;
  LoadPort* load = nullptr;

  // MainWindowPort
  std::string fieldText(Field f) const override { return main ? main->fieldText(f) : std::string(); }
  void setFieldText(Field f, const std::string& text) override {
    if (main) main->setFieldText(f, text);
  }
  Kind selectedKind() const override { return main ? main->selectedKind() : Kind::Linear; }
  void selectKind(Kind kind) override {
    if (main) main->selectKind(kind);
  }
  void setCFieldEnabled(bool enabled) override {
    if (main) main->setCFieldEnabled(enabled);
  }
  void setCaption(const std::string& text) override {
    if (main) main->setCaption(text);
  }
  void setCountPanel(const std::string& text) override {
    if (main) main->setCountPanel(text);
  }
  void setDeleteLastEnabled(bool enabled) override {
    if (main) main->setDeleteLastEnabled(enabled);
  }
  void setReadout(const std::string& x, const std::string& y) override {
    if (main) main->setReadout(x, y);
  }
  void setZoomLabel(const std::string& text) override {
    if (main) main->setZoomLabel(text);
  }
  void setPictureCursor(PictureCursor c) override {
    if (main) main->setPictureCursor(c);
  }
  void setWheelDirectionVertical(bool vertical) override {
    if (main) main->setWheelDirectionVertical(vertical);
  }
  void setRepeatInterval(int ms) override {
    if (main) main->setRepeatInterval(ms);
  }
  void pictureChanged() override {
    if (main) main->pictureChanged();
  }

  // Notifier
  void beep() override {
    if (notifier) notifier->beep();
  }
  void message(MessageType type, const std::string& text) override {
    if (notifier) notifier->message(type, text);
  }

  // FunctionListPort
  void appendFunctionRow(int n, Kind kind, double a, double b, double c) override {
    if (list) list->appendFunctionRow(n, kind, a, b, c);
  }
  int rowCount() const override { return list ? list->rowCount() : 0; }
  void removeRow(int index) override {
    if (list) list->removeRow(index);
  }
  void clearRows() override {
    if (list) list->clearRows();
  }
  void setSelectionLabel(const std::string& text) override {
    if (list) list->setSelectionLabel(text);
  }

  // LoadPort
  void setLoadStatus(const std::string& text) override {
    if (load) load->setLoadStatus(text);
  }
  void showProgressWindow() override {
    if (load) load->showProgressWindow();
  }
  void closeProgressWindow() override {
    if (load) load->closeProgressWindow();
  }
  void setProgressCaption(const std::string& text) override {
    if (load) load->setProgressCaption(text);
  }
  void setProgressPosition(int position) override {
    if (load) load->setProgressPosition(position);
  }
};

}  // namespace graf::ui

#pragma once
// Stands in for the windows while they do not exist yet: the commands are
// made first and talk to this object, which passes every call on to the
// window that implements it once the windows have been created. A call that
// arrives before its window exists does nothing.
#include <string>

#include "functionsets/load_session.h"
#include "plot/ports.h"

namespace graf::ui {

class PortRelay : public FunctionListPort, public LoadPort {
 public:
  FunctionListPort* list = nullptr;
  LoadPort* load = nullptr;

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

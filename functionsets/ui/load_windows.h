// SPDX-License-Identifier: MIT
#pragma once
// The load status label of the save/load window and the progress window, as
// the commands reach them (graf::LoadPort).
#include <string>

#include "functionsets/ui/tbetoltesablak.h"
#include "functionsets/ui/ttoltmentablak.h"
#include "functionsets/load_session.h"

namespace graf::ui {

class LoadWindows : public graf::LoadPort {
 public:
  LoadWindows(Ttoltmentablak& saveLoad, Tbetoltesablak& progress) : saveLoad_(saveLoad), progress_(progress) {}

  void setLoadStatus(const std::string& text) override { saveLoad_.setLoadStatus(QString::fromStdString(text)); }
  void showProgressWindow() override {
    progress_.setProgressPosition(0);
    progress_.show();
    progress_.raise();
  }
  void closeProgressWindow() override { progress_.close(); }
  void setProgressCaption(const std::string& text) override {
    progress_.setProgressCaption(QString::fromStdString(text));
  }
  void setProgressPosition(int position) override { progress_.setProgressPosition(position); }

 private:
  Ttoltmentablak& saveLoad_;
  Tbetoltesablak& progress_;
};

}  // namespace graf::ui

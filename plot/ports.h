// SPDX-License-Identifier: MIT
#pragma once
// What the core needs from the windows. The windows implement these; the
// tests implement them with recording fakes.
#include <string>

#include "plot/plot_state.h"

namespace graf {

enum class Field { A, B, C };
enum class MessageType { Warning, Information, Error, Confirmation };
enum class PictureCursor { Arrow, Cross };

// The title a message box of each type carries.
const char* messageTitle(MessageType type);

// Message boxes with a single OK button, and the default beep.
class Notifier {
 public:
  virtual ~Notifier() = default;
  virtual void beep() = 0;
  virtual void message(MessageType type, const std::string& text) = 0;
};

// A refusal or an error: the beep, when sounds are on, then the box.
void alert(Notifier& notifier, bool soundOn, MessageType type, const std::string& text);

// The main window, as far as the commands use it.
class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  virtual std::string fieldText(Field f) const = 0;
  virtual void setFieldText(Field f, const std::string& text) = 0;
  // The kind of the selected option.
  virtual Kind selectedKind() const = 0;
  // Selects the option of a kind without running its reaction; the core runs
  // the reaction itself.
  virtual void selectKind(Kind kind) = 0;
  // The C field and its label.
  virtual void setCFieldEnabled(bool enabled) = 0;
  virtual void setCaption(const std::string& text) = 0;
  // Status bar panel 2 (the count) and panel 3 (the clock note).
  virtual void setCountPanel(const std::string& text) = 0;
  // "Utolsó fv törlése": the button and its action together.
  virtual void setDeleteLastEnabled(bool enabled) = 0;
  virtual void setReadout(const std::string& x, const std::string& y) = 0;
  virtual void setZoomLabel(const std::string& text) = 0;
  virtual void setPictureCursor(PictureCursor c) = 0;
  virtual void setWheelDirectionVertical(bool vertical) = 0;
  // The repeat timer of the pan buttons.
  virtual void setRepeatInterval(int ms) = 0;
  // The picture's pixels changed and must be shown.
  virtual void pictureChanged() = 0;
};

// The rows of the function list window and its selection label.
class FunctionListPort {
 public:
  virtual ~FunctionListPort() = default;
  // Appends the row of function n; the window formats it.
  virtual void appendFunctionRow(int n, Kind kind, double a, double b, double c) = 0;
  virtual int rowCount() const = 0;
  virtual void removeRow(int index) = 0;
  virtual void clearRows() = 0;
  virtual void setSelectionLabel(const std::string& text) = 0;
};

// What the plot runs and the clearing commands tell a load in progress.
class PlotRunListener {
 public:
  virtual ~PlotRunListener() = default;
  // A plot run starts with `functionCount` functions counted.
  virtual void plotRunStarted(int functionCount) = 0;
  // One more stored function is about to be drawn.
  virtual void functionDrawn() = 0;
  virtual void plotRunEnded() = 0;
  // A clearing command ran: nothing is loaded any more.
  virtual void cleared() = 0;
};

}  // namespace graf

// SPDX-License-Identifier: MIT
#pragma once
// What the core needs from the windows. The windows implement these; the
// tests implement them with recording fakes.
#include <array>
#include <cstddef>
#include <string>

#include "plot/plot_state.h"

namespace graf {

enum class Field { A, B, C };
enum class MessageType { Warning, Information, Error, Confirmation };
enum class PictureCursor { Arrow, Cross };

// The title a message box of each type carries.
const char* messageTitle(MessageType type);

// A message box as shown: its type, its title and its text.
struct ShownMessage {
  MessageType type;
  std::string title;
  std::string text;
  bool operator==(const ShownMessage&) const = default;
};
inline ShownMessage shownMessage(MessageType type, const std::string& text) {
  return {type, messageTitle(type), text};
}

// Message boxes with a single OK button, and the default beep.
class Notifier {
 public:
  virtual ~Notifier() = default;
  virtual void beep() = 0;
  virtual void message(MessageType type, const std::string& text) = 0;
};

// A refusal or an error: the beep, when sounds are on, then the box.
void alert(Notifier& notifier, bool soundOn, MessageType type, const std::string& text);

// The texts of the coefficient fields A, B and C.
using FieldTexts = std::array<std::string, 3>;

// What the main window shows, as the commands last wrote it. The window
// shows it; the user's typing in the fields and clicks of the kind options
// are told to the commands, so that it always matches the window.
struct MainWindowShown {
  FieldTexts fields;
  Kind kind = Kind::Linear;      // the selected kind option
  bool cEnabled = false;         // the C field and its label
  std::string caption = "Grafolin 5.2";
  std::string countText = "Függvények száma: 0";  // status bar panel 2
  bool deleteLastEnabled = false;  // "Utolsó fv törlése": the button and its action
  std::string readoutX, readoutY;
  std::string zoomText = "1x";
  PictureCursor cursor = PictureCursor::Arrow;
  bool wheelVertical = true;
  int repeatInterval = 50;  // the repeat timer of the pan buttons, in ms
  int pictureVersion = 0;   // counts the changes of the picture's pixels

  const std::string& field(Field f) const { return fields[static_cast<std::size_t>(f)]; }
};

// The parts of MainWindowShown, as a set of bits: which parts a change
// touched.
enum ShownPart : unsigned {
  kShownFieldA = 1u << 0,
  kShownFieldB = 1u << 1,
  kShownFieldC = 1u << 2,
  kShownKind = 1u << 3,  // selected without running the option's reaction
  kShownCEnabled = 1u << 4,
  kShownCaption = 1u << 5,
  kShownCount = 1u << 6,
  kShownDeleteLast = 1u << 7,
  kShownReadout = 1u << 8,
  kShownZoom = 1u << 9,
  kShownCursor = 1u << 10,
  kShownWheel = 1u << 11,
  kShownRepeat = 1u << 12,
  kShownPicture = 1u << 13,  // the picture's pixels changed and must be shown
};

constexpr unsigned shownFieldPart(Field f) { return kShownFieldA << static_cast<unsigned>(f); }

// The main window, or a stand-in for it: hears every change of what it shows.
class MainWindowListener {
 public:
  virtual ~MainWindowListener() = default;
  // `parts` names what this change touched; the window shows those parts.
  virtual void shownChanged(const MainWindowShown& shown, unsigned parts) = 0;
};

// The rows of the function list window and its selection label. The rows
// change only through these calls.
class FunctionListPort {
 public:
  virtual ~FunctionListPort() = default;
  // Appends the row of function n; the window formats it.
  virtual void appendFunctionRow(int n, Kind kind, double a, double b, double c) = 0;
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

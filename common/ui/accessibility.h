// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader learns of the program beyond what Qt tells it by
// itself:
//
// - Every window is a window to it: a frame (the main window) or a dialog
//   (the windows the user works in beside it), named by its caption, so that
//   the screen reader can read the title bar, the status bar and the text
//   of the window (Qt exposes plain widgets that are windows as "filler").
// - A result that appears away from the focus (the count after a plot, the
//   caption, the load status) is announced without moving the focus: an
//   Announcer, a notification with no size of its own, is shown anew with
//   the words to say. Screen readers speak a notification as it appears.
//
//   graf::ui::exposeAsWindow(&mainWindow, graf::ui::WindowRole::Frame);
//   auto* announcer = new graf::ui::Announcer(&mainWindow);
//   announcer->announce("Íme a függvény. Függvények száma: 1");
#include <QString>
#include <QWidget>

class QLabel;

namespace graf::ui {

enum class WindowRole { Frame, Dialog };

// The window is exposed to screen readers with this role and its caption as
// its name.
void exposeAsWindow(QWidget* window, WindowRole role);
// A label whose text is to be read (a note on a page, a line of help) can
// take the focus, so that Tab reaches it and a screen reader reads it.
void readableByTab(QLabel* label);

class Announcer : public QWidget {
  Q_OBJECT
 public:
  explicit Announcer(QWidget* window);
  // Says `words` now; the last words stay readable as the notification's name.
  void announce(const QString& words);
  QString lastWords() const { return accessibleName(); }
};

// Whether a text holds a word: two letters one after the other. "A=", "X",
// "123" hold none.
bool holdsAWord(const QString& text);

}  // namespace graf::ui

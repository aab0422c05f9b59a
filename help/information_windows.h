// SPDX-License-Identifier: MIT
#pragma once
// The help window and the notes window behind its hidden dot. The notes are
// opened by a mouse button on the dot and closed by "OKÉ"; closing the help
// window closes the notes too, so no information window outlives the help
// window. While the notes are shown, the help window is see-through and
// cannot be used.
namespace graf {

// The help window's opacity (0 invisible .. 255 opaque) while the notes lie
// over it.
inline constexpr int kBehindNotesOpacity = 150;

// The help window, as far as the notes use it.
class HelpWindowPort {
 public:
  virtual ~HelpWindowPort() = default;
  virtual void closeHelp() = 0;
};

// The notes window.
class NotesWindowPort {
 public:
  virtual ~NotesWindowPort() = default;
  virtual bool notesShown() const = 0;
  virtual void showNotes() = 0;
  virtual void closeNotes() = 0;
};

class InformationWindows {
 public:
  InformationWindows(HelpWindowPort& help, NotesWindowPort& notes) : help_(help), notes_(notes) {}

  // "OK" in the help window.
  void okPressed();
  // The help window has closed, by "OK" or any other way.
  void helpClosed();
  // A mouse button pressed on the dot of the date line.
  void dotPressed();
  // "OKÉ" in the notes window.
  void okePressed();

 private:
  HelpWindowPort& help_;
  NotesWindowPort& notes_;
};

}  // namespace graf

#pragma once
// The help window and the notes window behind its hidden dot: while the notes
// are open and active, the help window is see-through and cannot be used, so
// the user reads the notes and presses "OKÉ"; closing the help window closes
// the notes too, so no information window outlives the help window.
namespace graf {

// Window opacity, from 0 (invisible) to 255 (opaque).
inline constexpr int kOpaque = 255;
// The help window's opacity while the notes lie over it.
inline constexpr int kBehindNotesOpacity = 150;

// The help window, as far as the notes use it.
class HelpWindowPort {
 public:
  virtual ~HelpWindowPort() = default;
  virtual void setHelpOpacity(int alpha) = 0;
  virtual void setHelpUsable(bool usable) = 0;
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
  // The notes window became the active window.
  void notesActivated();
  // The notes window has closed, by "OKÉ" or any other way.
  void notesClosed();
  // "OKÉ" in the notes window.
  void okePressed();

 private:
  HelpWindowPort& help_;
  NotesWindowPort& notes_;
};

}  // namespace graf

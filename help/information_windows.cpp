#include "help/information_windows.h"

namespace graf {

void InformationWindows::okPressed() { help_.closeHelp(); }

void InformationWindows::helpClosed() {
  if (notes_.notesShown()) notes_.closeNotes();
}

void InformationWindows::dotPressed() { notes_.showNotes(); }

void InformationWindows::notesActivated() {
  help_.setHelpOpacity(kBehindNotesOpacity);
  help_.setHelpUsable(false);
}

void InformationWindows::notesClosed() {
  help_.setHelpOpacity(kOpaque);
  help_.setHelpUsable(true);
}

void InformationWindows::okePressed() { notes_.closeNotes(); }

}  // namespace graf

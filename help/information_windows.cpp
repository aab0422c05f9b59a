// SPDX-License-Identifier: MIT
#include "help/information_windows.h"

namespace graf {

void InformationWindows::okPressed() { help_.closeHelp(); }

void InformationWindows::helpClosed() {
  if (notes_.notesShown()) notes_.closeNotes();
}

void InformationWindows::dotPressed() { notes_.showNotes(); }

void InformationWindows::okePressed() { notes_.closeNotes(); }

}  // namespace graf

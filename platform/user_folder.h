// SPDX-License-Identifier: MIT
#pragma once
// The program's own folder under the user's data location
// (~/.local/share/Velmora/Grafolin on Linux, following XDG_DATA_HOME). Started
// from the desktop menu, the program works there: its settings file and the
// automatically named function sets stay from one start to the next without
// littering the home folder.
#include <QString>

namespace graf::platform {

QString userFolder();

// Creates the folder (with its parents) when it is missing and makes it the
// current folder. On failure the current folder stays as it was, and false
// comes back with a Hungarian reason that names the folder.
bool enterUserFolder(QString* error);

}  // namespace graf::platform

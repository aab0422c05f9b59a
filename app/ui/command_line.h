// SPDX-License-Identifier: MIT
#pragma once
// The program's command line. It is read before any window exists, so that
// --help, --version, the picture export and a mistyped line need no display:
//
//   grafolin [--user-folder] [FILE.fv]
//   grafolin --export PICTURE SET.fv
//   grafolin --export-dir FOLDER SET.fv…
//
// FILE.fv is loaded once the main window is the user's, as "Tölt" loads a
// set. --user-folder makes the program work in its own folder under the
// user's data location instead of the current folder; the desktop menu
// starts it so. Qt's own options (-platform, -style, -reverse, ...) are
// accepted and left to Qt when the windows start, and refused beside an
// export, which has no window. An option given twice, an empty value and an
// unknown option are mistakes of the line: each is named as typed.
//
// The arguments are texts made by platform::argumentText, so that every
// file name keeps its bytes.
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace graf::ui {

// What the windows are to do once the program has started.
struct StartRequest {
  // The function-set file to load, as an absolute path (a relative name
  // counts from the current folder of the moment the line is read); empty
  // when none was named. Its bytes: platform::argumentBytes.
  QString setFile;
  bool userFolder = false;
};

// Every option of the program, for one parser.
void addProgramOptions(QCommandLineParser& parser);

// Reads the arguments (the first names the program) and does what needs no
// window: prints the help or the version, runs the picture export, or names
// what is wrong with the line on standard error. Returns the exit status when
// the program ends there; otherwise fills `start`. A QCoreApplication must
// exist; the parser's own words come out in Hungarian.
std::optional<int> runCommandLine(const QStringList& arguments, StartRequest& start);

}  // namespace graf::ui

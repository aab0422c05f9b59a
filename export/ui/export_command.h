// SPDX-License-Identifier: MIT
#pragma once
// The command-line commands that write pictures of function-set files
// without any window:
//   grafolin --export PICTURE SET.fv
//   grafolin --export-dir FOLDER SET.fv…
// They need no display: they run before, and instead of, the application
// object of the windows.
#include <QCommandLineParser>
#include <optional>

namespace graf::ui {

// Adds --export, --export-dir and their description to the program's parser.
void addExportOptions(QCommandLineParser& parser);

// Runs the export the parsed command line asks for and returns the exit
// status; nothing when it asks for none.
std::optional<int> runExportCommand(const QCommandLineParser& parser);

// Whether the line asks for an export (--export or --export-dir).
bool asksForExport(const QCommandLineParser& parser);

// Reports a mistaken command line on the error output, after the program's
// name and followed by where to read how it goes, and returns the exit
// status of a usage error.
int usageError(const QString& text);

}  // namespace graf::ui

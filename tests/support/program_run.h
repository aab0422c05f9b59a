// SPDX-License-Identifier: MIT
#pragma once
// Runs the built program as a separate process, in the test's current folder
// and with the test's own per-user locations, and with no display at all:
// DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are taken out of its
// environment.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

namespace graf::testing {

struct ProgramRun {
  bool finished = false;  // false: it did not start, crashed or hung
  int exitCode = -1;
  QString out;  // standard output, UTF-8
  QString err;  // standard error, UTF-8
};

ProgramRun runGrafolin(const QStringList& arguments);

// The built program's path, for tests that start it their own way.
std::string grafolinProgram();

// Where the program's standard output goes.
enum class StandardOutput { Captured, FullDisk, Closed };

// The same with arguments given as the system's bytes (a file name need not
// be UTF-8), `environment` changes ("NAME=value" sets, "NAME" removes), and
// standard output captured, on a full disk (/dev/full), or closed.
ProgramRun runGrafolinBytes(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {},
                            StandardOutput output = StandardOutput::Captured);

// Writes a whole file; false when it could not.
bool writeFile(const QString& path, const std::vector<std::uint8_t>& bytes);

// The pixels of a picture file as 32-bit RGB; a null image when it is missing
// or not a picture.
QImage pictureFile(const QString& path);

// How many pixels of two pictures differ; -1 when their sizes differ.
int pixelDifferences(const QImage& a, const QImage& b);

}  // namespace graf::testing

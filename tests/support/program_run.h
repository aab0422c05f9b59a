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
#include <vector>

namespace graf::testing {

struct ProgramRun {
  bool finished = false;  // false: it did not start, crashed or hung
  int exitCode = -1;
  QString out;  // standard output, UTF-8
  QString err;  // standard error, UTF-8
};

ProgramRun runGrafolin(const QStringList& arguments);

// Writes a whole file; false when it could not.
bool writeFile(const QString& path, const std::vector<std::uint8_t>& bytes);

// The pixels of a picture file as 32-bit RGB; a null image when it is missing
// or not a picture.
QImage pictureFile(const QString& path);

// How many pixels of two pictures differ; -1 when their sizes differ.
int pixelDifferences(const QImage& a, const QImage& b);

}  // namespace graf::testing

// SPDX-License-Identifier: MIT
#include "tests/support/program_run.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>

namespace graf::testing {

ProgramRun runGrafolin(const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(QDir::currentPath());
  process.start(QStringLiteral(GRAFOLIN_PROGRAM), arguments);
  ProgramRun run;
  // A generous bound, only so that a program that hangs fails the test
  // instead of blocking the suite.
  run.finished = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
  if (!run.finished) process.kill();
  process.waitForFinished();
  run.exitCode = process.exitCode();
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

bool writeFile(const QString& path, const std::vector<std::uint8_t>& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) &&
         f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
             static_cast<qint64>(bytes.size());
}

QImage pictureFile(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  const QImage image = reader.read();
  return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

int pixelDifferences(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

}  // namespace graf::testing

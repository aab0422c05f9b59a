// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstring>
#include <memory>
#include <optional>

#include "picture/picture_export.h"
#include "app/ui/application.h"
#include "app/ui/command_line.h"
#include "common/ui/ui_support.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/user_folder.h"

int main(int argc, char** argv) {
  // --help, --version, the picture export and a mistyped command line need
  // no display: the line is read, and those are done, before the application
  // object of the windows exists.
  graf::ui::StartRequest start;
  {
    // Axis numbers on an exported picture are drawn with the program's font,
    // and SVG and PDF files are painted by Qt's own writers: both need a
    // (display-less) graphical application.
    bool graphical = false;
    for (int i = 1; i < argc; ++i)
      graphical = graphical || std::strcmp(argv[i], "--numbers") == 0 || std::strcmp(argv[i], "-numbers") == 0 ||
                graf::isDrawingFormat(graf::pictureFormatFor(argv[i]).value_or(graf::PictureFormat::Bitmap));
    std::unique_ptr<QCoreApplication> core;
    const QByteArray platformBefore = qgetenv("QT_QPA_PLATFORM");
    const bool platformWasSet = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (graphical) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
      core = std::make_unique<QGuiApplication>(argc, argv);
    } else {
      core = std::make_unique<QCoreApplication>(argc, argv);
    }
    const std::optional<int> status = graf::ui::runCommandLine(QCoreApplication::arguments(), start);
    core.reset();
    if (status) return *status;
    if (graphical && platformWasSet) qputenv("QT_QPA_PLATFORM", platformBefore);
    if (graphical && !platformWasSet) qunsetenv("QT_QPA_PLATFORM");
  }

  // The picture shows each of its pixels as a block of whole screen pixels:
  // a scale factor with a fraction would make its grid lines unequal. Qt
  // rounds the factor it takes from the screen, and a factor set by hand is
  // rounded the same way (1.25 gives 1, 1.5 gives 2), so that the windows and
  // the picture are scaled alike.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  graf::ui::roundScaleFactorSetting();
  QApplication app(argc, argv);
  // Started from the menu: the program's own folder, before anything reads
  // or writes a file in the current folder. Where that fails, the user is
  // told, and the program works in the current folder.
  QString problem;
  if (start.userFolder && !graf::platform::enterUserFolder(&problem)) {
    graf::platform::MessageBoxNotifier notifier;
    notifier.message(graf::MessageType::Error, problem.toStdString());
  }
  // What a run killed in the middle of a save left in the working folder.
  graf::platform::removeStrayTemporaryFiles(QDir::currentPath());
  graf::ui::GrafolinApp grafolin;
  grafolin.setStartFile(start.setFile);
  return app.exec();
}

// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCoreApplication>
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
  graf::platform::guardStandardStreams();
  // --help, --version, the picture export and a mistyped command line need
  // no display: the line is read, and those are done, before the application
  // object of the windows exists.
  graf::ui::StartRequest start;
  {
    // The line as given, every byte kept: a file name need not be UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << graf::platform::argumentText(argv[i]);
    // Axis numbers on an exported picture are drawn with the program's font,
    // and SVG and PDF files are painted by Qt's own writers: both need a
    // (display-less) graphical application.
    bool graphical = false;
    for (int i = 1; i < argc; ++i)
      graphical = graphical || std::strcmp(argv[i], "--numbers") == 0 || std::strcmp(argv[i], "-numbers") == 0 ||
                graf::isDrawingFormat(graf::pictureFormatFor(argv[i]).value_or(graf::PictureFormat::Bitmap));
    // The application object of this step sees the program's name alone: the
    // line is read by the program, so Qt's own options (-platform, -display)
    // can never take the display-less platform away from an export.
    int nameOnlyCount = 1;
    char* nameOnly[] = {argv[0], nullptr};
    std::unique_ptr<QCoreApplication> core;
    std::optional<graf::platform::PrivateRuntimeFolder> runtime;
    const QByteArray platformBefore = qgetenv("QT_QPA_PLATFORM");
    const bool platformWasSet = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (graphical) {
      runtime.emplace();
      qputenv("QT_QPA_PLATFORM", "offscreen");
      core = std::make_unique<QGuiApplication>(nameOnlyCount, nameOnly);
    } else {
      core = std::make_unique<QCoreApplication>(nameOnlyCount, nameOnly);
    }
    const std::optional<int> status = graf::ui::runCommandLine(arguments, start);
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
  // Nothing is cleaned up in the working folder: the program never removes a
  // file it did not make in this run, and its writes leave no temporary file.
  graf::ui::GrafolinApp grafolin;
  grafolin.setStartFile(start.setFile);
  return app.exec();
}

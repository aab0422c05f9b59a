#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <optional>

#include "main/ui/application.h"
#include "main/ui/command_line.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/user_folder.h"

int main(int argc, char** argv) {
  // --help, --version, the picture export and a mistyped command line need
  // no display: the line is read, and those are done, before the application
  // object of the windows exists.
  graf::ui::StartRequest start;
  {
    QCoreApplication core(argc, argv);
    if (const std::optional<int> status = graf::ui::runCommandLine(QCoreApplication::arguments(), start))
      return *status;
  }

  QApplication app(argc, argv);
  // Started from the menu: the program's own folder, before anything reads
  // or writes a file in the current folder. Where that fails, the user is
  // told, and the program works in the current folder.
  QString problem;
  if (start.userFolder && !platform::enterUserFolder(&problem)) {
    graf::platform::MessageBoxNotifier notifier;
    notifier.message(graf::MessageType::Error, problem.toStdString());
  }
  // What a run killed in the middle of a save left in the working folder.
  platform::removeStrayTemporaryFiles(QDir::currentPath());
  graf::ui::GrafolinApp grafolin;
  grafolin.setStartFile(start.setFile);
  return app.exec();
}

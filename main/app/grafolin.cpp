#include <QApplication>
#include <QCommandLineParser>

#include "main/ui/application.h"
#include "main/ui/export_command.h"

int main(int argc, char** argv) {
  // The picture export runs without any window or display, so the command
  // line is read before an application object exists.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  graf::ui::addExportOptions(parser);
  if (parser.parse(arguments)) {
    if (const auto status = graf::ui::runExportCommand(parser)) return *status;
  } else if (parser.isSet(QStringLiteral("export")) || parser.isSet(QStringLiteral("export-dir"))) {
    std::fputs(("grafolin: " + parser.errorText() + '\n').toLocal8Bit().constData(), stderr);
    return 2;
  }

  QApplication app(argc, argv);
  graf::ui::GrafolinApp grafolin;
  return app.exec();
}

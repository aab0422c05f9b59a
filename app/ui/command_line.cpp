// SPDX-License-Identifier: MIT
#include "app/ui/command_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QTranslator>
#include <iostream>

#include "export/ui/export_command.h"

namespace graf::ui {

namespace {

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kUserFolder = QStringLiteral("user-folder");

// The parser's own words, in Hungarian.
class ParserTexts : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (qstrcmp(context, "QCommandLineParser") != 0) return {};
    static const QHash<QByteArray, QString> texts = {
        {"Usage: %1", QStringLiteral("Használat: %1")},
        {"Options:", QStringLiteral("Kapcsolók:")},
        {"Arguments:", QStringLiteral("Paraméterek:")},
        {"[options]", QStringLiteral("[kapcsolók]")},
        {"Unknown option '%1'.", QStringLiteral("ismeretlen kapcsoló: %1")},
        {"Unknown options: %1.", QStringLiteral("ismeretlen kapcsolók: %1")},
        {"Missing value after '%1'.", QStringLiteral("hiányzik az érték ez után: %1")},
        {"Unexpected value after '%1'.", QStringLiteral("nem vár értéket: %1")},
    };
    return texts.value(QByteArray(source));
  }
};

// Qt's own options, which QApplication takes from the command line itself:
// those with a value, and those without.
const char* const kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",        "qwindowgeometry", "geometry", "qwindowtitle",
    "title",    "qwindowicon",        "icon",          "session",       "display",         "name",     "style",
    "stylesheet", "qmljsdebugger",    "visual",        "ncols",         "cmap",
};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

}  // namespace

void addProgramOptions(QCommandLineParser& parser) {
  // Single-dash words are Qt's options ("-platform offscreen"), not letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QStringLiteral("Grafolin " GRAFOLIN_VERSION ": elemi függvények ábrázolása."));
  parser.addOption({{QStringLiteral("h"), kHelp}, QStringLiteral("Kiírja ezt a súgót.")});
  parser.addOption({{QStringLiteral("v"), kVersion}, QStringLiteral("Kiírja a program verzióját.")});
  parser.addOption({kUserFolder,
                    QStringLiteral("A beállításokat és a függvényfájlokat a program saját mappájában tartja "
                                   "(~/.local/share/Velmora/Grafolin) az aktuális mappa helyett. "
                                   "A menü így indítja a programot.")});
  addExportOptions(parser);
  for (const char* name : kQtOptionsWithValue) {
    QCommandLineOption qt(QString::fromLatin1(name), QString(), QStringLiteral("érték"));
    qt.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(qt);
  }
  for (const char* name : kQtFlags) {
    QCommandLineOption qt(QString::fromLatin1(name));
    qt.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(qt);
  }
}

std::optional<int> runCommandLine(const QStringList& arguments, StartRequest& start) {
  ParserTexts texts;
  QCoreApplication::installTranslator(&texts);
  struct Uninstall {
    QTranslator* t;
    ~Uninstall() { QCoreApplication::removeTranslator(t); }
  } uninstall{&texts};

  QCommandLineParser parser;
  addProgramOptions(parser);
  if (!parser.parse(arguments)) return usageError(parser.errorText());
  if (parser.isSet(kHelp)) {
    // The usage line names the program without its folder.
    QString help = parser.helpText();
    const QString usage = QStringLiteral("Használat: ");
    const qsizetype end = help.indexOf(QStringLiteral(" [kapcsolók]"));
    if (help.startsWith(usage) && end > 0) help.replace(usage.size(), end - usage.size(), QStringLiteral("grafolin"));
    std::cout << help.toStdString() << std::flush;
    return 0;
  }
  if (parser.isSet(kVersion)) {
    std::cout << "Grafolin " GRAFOLIN_VERSION "\n" << std::flush;
    return 0;
  }
  if (const std::optional<int> status = runExportCommand(parser)) return status;

  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) return usageError(QStringLiteral("egyszerre egy függvényhalmaz-fájl nyitható meg"));
  start.userFolder = parser.isSet(kUserFolder);
  start.setFile = files.isEmpty() ? QString() : QDir::cleanPath(QDir::current().absoluteFilePath(files.front()));
  return std::nullopt;
}

}  // namespace graf::ui

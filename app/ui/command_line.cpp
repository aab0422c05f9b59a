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

namespace {

// The option `name` as the user typed it ("--bogus", "-platform",
// "--export-dir"), for the messages; "--name" when it cannot be found.
QString typedOption(const QStringList& arguments, const QString& name) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == QStringLiteral("--")) break;
    if (!a.startsWith(QLatin1Char('-'))) continue;
    QString bare = a.mid(a.startsWith(QStringLiteral("--")) ? 2 : 1);
    const qsizetype equals = bare.indexOf(QLatin1Char('='));
    if (equals >= 0) bare.truncate(equals);
    if (bare == name) return equals >= 0 ? a.left(a.indexOf(QLatin1Char('='))) : a;
  }
  return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// What is wrong with a line the parser took: an option given twice, an empty
// value, or one of Qt's own options beside an export. Empty when nothing is.
QString lineProblem(const QCommandLineParser& parser, const QStringList& arguments) {
  QStringList seen;
  for (const QString& name : parser.optionNames()) {
    // Both names of one option ("-h", "--help") count as one.
    QString canonical = name;
    for (const QCommandLineOption& option : {QCommandLineOption(QStringList{QStringLiteral("h"), kHelp}),
                                             QCommandLineOption(QStringList{QStringLiteral("v"), kVersion})})
      if (option.names().contains(name)) canonical = option.names().back();
    if (seen.contains(canonical))
      return QStringLiteral("a(z) %1 kapcsoló többször szerepel").arg(typedOption(arguments, name));
    seen << canonical;
    const QStringList values = parser.values(name);
    for (const QString& value : values)
      if (value.isEmpty()) return QStringLiteral("üres a(z) %1 értéke").arg(typedOption(arguments, name));
  }
  if (asksForExport(parser)) {
    for (const char* qt : kQtOptionsWithValue)
      if (parser.isSet(QString::fromLatin1(qt)))
        return QStringLiteral("a(z) %1 a Qt ablakos kapcsolója, képkiírás mellett nem adható meg")
            .arg(typedOption(arguments, QString::fromLatin1(qt)));
    for (const char* qt : kQtFlags)
      if (parser.isSet(QString::fromLatin1(qt)))
        return QStringLiteral("a(z) %1 a Qt ablakos kapcsolója, képkiírás mellett nem adható meg")
            .arg(typedOption(arguments, QString::fromLatin1(qt)));
  }
  return {};
}

// Why the parser refused the line, naming the option as typed.
QString parseProblem(const QCommandLineParser& parser, const QStringList& arguments) {
  const QStringList unknown = parser.unknownOptionNames();
  if (!unknown.isEmpty()) {
    QStringList typed;
    for (const QString& name : unknown) typed << typedOption(arguments, name);
    return (typed.size() == 1 ? QStringLiteral("ismeretlen kapcsoló: %1") : QStringLiteral("ismeretlen kapcsolók: %1"))
        .arg(typed.join(QStringLiteral(", ")));
  }
  return parser.errorText();
}

}  // namespace

std::optional<int> runCommandLine(const QStringList& arguments, StartRequest& start) {
  ParserTexts texts;
  QCoreApplication::installTranslator(&texts);
  struct Uninstall {
    QTranslator* t;
    ~Uninstall() { QCoreApplication::removeTranslator(t); }
  } uninstall{&texts};

  QCommandLineParser parser;
  addProgramOptions(parser);
  if (!parser.parse(arguments)) return usageError(parseProblem(parser, arguments));
  if (const QString problem = lineProblem(parser, arguments); !problem.isEmpty()) return usageError(problem);
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
  // The name keeps its bytes (see platform::argumentText).
  start.setFile = files.isEmpty() ? QString() : QDir::cleanPath(QDir::current().absoluteFilePath(files.front()));
  return std::nullopt;
}

}  // namespace graf::ui

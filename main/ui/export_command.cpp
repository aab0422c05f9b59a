#include "main/ui/export_command.h"

#include <QDir>
#include <QFileInfo>
#include <iostream>

#include "main/set_export.h"
#include "main/ui/picture_file.h"
#include "platform/clock_store.h"
#include "platform/set_files.h"
#include "platform/settings_store.h"
#include "platform/user_folder.h"

namespace graf::ui {

namespace {

const QString kExportOption = QStringLiteral("export");
const QString kExportDirOption = QStringLiteral("export-dir");
constexpr int kUsageError = 2;

// The files of the export commands: the program's own whole-file reading
// and replacing writes.
class ExportFileSystem : public ExportFiles {
 public:
  SetFilePort& setFiles() override { return sets_; }
  bool writePicture(const std::string& path, PictureFormat format, const Raster& picture,
                    std::string& reason) override {
    QString why;
    if (writePictureFile(QString::fromStdString(path), format, picture, &why)) return true;
    reason = why.toStdString();
    return false;
  }
  bool makeFolder(const std::string& path, std::string& reason) override {
    const QString folder = QString::fromStdString(path);
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
      reason = "nem mappa";
      return false;
    }
    if (!QDir().mkpath(folder)) {
      reason = "nem hozható létre";
      return false;
    }
    return true;
  }
  std::string inFolder(const std::string& folder, const std::string& name) override {
    return QDir::toNativeSeparators(QDir(QString::fromStdString(folder)).filePath(QString::fromStdString(name)))
        .toStdString();
  }

 private:
  ::platform::SetFileSystem sets_;
};

// The state of the program right after its start in the current folder: the
// colours and the step of its settings file, the step chosen by the stored
// clock. What the start would say about a damaged settings file goes to
// standard error; its defaults apply all the same.
//
// With --user-folder the program starts in its own folder, so the settings
// file is read there; the files named on the line still count from the
// folder the command was given in.
PlotState startState(bool inUserFolder) {
  const QString here = QDir::currentPath();
  QString problem;
  if (inUserFolder && !::platform::enterUserFolder(&problem))
    std::cerr << problem.toStdString() << '\n';  // as the windows do, the current folder serves
  ::platform::SettingsFileStore settingsFile;
  std::vector<std::string> notes;
  const PlotState st = pictureStartState(settingsFile, platform::SettingsClockStore(), notes);
  for (const std::string& note : notes) std::cerr << note << '\n';
  QDir::setCurrent(here);
  return st;
}

int usageError(const QString& text) {
  std::cerr << "grafolin: " << text.toStdString() << '\n';
  return kUsageError;
}

std::vector<std::string> toStrings(const QStringList& list) {
  std::vector<std::string> out;
  for (const QString& s : list) out.push_back(s.toStdString());
  return out;
}

}  // namespace

void addExportOptions(QCommandLineParser& parser) {
  parser.addOption(QCommandLineOption(
      kExportOption,
      QStringLiteral("Ablak nélkül kiírja a HALMAZ.fv függvényhalmaz képét (393 × 321 képpont) a KÉP fájlba, "
                     "ahogy a program a halmaz betöltése után mutatja: \".bmp\" végű névre 24 bites bitképként, "
                     "\".png\" végűre PNG-ként. Kijelző nem kell hozzá."),
      QStringLiteral("KÉP")));
  parser.addOption(QCommandLineOption(
      kExportDirOption,
      QStringLiteral("Ablak nélkül kiírja minden megadott halmaz képét a MAPPA mappába NÉV.png néven (a halmaz "
                     "fájlneve \".png\" végződéssel); fájlonként egy sorban jelzi, mi készült el és mi nem, miért."),
      QStringLiteral("MAPPA")));
  parser.addPositionalArgument(
      QStringLiteral("HALMAZ.fv"),
      QStringLiteral("Függvényhalmaz-fájl. Ablakos indításnál (egyetlen fájl) az indulás után betöltődik, "
                     "ahogy a „Tölt” gomb tölti be. Képkiírásnál a színek és a mintavételi lépés a jelenlegi "
                     "mappa (--user-folder mellett a program saját mappája) beallit.ini fájljából jönnek, mint a "
                     "program indulásakor. Ha ott az optimalizálás be "
                     "van kapcsolva (vagy nincs beállításfájl), a lépést a felhasználónál tárolt processzor-órajel "
                     "választja (500 MHz alatt 1.0, 1500 MHz alatt 0.5, attól 0.1); ha még nincs mért órajel, a "
                     "lépés 0.1. Órajelmérés és nyitókép nincs."),
      QStringLiteral("[HALMAZ.fv…]"));
}

std::optional<int> runExportCommand(const QCommandLineParser& parser) {
  const bool single = parser.isSet(kExportOption);
  const bool folder = parser.isSet(kExportDirOption);
  if (!single && !folder) return std::nullopt;
  if (single && folder) return usageError(QStringLiteral("az --export és az --export-dir együtt nem adható meg"));
  const QStringList sets = parser.positionalArguments();
  if (sets.isEmpty()) return usageError(QStringLiteral("nincs megadva függvényhalmaz-fájl"));

  const PlotState start = startState(parser.isSet(QStringLiteral("user-folder")));
  ExportFileSystem files;
  if (single) {
    if (sets.size() != 1)
      return usageError(QStringLiteral("az --export egyetlen függvényhalmaz-fájl képét írja ki"));
    return exportPicture(start, files, parser.value(kExportOption).toStdString(), sets.front().toStdString(),
                         std::cerr);
  }
  return exportFolder(start, files, parser.value(kExportDirOption).toStdString(), toStrings(sets), std::cout,
                      std::cerr);
}

}  // namespace graf::ui

// SPDX-License-Identifier: MIT
#include "export/ui/export_command.h"

#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <iostream>
#include <memory>
#include <utility>

#include "export/set_export.h"
#include "picture/ui/picture_file.h"
#include "picture/ui/raster_text.h"
#include "picture/ui/vector_picture.h"
#include "platform/clock_store.h"
#include "platform/files.h"
#include "platform/set_files.h"
#include "platform/settings_store.h"
#include "platform/user_folder.h"
#include "plot/numtext.h"

namespace graf::ui {

namespace {

const QString kExportOption = QStringLiteral("export");
const QString kExportDirOption = QStringLiteral("export-dir");
const QString kZoomOption = QStringLiteral("zoom");
const QString kPanOption = QStringLiteral("pan");
const QString kNumbersOption = QStringLiteral("numbers");
const QString kScaleOption = QStringLiteral("scale");

// The files of the export commands: the program's own whole-file reading
// and replacing writes. Paths are the system's bytes as the command line gave
// them (see platform::argumentText), never looked up or re-encoded.
class ExportFileSystem : public ExportFiles {
 public:
  SetFilePort& setFiles() override { return sets_; }
  bool writePicture(const std::string& path, PictureFormat format, const Raster& picture, int scale,
                    std::string& reason) override {
    const QByteArray data = encodePicture(picture, format, scale);
    if (data.isEmpty()) {
      reason = "a képet nem sikerült elkészíteni";
      return false;
    }
    return written(platform::writeWholeFileNative(QByteArray::fromStdString(path), data, &why_), reason);
  }
  bool writeDrawing(const std::string& path, PictureFormat format, const PictureDrawing& drawing,
                    std::string& reason) override {
    const QByteArray data = encodeDrawing(drawing, format);
    if (data.isEmpty()) {
      reason = "a rajzot nem sikerült elkészíteni";
      return false;
    }
    return written(platform::writeWholeFileNative(QByteArray::fromStdString(path), data, &why_), reason);
  }
  bool stagePicture(std::size_t ticket, const std::string& path, PictureFormat format, const Raster& picture, int scale,
                    std::string& reason) override {
    const QByteArray data = encodePicture(picture, format, scale);
    if (data.isEmpty()) {
      reason = "a képet nem sikerült elkészíteni";
      return false;
    }
    QString why;
    if (batch_.add(ticket, QByteArray::fromStdString(path), data, &why)) return true;
    reason = why.toStdString();
    return false;
  }
  std::vector<std::pair<std::size_t, std::string>> commitPictures() override {
    std::vector<std::pair<std::size_t, std::string>> out;
    for (const auto& [ticket, why] : batch_.commit()) out.emplace_back(ticket, why.toStdString());
    return out;
  }
  bool makeFolder(const std::string& path, std::string& reason) override {
    QString why;
    if (platform::makeFoldersNative(QByteArray::fromStdString(path), &made_, &why)) return true;
    reason = why.toStdString();
    return false;
  }
  void removeMadeFolders() override { platform::removeEmptyFoldersNative(std::exchange(made_, {})); }
  std::string inFolder(const std::string& folder, const std::string& name) override {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
  }
  std::string shownPath(const std::string& path) override { return platform::escapedFileName(path); }

 private:
  // Single-threaded callers only (one export): the reason of the last write.
  bool written(bool ok, std::string& reason) {
    if (!ok) reason = why_.toStdString();
    return ok;
  }
  QString why_;
  graf::platform::SetFileSystem sets_;
  platform::FileBatch batch_;
  std::vector<QByteArray> made_;
};

// Progress of a folder of pictures on a terminal's error output: done/total
// and the set last finished, on one line rewritten in place, at most a few
// times a second.
class TerminalProgress : public ExportProgress {
 public:
  void show(std::size_t done, std::size_t total, const std::string& current) override {
    const auto now = std::chrono::steady_clock::now();
    if (shown_ && done < total && now - last_ < std::chrono::milliseconds(200)) return;
    last_ = now;
    shown_ = true;
    std::cerr << "\r\x1b[K" << done << "/" << total << " " << current << std::flush;
  }
  void clear() override {
    if (!shown_) return;
    shown_ = false;
    std::cerr << "\r\x1b[K" << std::flush;
  }

 private:
  bool shown_ = false;
  std::chrono::steady_clock::time_point last_{};
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
  if (inUserFolder && !graf::platform::enterUserFolder(&problem))
    std::cerr << kProgramPrefix << problem.toStdString() << '\n';  // as the windows do, the current folder serves
  graf::platform::SettingsFileStore settingsFile;
  std::vector<std::string> notes;
  const PlotState st = pictureStartState(settingsFile, platform::SettingsClockStore(), notes);
  for (const std::string& note : notes) std::cerr << kProgramPrefix << note << '\n';
  QDir::setCurrent(here);
  return st;
}

// The system's bytes of names given on the line.
std::string bytesOf(const QString& argument) { return platform::argumentBytes(argument).toStdString(); }

std::vector<std::string> bytesOf(const QStringList& list) {
  std::vector<std::string> out;
  for (const QString& s : list) out.push_back(bytesOf(s));
  return out;
}

// A whole number on the command line, read as every whole number the
// program reads, or nothing.
std::optional<int> wholeNumber(const QString& text) {
  return parseWholeNumber(text.toStdString());
}

// The view asked for on the line, or the usage error that refuses it.
std::optional<ExportView> viewOnLine(const QCommandLineParser& parser, QString& problem) {
  ExportView view;
  if (parser.isSet(kZoomOption)) {
    const QString text = parser.value(kZoomOption);
    const std::optional<int> zoom = wholeNumber(text);
    if (!zoom) {
      problem = QStringLiteral("--zoom: a nagyítás 1, 2, 4 vagy 8 lehet, nem „%1”").arg(text);
      return std::nullopt;
    }
    view.zoom = *zoom;
  }
  if (parser.isSet(kPanOption)) {
    const QString text = parser.value(kPanOption);
    const QStringList parts = text.split(QLatin1Char(','));
    const std::optional<int> right = parts.size() == 2 ? wholeNumber(parts[0]) : std::nullopt;
    const std::optional<int> up = parts.size() == 2 ? wholeNumber(parts[1]) : std::nullopt;
    if (!right || !up) {
      problem = QStringLiteral("--pan: JOBBRA,FEL alakú két egész kell (például 2,-1), nem „%1”").arg(text);
      return std::nullopt;
    }
    view.right = *right;
    view.up = *up;
  }
  if (parser.isSet(kScaleOption)) {
    const QString text = parser.value(kScaleOption);
    const std::optional<int> scale = wholeNumber(text);
    if (!scale) {
      problem = QStringLiteral("--scale: a méretezés 1 és %1 közötti egész lehet, nem „%2”").arg(kMaxScale).arg(text);
      return std::nullopt;
    }
    view.scale = *scale;
  }
  view.numbers = parser.isSet(kNumbersOption);
  const std::string wrong = viewProblem(view);
  if (!wrong.empty()) {
    problem = QString::fromStdString(wrong);
    return std::nullopt;
  }
  return view;
}

}  // namespace

void addExportOptions(QCommandLineParser& parser) {
  parser.addOption(QCommandLineOption(
      kExportOption,
      QStringLiteral("Ablak nélkül kiírja a HALMAZ.fv függvényhalmaz képét (393 × 321 képpont) a KÉP fájlba, "
                     "ahogy a program a halmaz betöltése után mutatja: \".bmp\" végű névre 24 bites bitképként, "
                     "\".png\" végűre PNG-ként, \".svg\" végűre SVG-rajzként, \".pdf\" végűre egyoldalas "
                     "PDF-ként (A4, a kép 18 cm széles, középen). Az SVG és a PDF vonalakból és szövegekből áll: "
                     "a rács, a tengelyek, a számozás és minden görbe a kép mintavételi pontjain át, "
                     "tetszőleges nagyításban éles. Kijelző nem kell hozzá. "
                     "Például: grafolin --export lap.svg --zoom 4 --numbers parabola.fv"),
      QStringLiteral("KÉP")));
  parser.addOption(QCommandLineOption(
      kExportDirOption,
      QStringLiteral("Ablak nélkül kiírja minden megadott halmaz képét a MAPPA mappába NÉV.png néven (a halmaz "
                     "fájlneve \".png\" végződéssel); fájlonként egy sorban jelzi, mi készült el és mi nem, miért."),
      QStringLiteral("MAPPA")));
  parser.addOption(QCommandLineOption(
      kZoomOption,
      QStringLiteral("A kiírt kép nagyítása: 1, 2, 4 vagy 8, ahogy a nagyítás gomb lépteti (alapból 1). "
                     "Például: grafolin --export lap.png --zoom 4 --numbers parabola.fv"),
      QStringLiteral("N")));
  parser.addOption(QCommandLineOption(
      kPanOption,
      QStringLiteral("A kiírt kép eltolása az eltolás gombok lépéseiben: JOBBRA lépés jobbra (negatív: balra, "
                     "legfeljebb 5), FEL lépés felfelé (negatív: lefelé). Például: --pan 2,-1"),
      QStringLiteral("JOBBRA,FEL")));
  parser.addOption(QCommandLineOption(
      kNumbersOption, QStringLiteral("A kiírt képen a tengelyek számozása, ahogy a „123” gomb rajzolja.")));
  parser.addOption(QCommandLineOption(
      kScaleOption,
      QStringLiteral("A kiírt kép minden képpontja N × N képpont (1–8, alapból 1), simítás nélkül: nyomtatáshoz. "
                     "Csak bitképhez és PNG-hez. "
                     "Például: grafolin --export lap.png --zoom 4 --numbers --scale 4 parabola.fv"),
      QStringLiteral("N")));
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

bool asksForExport(const QCommandLineParser& parser) {
  return parser.isSet(kExportOption) || parser.isSet(kExportDirOption);
}

int usageError(const QString& text) {
  std::cerr << kProgramPrefix << text.toStdString() << "\nA kapcsolók leírása: grafolin --help\n";
  return kUsageError;
}

std::optional<int> runExportCommand(const QCommandLineParser& parser) {
  const bool single = parser.isSet(kExportOption);
  const bool folder = parser.isSet(kExportDirOption);
  if (!single && !folder) {
    for (const QString& option : {kZoomOption, kPanOption, kNumbersOption, kScaleOption})
      if (parser.isSet(option))
        return usageError(QStringLiteral("a --%1 csak az --export vagy az --export-dir mellett adható meg").arg(option));
    return std::nullopt;
  }
  if (single && folder) return usageError(QStringLiteral("az --export és az --export-dir együtt nem adható meg"));
  const QStringList sets = parser.positionalArguments();
  if (sets.isEmpty()) return usageError(QStringLiteral("nincs megadva függvényhalmaz-fájl"));

  if (single && sets.size() != 1)
    return usageError(QStringLiteral("az --export egyetlen függvényhalmaz-fájl képét írja ki"));
  QString problem;
  std::optional<ExportView> view = viewOnLine(parser, problem);
  if (!view) return usageError(problem);
  if (single) {
    const std::string picture = bytesOf(parser.value(kExportOption));
    const std::optional<PictureFormat> format = pictureFormatFor(picture);
    if (!format)
      return usageError(
          QString::fromStdString(platform::escapedFileName(picture) + ": " + std::string(kPictureNameRule)));
    if (isDrawingFormat(*format) && parser.isSet(kScaleOption))
      return usageError(QStringLiteral("a --scale csak bitképhez és PNG-képhez adható meg: az SVG és a PDF "
                                       "rajz mérete tetszőlegesen nagyítható"));
  }

  const PlotState start = startState(parser.isSet(QStringLiteral("user-folder")));
  ExportFileSystem files;
  if (single) {
    std::unique_ptr<RasterTextRenderer> text;
    if (view->numbers) {
      text = std::make_unique<RasterTextRenderer>();
      view->text = text.get();
    }
    return exportPicture(start, files, bytesOf(parser.value(kExportOption)), bytesOf(sets.front()), std::cerr, *view);
  }
  std::optional<TerminalProgress> progress;
  if (platform::isTerminal(2)) progress.emplace();
  return exportFolder(
      start, files, bytesOf(parser.value(kExportDirOption)), bytesOf(sets), std::cout, std::cerr, *view, 0,
      [] { return std::make_unique<RasterTextRenderer>(); }, progress ? &*progress : nullptr);
}

}  // namespace graf::ui

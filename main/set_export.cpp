#include "main/set_export.h"

#include <set>

#include "functionsets/load_save.h"
#include "main/no_windows.h"
#include "plot/commands.h"
#include "settings/settings_file.h"
#include "startup/clock.h"
#include "startup/startup.h"

namespace graf {

namespace {

// The main window as the settings reader sees it, in a program without one:
// there are no swatches to paint, no list to show and no plot to redraw, and
// the reader's warnings are collected.
class NoSettingsWindows : public SettingsMainPort, public Notifier {
 public:
  std::vector<std::string> messages;
  void setSwatchColors(Color, Color, Color, Color) override {}
  void setFunctionListShown(bool) override {}
  void runPlotCommand() override {}
  void beep() override {}
  void message(MessageType, const std::string& text) override { messages.push_back(text); }
};

// The load's message boxes, as one note: "Information: text" shows as "text".
std::string notesOf(const SetPicture& shown) {
  std::string notes;
  for (const std::string& m : shown.messages) {
    const std::size_t colon = m.find(": ");
    if (!notes.empty()) notes += "; ";
    notes += colon == std::string::npos ? m : m.substr(colon + 2);
  }
  return notes;
}

// Loads one set and renders it. False with the reason when the set is refused.
bool renderSet(const PlotState& start, ExportFiles& files, const std::string& setPath, Raster& picture,
               std::string& notes, std::string& reason) {
  std::vector<std::uint8_t> bytes;
  if (!files.setFiles().read(setPath, kFunctionSetSize, bytes, reason)) {
    reason = "nem olvasható: " + reason;
    return false;
  }
  const SetPicture shown = pictureOfSet(start, bytes, picture);
  if (!shown.loaded) {
    reason = notesOf(shown);
    return false;
  }
  notes = notesOf(shown);
  return true;
}

}  // namespace

void chooseStepFromStoredClock(Settings& settings, const ClockStore& store) {
  const std::int32_t mhz = clockFromStoredText(store.readText(kClockValueName));
  if (mhz != 0)
    applyClockRule(settings, mhz);
  else if (settings.OptimizeOn)
    settings.SampleStep = 0.1;
}

PlotState pictureStartState(SettingsFilePort& settingsFile, const ClockStore& clock,
                            std::vector<std::string>& notes) {
  PlotState st;
  NoSettingsWindows windows;
  ReadSettingsFile(st, SettingsPorts{settingsFile, windows, windows});
  chooseStepFromStoredClock(st.settings, clock);
  notes.insert(notes.end(), windows.messages.begin(), windows.messages.end());
  return st;
}

SetPicture pictureOfSet(const PlotState& start, const std::vector<std::uint8_t>& bytes, Raster& picture) {
  PlotState state = start;
  Raster shown;
  NoWindows windows;
  Commands cmd(state, shown, Ports{windows, windows, windows, windows});
  SetPicture result;
  cmd.loadSession().beginAttempt();
  result.loaded = loadFunctionSet(cmd, windows, bytes);
  result.messages = windows.messages;
  if (result.loaded) picture = shown;
  return result;
}

std::string pictureNameForSet(std::string_view setPath) {
  std::string_view name = setPath;
  const std::size_t slash = name.find_last_of('/');
  if (slash != std::string_view::npos) name = name.substr(slash + 1);
  if (endsWithNoCase(name, ".fv") && name.size() > 3) name.remove_suffix(3);
  return std::string(name) + ".png";
}

int exportPicture(const PlotState& start, ExportFiles& files, const std::string& picturePath,
                  const std::string& setPath, std::ostream& err) {
  const std::optional<PictureFormat> format = pictureFormatFor(picturePath);
  if (!format) {
    err << picturePath << ": a kép neve \".bmp\" vagy \".png\" végű legyen\n";
    return kExportRefused;
  }
  Raster picture;
  std::string notes, reason;
  if (!renderSet(start, files, setPath, picture, notes, reason)) {
    err << setPath << ": " << reason << '\n';
    return kExportRefused;
  }
  if (!notes.empty()) err << setPath << ": " << notes << '\n';
  if (!files.writePicture(picturePath, *format, picture, reason)) {
    err << picturePath << ": a kép nem írható: " << reason << '\n';
    return kExportRefused;
  }
  return kExportDone;
}

int exportFolder(const PlotState& start, ExportFiles& files, const std::string& folder,
                 const std::vector<std::string>& setPaths, std::ostream& out, std::ostream& err) {
  bool anyRefused = false;
  bool folderReady = false;
  std::string folderReason;
  std::set<std::string> written;  // names of the pictures written in this run
  for (const std::string& setPath : setPaths) {
    const std::string name = pictureNameForSet(setPath);
    const std::string picturePath = files.inFolder(folder, name);
    const auto refuse = [&](const std::string& why) {
      err << setPath << ": elutasítva: " << why << '\n';
      anyRefused = true;
    };
    // Two sets of the same name (from two folders) would write one picture:
    // the later one never replaces what the earlier one wrote.
    if (written.count(name)) {
      refuse("a(z) " + picturePath + " képet már egy korábbi halmaz írta ebben a futásban");
      continue;
    }
    Raster picture;
    std::string notes, reason;
    if (!renderSet(start, files, setPath, picture, notes, reason)) {
      refuse(reason);
      continue;
    }
    if (!folderReady && folderReason.empty()) {
      folderReady = files.makeFolder(folder, folderReason);
      if (!folderReady && folderReason.empty()) folderReason = "ismeretlen hiba";
    }
    if (!folderReady) {
      refuse("a(z) " + folder + " mappa nem használható: " + folderReason);
      continue;
    }
    if (!files.writePicture(picturePath, PictureFormat::Png, picture, reason)) {
      refuse("a(z) " + picturePath + " kép nem írható: " + reason);
      continue;
    }
    written.insert(name);
    out << setPath << ": kiírva: " << picturePath;
    if (!notes.empty()) out << " (" << notes << ")";
    out << '\n';
  }
  return anyRefused ? kExportRefused : kExportDone;
}

}  // namespace graf

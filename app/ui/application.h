// SPDX-License-Identifier: MIT
#pragma once
// The program as a whole: the shared plot state and picture, the commands,
// and the twelve windows, created once at start and alive until the main
// window closes. A QApplication must exist before this is made.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <QTranslator>
#include <memory>
#include <vector>

#include "functionsets/load_session.h"
#include "picture/ui/raster_text.h"
#include "platform/message_box.h"
#include "platform/set_files.h"
#include "plot/commands.h"
#include "plot/plot_state.h"
#include "plot/raster.h"
#include "startup/ports.h"
#include "startup/startup.h"
#include "settings/settings_file.h"

class QWidget;

namespace graf {
class InformationWindows;
}

namespace graf::platform {
class SettingsFileStore;
}

namespace graf::ui {

class KeyboardRules;
class LoadWindows;
class StartupWindows;
class TForm9;
class Tbeallitasablak;
class Tbetoltesablak;
class Tegyezoszinekablak;
class Telsofuttatasablak;
class Textraablak;
class Tfelulbiralasablak;
class Tfoablak;
class Tfuggvenyablak;
class Tinduloablak;
class Tsugoablak;
class Ttoltmentablak;

// Where the clock is kept and how it is measured; the program's own store
// and cycle counter where a test gives none.
struct ClockPlatform {
  ClockStore* store = nullptr;
  ClockMeter* meter = nullptr;
};

class GrafolinApp : public QObject {
  Q_OBJECT
 public:
  explicit GrafolinApp(ClockPlatform clockPlatform = {});
  ~GrafolinApp() override;

  PlotState& state() { return state_; }
  SettingsState& settingsState() { return settingsState_; }
  Raster& picture() { return picture_; }
  Commands& commands() { return commands_; }
  platform::MessageBoxNotifier& notifier() { return notifier_; }
  ClockState& clock() { return clock_; }
  Startup& startup() { return *startup_; }
  ClockCommands& clockCommands() { return *clockCommands_; }

  Tfoablak& mainWindow() { return *foablak_; }
  Tsugoablak& helpWindow() { return *sugoablak_; }
  Textraablak& notesWindow() { return *extraablak_; }
  Tinduloablak& splashWindow() { return *induloablak_; }
  Tbeallitasablak& settingsWindow() { return *beallitasablak_; }
  Ttoltmentablak& saveLoadWindow() { return *toltmentablak_; }
  Tbetoltesablak& progressWindow() { return *betoltesablak_; }
  Tfuggvenyablak& functionListWindow() { return *fuggvenyablak_; }
  TForm9& quickViewWindow() { return *form9_; }
  Telsofuttatasablak& firstRunWindow() { return *elsofuttatasablak_; }
  Tfelulbiralasablak& clockOverrideWindow() { return *felulbiralasablak_; }
  Tegyezoszinekablak& matchingColoursWindow() { return *egyezoszinekablak_; }

  // Where "Súgó" of a context menu and "Képes súgó" go; tests replace it. By default the
  // help viewer opens the help file at the topic.
  std::function<void(const QString&)> helpHook;

  // Reads "beallit.ini" into the settings (the first step of the start-up).
  void readSettingsFile();
  // A function-set file to load once the main window is the user's (the
  // set named on the command line); empty for none.
  void setStartFile(const QString& path) { startFile_ = path; }
  // The end of the start-up: the main window is handed to the user. The
  // start file, if any, is loaded now, as "Tölt" loads a set.
  void mainWindowHandedOver();

  // The twelve windows in the order the program numbers them, the main
  // window first.
  std::vector<QWidget*> windows() const;

 public slots:
  // The settings window's clock controls. "Új processzorom van" (Button8):
  // measures the clock again and stores it; the clock of this run, and the
  // settings window's clock label, stay as they are until the next start.
  void remeasureClock();
  // A double-click on the settings window's clock label (Label48): shows the
  // clock-override window, which dims and disables the settings window.
  void openClockOverride();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A tick of the splash's timer: a start-up attempt.
  void startupAttemptDue();
  void openHelp(const QString& topic);
  class MainSettingsPort;
  SettingsPorts settingsPorts();

  PlotState state_;
  SettingsState settingsState_;
  Raster picture_;
  platform::MessageBoxNotifier notifier_;
  LoadSession loadSession_;
  Commands commands_;
  RasterTextRenderer textRenderer_;
  graf::platform::SetFileSystem setFiles_;

  // The start-up and the processor clock.
  ClockState clock_;
  std::unique_ptr<QTranslator> qtTranslator_;
  // Return on a focused button, and the focus back to the window beneath.
  std::unique_ptr<KeyboardRules> keyboardRules_;
  std::unique_ptr<ClockStore> ownStore_;
  std::unique_ptr<ClockMeter> ownMeter_;
  std::unique_ptr<SettingsReader> settingsReader_;
  std::unique_ptr<StartupWindows> startupWindows_;
  std::unique_ptr<Startup> startup_;
  std::unique_ptr<ClockCommands> clockCommands_;
  // The help window and its notes window together; it outlives both.
  std::unique_ptr<graf::InformationWindows> information_;

  std::unique_ptr<Tfoablak> foablak_;
  std::unique_ptr<Tsugoablak> sugoablak_;
  std::unique_ptr<Textraablak> extraablak_;
  std::unique_ptr<Tinduloablak> induloablak_;
  std::unique_ptr<Tbeallitasablak> beallitasablak_;
  std::unique_ptr<Ttoltmentablak> toltmentablak_;
  std::unique_ptr<Tbetoltesablak> betoltesablak_;
  std::unique_ptr<Tfuggvenyablak> fuggvenyablak_;
  std::unique_ptr<TForm9> form9_;
  std::unique_ptr<Telsofuttatasablak> elsofuttatasablak_;
  std::unique_ptr<Tfelulbiralasablak> felulbiralasablak_;
  std::unique_ptr<Tegyezoszinekablak> egyezoszinekablak_;
  std::unique_ptr<LoadWindows> loadWindows_;
  std::unique_ptr<graf::platform::SettingsFileStore> settingsFile_;
  std::unique_ptr<MainSettingsPort> mainSettingsPort_;
  QString startFile_;
  // The hint in the main window's first status panel and the control it
  // belongs to, which the hint leaves with.
  QPointer<QWidget> hintControl_;
  QString shownHint_;
  const QEvent* lastHintEvent_ = nullptr;
};

}  // namespace graf::ui

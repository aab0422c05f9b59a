// SPDX-License-Identifier: MIT
#pragma once
// Reading the settings file at start-up and writing it when the main window
// is activated after the settings window has accepted new values. The file
// system and the main window are reached through small ports.
#include <cstdint>
#include <optional>
#include <string>

#include "plot/plot_state.h"
#include "plot/ports.h"
#include "settings/settings_state.h"

namespace graf {

// The name of the settings file, in the process's current folder.
inline constexpr const char* SettingsFileName = "beallit.ini";

// What reading the settings file found.
struct SettingsFileContent {
  enum class Outcome {
    Missing,  // there is no such file
    Refused,  // it is there but cannot be read as a file (no access, a folder, a pipe, ...)
    Opened,   // it was read
  };
  Outcome outcome = Outcome::Missing;
  std::uint64_t size = 0;                     // Opened: the file's size in bytes
  std::optional<SettingsRecord> lastRecord;   // Opened: its last whole record, if any
  std::string reason;                         // Refused: why, in Hungarian
};

class SettingsFilePort {
 public:
  virtual ~SettingsFilePort() = default;
  // The file as messages name it.
  virtual std::string displayName() const = 0;
  // Makes the file writable, reads its last whole record (nothing else) and
  // makes it read-only again.
  virtual SettingsFileContent read() = 0;
  // Replaces the file by one that holds only this record and leaves it
  // read-only. On failure the old file is kept whole and the reason is given.
  virtual bool write(const SettingsRecord& record, std::string& reason) = 0;
};

// What the settings need of the main window.
class SettingsMainPort {
 public:
  virtual ~SettingsMainPort() = default;
  // The four colour swatches beside the kind options.
  virtual void setSwatchColors(Color linear, Color quadratic, Color quadratic2, Color absolute) = 0;
  // Shows or hides the function list window; hiding also unchecks
  // "Függvényablak mutatása".
  virtual void setFunctionListShown(bool shown) = 0;
  // Runs the plot command as a click on "Mutasd a függvényt!" does.
  virtual void runPlotCommand() = 0;
};

struct SettingsPorts {
  SettingsFilePort& file;
  SettingsMainPort& main;
  Notifier& notifier;
};

// Reads "beallit.ini" into the settings. A missing file gives the defaults
// silently; a file that cannot be read gives the defaults and a warning; a
// damaged record gives, field by field, the default of each damaged setting
// (the step in force for the step) and a warning. Warnings come once per run,
// since the start-up may read the file several times.
void ReadSettingsFile(PlotState& st, SettingsState& ss, SettingsPorts ports);

// The main window's activation: copies the colours in force into the quick
// view's colours and, after an accepted change, applies the settings, replots
// when a plot is shown and writes the file. A failed write is reported with
// the file and the reason; the settings stay marked as changed, and a later
// activation (not the one that closing the error box brings) tries again.
void MainWindowActivate(PlotState& st, SettingsState& ss, SettingsPorts ports);

}  // namespace graf

// SPDX-License-Identifier: MIT
#include "settings/settings_file.h"

#include "settings/settings_record.h"

namespace graf {

namespace {

void paintSwatches(const PlotState& st, SettingsMainPort& main) {
  main.setSwatchColors(st.settings.ColorLinear, st.settings.ColorQuadratic, st.settings.ColorQuadratic2, st.settings.ColorAbsolute);
}

void report(const PlotState& st, SettingsState& ss, SettingsPorts ports, MessageType type, const std::string& text) {
  // Set first: a start-up attempt that runs again while the box is open
  // finds it set.
  ss.SettingsProblemReported = true;
  alert(ports.notifier, st.settings.SoundOn, type, text);
}

std::string quoted(const std::string& name) { return "„" + name + "”"; }

}  // namespace

void ReadSettingsFile(PlotState& st, SettingsState& ss, SettingsPorts ports) {
  const SettingsFileContent content = ports.file.read();
  if (content.outcome != SettingsFileContent::Outcome::Opened) {
    ss.SettingsFileFound = false;
    applyDefaults(st);
    if (content.outcome == SettingsFileContent::Outcome::Refused && !ss.SettingsProblemReported)
      report(st, ss, ports, MessageType::Warning,
             "A beállításokat tartalmazó fájl nem olvasható: " + quoted(ports.file.displayName()) + "\n" +
                 content.reason + "\nA program az alapértelmezett beállításokkal indul.");
    return;
  }

  ss.SettingsFileFound = true;
  if (content.lastRecord) ss.Record = *content.lastRecord;
  const std::vector<Setting> replaced = applyRecord(ss.Record, st);
  paintSwatches(st, ports.main);
  if (ss.SettingsProblemReported) return;

  const std::string head = "A beállításokat tartalmazó fájl hibás: " + quoted(ports.file.displayName()) + "\n";
  if (!content.lastRecord) {
    report(st, ss, ports, MessageType::Warning,
           head + "Rövidebb egy teljes rekordnál (" + std::to_string(content.size) + " bájt a " +
               std::to_string(SettingsRecordSize) +
               " helyett).\nA beállítások helyett az alapértelmezettek érvényesek.");
  } else if (!replaced.empty()) {
    std::string names;
    for (Setting f : replaced) names += (names.empty() ? "" : ", ") + std::string(rowOf(f).messageName);
    report(st, ss, ports, MessageType::Warning,
           head + "Hibás érték: " + names + ".\nEzek helyett az alapértelmezett értékek érvényesek.");
  }
}

void MainWindowActivate(PlotState& st, SettingsState& ss, SettingsPorts ports) {
  ss.MainWindowActivated = true;
  ss.quickView = {st.settings.ColorLinear, st.settings.ColorQuadratic, st.settings.ColorQuadratic2,
                  st.settings.ColorAbsolute, st.settings.ColorGrid};
  if (!ss.SettingsChanged) return;
  if (ss.SettingsWriteHeld) {
    ss.SettingsWriteHeld = false;
    return;
  }

  ports.main.setFunctionListShown(st.settings.FunctionWindowOn);
  paintSwatches(st, ports.main);
  fillRecord(st, ss.Record);
  if (st.flags.PlotShown) ports.main.runPlotCommand();

  std::string reason;
  if (!ports.file.write(ss.Record, reason)) {
    ss.SettingsWriteHeld = true;
    ports.notifier.message(MessageType::Error, "A beállítások nem menthetők ide: " +
                                                   quoted(ports.file.displayName()) + "\n" + reason);
    return;
  }
  ss.SettingsFileFound = true;
  ss.SettingsChanged = false;
}

}  // namespace graf

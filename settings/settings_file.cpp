#include "settings/settings_file.h"

#include "settings/settings_record.h"

namespace graf {

namespace {

void paintSwatches(const PlotState& st, SettingsMainPort& main) {
  main.setSwatchColors(st.settings.ColorLinear, st.settings.ColorQuadratic, st.settings.ColorQuadratic2, st.settings.ColorAbsolute);
}

void report(PlotState& st, SettingsPorts ports, MessageType type, const std::string& text) {
  // Set first: a start-up attempt that runs again while the box is open
  // finds it set.
  st.settings.SettingsProblemReported = true;
  if (st.settings.SoundOn) ports.notifier.beep();
  ports.notifier.message(type, text);
}

std::string quoted(const std::string& name) { return "„" + name + "”"; }

}  // namespace

void ReadSettingsFile(PlotState& st, SettingsPorts ports) {
  const SettingsFileContent content = ports.file.read();
  if (content.outcome != SettingsFileContent::Outcome::Opened) {
    st.settings.SettingsFileFound = false;
    applyDefaults(st);
    if (content.outcome == SettingsFileContent::Outcome::Refused && !st.settings.SettingsProblemReported)
      report(st, ports, MessageType::Warning,
             "A beállításokat tartalmazó fájl nem olvasható: " + quoted(ports.file.displayName()) + "\n" +
                 content.reason + "\nA program az alapértelmezett beállításokkal indul.");
    return;
  }

  st.settings.SettingsFileFound = true;
  if (content.lastRecord) st.settings.Record = *content.lastRecord;
  const std::vector<RecordField> replaced = applyRecord(st.settings.Record, st);
  paintSwatches(st, ports.main);
  if (st.settings.SettingsProblemReported) return;

  const std::string head = "A beállításokat tartalmazó fájl hibás: " + quoted(ports.file.displayName()) + "\n";
  if (!content.lastRecord) {
    report(st, ports, MessageType::Warning,
           head + "Rövidebb egy teljes rekordnál (" + std::to_string(content.size) + " bájt a " +
               std::to_string(SettingsRecordSize) +
               " helyett).\nA beállítások helyett az alapértelmezettek érvényesek.");
  } else if (!replaced.empty()) {
    std::string names;
    for (RecordField f : replaced) names += (names.empty() ? "" : ", ") + std::string(layoutOf(f).name);
    report(st, ports, MessageType::Warning,
           head + "Hibás érték: " + names + ".\nEzek helyett az alapértelmezett értékek érvényesek.");
  }
}

void MainWindowActivate(PlotState& st, SettingsPorts ports) {
  st.settings.MainWindowActivated = true;
  st.settings.PreviewColorLinear = st.settings.ColorLinear;
  st.settings.PreviewColorQuadratic = st.settings.ColorQuadratic;
  st.settings.PreviewColorQuadratic2 = st.settings.ColorQuadratic2;
  st.settings.PreviewColorAbsolute = st.settings.ColorAbsolute;
  st.settings.PreviewColorGrid = st.settings.ColorGrid;
  if (!st.settings.SettingsChanged) return;
  if (st.settings.SettingsWriteHeld) {
    st.settings.SettingsWriteHeld = false;
    return;
  }

  ports.main.setFunctionListShown(st.settings.FunctionWindowOn);
  paintSwatches(st, ports.main);
  fillRecord(st, st.settings.Record);
  if (st.flags.PlotShown) ports.main.runPlotCommand();

  std::string reason;
  if (!ports.file.write(st.settings.Record, reason)) {
    st.settings.SettingsWriteHeld = true;
    ports.notifier.message(MessageType::Error, "A beállítások nem menthetők ide: " +
                                                   quoted(ports.file.displayName()) + "\n" + reason);
    return;
  }
  st.settings.SettingsFileFound = true;
  st.settings.SettingsChanged = false;
}

}  // namespace graf

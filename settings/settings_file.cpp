#include "settings/settings_file.h"

#include "settings/settings_record.h"

namespace graf {

namespace {

void paintSwatches(const PlotState& st, SettingsMainPort& main) {
  main.setSwatchColors(st.ColorLinear, st.ColorQuadratic, st.ColorQuadratic2, st.ColorAbsolute);
}

void report(PlotState& st, SettingsPorts ports, MessageType type, const std::string& text) {
  // Set first: a start-up attempt that runs again while the box is open
  // finds it set.
  st.SettingsProblemReported = true;
  if (st.SoundOn == 1) ports.notifier.beep();
  ports.notifier.message(type, text);
}

std::string quoted(const std::string& name) { return "„" + name + "”"; }

}  // namespace

void ReadSettingsFile(PlotState& st, SettingsPorts ports) {
  const SettingsFileContent content = ports.file.read();
  if (content.outcome != SettingsFileContent::Outcome::Opened) {
    st.SettingsFileFound = 0;
    applyDefaults(st);
    if (content.outcome == SettingsFileContent::Outcome::Refused && !st.SettingsProblemReported)
      report(st, ports, MessageType::Warning,
             "A beállításokat tartalmazó fájl nem olvasható: " + quoted(ports.file.displayName()) + "\n" +
                 content.reason + "\nA program az alapértelmezett beállításokkal indul.");
    return;
  }

  st.SettingsFileFound = 1;
  if (content.lastRecord) st.Record = *content.lastRecord;
  const std::vector<RecordField> replaced = applyRecord(st.Record, st);
  paintSwatches(st, ports.main);
  if (st.SettingsProblemReported) return;

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
  st.MainWindowActivated = 1;
  st.PreviewColorLinear = st.ColorLinear;
  st.PreviewColorQuadratic = st.ColorQuadratic;
  st.PreviewColorQuadratic2 = st.ColorQuadratic2;
  st.PreviewColorAbsolute = st.ColorAbsolute;
  st.PreviewColorGrid = st.ColorGrid;
  if (st.SettingsChanged != 1) return;
  if (st.SettingsWriteHeld) {
    st.SettingsWriteHeld = false;
    return;
  }

  ports.main.setFunctionListShown(st.FunctionWindowOn == 1);
  paintSwatches(st, ports.main);
  fillRecord(st, st.Record);
  if (st.PlotShown == 1) ports.main.runPlotCommand();

  std::string reason;
  if (!ports.file.write(st.Record, reason)) {
    st.SettingsWriteHeld = true;
    ports.notifier.message(MessageType::Error, "A beállítások nem menthetők ide: " +
                                                   quoted(ports.file.displayName()) + "\n" + reason);
    return;
  }
  st.SettingsFileFound = 1;
  st.SettingsChanged = 0;
}

}  // namespace graf

#include "functionsets/load_save.h"

namespace graf {

std::string automaticSetFileName(const std::function<bool(const std::string&)>& exists) {
  for (int k = 1;; ++k) {
    std::string name = "fuggvenyek" + std::to_string(k) + ".fv";
    if (!exists(name)) return name;
  }
}

void beginLoadAttempt(PlotState& state) {
  state.load.ProgressStep = 0;
  state.load.ProgressPosition = 0;
}

void endLoadAttempt(const PlotState& state, SaveLoadPort& window) {
  window.setSaveEnabled(state.table.FunctionCount > 0);
}

bool loadFunctionSet(Commands& cmd, SaveLoadPort& window, const std::vector<std::uint8_t>& bytes) {
  PlotState& st = cmd.state();
  Ports& ui = cmd.ports();
  FunctionSet set;
  if (!decodeFunctionSet(bytes, set).ok()) {
    if (st.settings.SoundOn) ui.notifier.beep();
    cmd.showMessage(MessageType::Error, kDamagedSetMessage);
    return false;
  }

  window.showProgressWindow();
  ui.load.setProgressCaption("Betöltés...");
  cmd.clearAll();
  st.load.LoadMode = true;
  window.setLoadedComment(set.comment);
  ui.load.setLoadStatus("Betöltött függvények: " + set.countText);

  const int n = set.count;
  st.load.ProgressStep = static_cast<std::uint8_t>(50 / n);
  for (int i = 1; i <= n; ++i) {
    st.load.ProgressPosition = static_cast<std::uint8_t>(st.load.ProgressPosition + st.load.ProgressStep);
    ui.load.setProgressPosition(st.load.ProgressPosition);
    st.table.FunctionKind[i] = set.kind[i];
    st.table.CoefA[i] = set.a[i];
    st.table.CoefB[i] = set.b[i];
    // A first-degree function has no C: the table always holds 0 there, so
    // that the replot below finds the function in the fields equal to it.
    st.table.CoefC[i] = set.kind[i] == Kind::Linear ? 0.0 : set.c[i];
    ui.list.appendFunctionRow(i, st.table.FunctionKind[i], st.table.CoefA[i], st.table.CoefB[i], st.table.CoefC[i]);
    st.flags.ListedCount = i;
  }
  cmd.selectKind(set.kind[n]);
  st.table.FunctionCount = static_cast<std::uint8_t>(n);
  window.setAckAndDiscardEnabled();

  ui.main.setFieldText(Field::A, set.aText[n]);
  ui.main.setFieldText(Field::B, set.bText[n]);
  ui.main.setFieldText(Field::C, set.cText[n]);
  st.load.LoadPlotCount = 0;
  cmd.plotCommand();
  window.closeProgressWindow();
  return true;
}

}  // namespace graf

#include "functionsets/load_save.h"

#include "functionlist/function_row.h"

namespace graf {

std::string automaticSetFileName(const std::function<bool(const std::string&)>& exists) {
  for (int k = 1;; ++k) {
    std::string name = "fuggvenyek" + std::to_string(k) + ".fv";
    if (!exists(name)) return name;
  }
}

void beginLoadAttempt(PlotState& state) {
  state.ProgressStep = 0;
  state.ProgressPosition = 0;
}

void endLoadAttempt(const PlotState& state, SaveLoadPort& window) {
  window.setSaveEnabled(state.FunctionCount > 0);
}

bool loadFunctionSet(Commands& cmd, SaveLoadPort& window, const std::vector<std::uint8_t>& bytes) {
  PlotState& st = cmd.state();
  Ports& ui = cmd.ports();
  FunctionSet set;
  if (!decodeFunctionSet(bytes, set).ok()) {
    if (st.SoundOn == 1) ui.notifier.beep();
    ui.notifier.message(MessageType::Error, kDamagedSetMessage);
    return false;
  }

  window.showProgressWindow();
  ui.load.setProgressCaption("Betöltés...");
  cmd.clearAll();
  st.LoadMode = 1;
  window.setLoadedComment(set.comment);
  ui.load.setLoadStatus("Betöltött függvények: " + set.countText);

  const int n = set.count;
  st.ProgressStep = static_cast<std::uint8_t>(50 / n);
  for (int i = 1; i <= n; ++i) {
    st.ProgressPosition = static_cast<std::uint8_t>(st.ProgressPosition + st.ProgressStep);
    ui.load.setProgressPosition(st.ProgressPosition);
    st.FunctionKind[i] = set.kind[i];
    st.CoefA[i] = set.a[i];
    st.CoefB[i] = set.b[i];
    // A first-degree function has no C: the table always holds 0 there, so
    // that the replot below finds the function in the fields equal to it.
    st.CoefC[i] = set.kind[i] == Linear ? 0.0 : set.c[i];
    ui.list.appendRow(FunctionRow(i, st.FunctionKind[i], st.CoefA[i], st.CoefB[i], st.CoefC[i]));
    st.ListedCount = i;
  }
  cmd.selectKind(set.kind[n]);
  st.FunctionCount = static_cast<std::uint8_t>(n);
  window.setAckAndDiscardEnabled();

  ui.main.setFieldText(Field::A, set.aText[n]);
  ui.main.setFieldText(Field::B, set.bText[n]);
  ui.main.setFieldText(Field::C, set.cText[n]);
  st.LoadPlotCount = 0;
  cmd.plotCommand();
  window.closeProgressWindow();
  return true;
}

}  // namespace graf

// The sum of two listed functions and the trace of one.
#include <algorithm>
#include <string>

#include "functionlist/sum.h"
#include "plot/render.h"

namespace graf {

void sumOfRows(Commands& cmd, const std::vector<int>& selectedRows) {
  const PlotState& st = cmd.state();
  Raster& pic = cmd.picture();
  Ports& ui = cmd.ports();
  std::vector<int> rows = selectedRows;
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  const bool inTable = std::all_of(rows.begin(), rows.end(),
                                   [&](int r) { return r >= 0 && r < st.table.FunctionCount; });
  if (rows.size() != 2 || !inTable) {
    cmd.beepIfOn();
    cmd.showMessage(MessageType::Information, "Sajnos csak 2 függvény összegét tudom kiszámolni!");
    return;
  }
  cmd.recomputeViewCentre();
  std::string label = "Kiválasztott függvények: ";
  for (int r : rows) label += " " + std::to_string(r + 1) + " ";
  ui.list.setSelectionLabel(label);

  const int i = rows[0] + 1, j = rows[1] + 1;
  const Kind k1 = st.table.FunctionKind[i], k2 = st.table.FunctionKind[j];
  const double a1 = st.table.CoefA[i], b1 = st.table.CoefB[i], c1 = st.table.CoefC[i];
  const double a2 = st.table.CoefA[j], b2 = st.table.CoefB[j], c2 = st.table.CoefC[j];
  pic.setPenColor(st.settings.ColorSum);
  sampleCurve(st, pic, [&](double t) {
    return evaluate(k1, a1, b1, c1, t) + evaluate(k2, a2, b2, c2, t);
  });
  cmd.ports().main.pictureChanged();
}

void traceRow(Commands& cmd, int row) {
  const PlotState& st = cmd.state();
  Raster& pic = cmd.picture();
  if (row < 0 || row >= st.table.FunctionCount) return;
  cmd.plotCommand();
  const int n = row + 1;
  const Kind kind = st.table.FunctionKind[n];
  const double a = st.table.CoefA[n], b = st.table.CoefB[n], c = st.table.CoefC[n];
  pic.setPenColor(0);
  sampleCurve(st, pic, [&](double t) { return evaluate(kind, a, b, c, t); });
  cmd.ports().main.pictureChanged();
}

}  // namespace graf

// SPDX-License-Identifier: MIT
// The sum of two listed functions and the trace of one.
#include <algorithm>
#include <string>

#include "functionlist/sum.h"

namespace graf {

void sumOfRows(Commands& cmd, const std::vector<int>& selectedRows) {
  const PlotState& st = cmd.state();
  std::vector<int> rows = selectedRows;
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  const bool inTable = std::all_of(rows.begin(), rows.end(),
                                   [&](int r) { return r >= 0 && r < st.table.FunctionCount; });
  if (rows.size() != 2 || !inTable) {
    cmd.alert(MessageType::Information, "Sajnos csak 2 függvény összegét tudom kiszámolni!");
    return;
  }
  cmd.recomputeViewCentre();
  cmd.showSelection(rows);

  const int i = rows[0] + 1, j = rows[1] + 1;
  const Kind k1 = st.table.FunctionKind[i], k2 = st.table.FunctionKind[j];
  const double a1 = st.table.CoefA[i], b1 = st.table.CoefB[i], c1 = st.table.CoefC[i];
  const double a2 = st.table.CoefA[j], b2 = st.table.CoefB[j], c2 = st.table.CoefC[j];
  cmd.drawCurveOver(st.settings.ColorSum,
                    [&](double t) { return evaluate(k1, a1, b1, c1, t) + evaluate(k2, a2, b2, c2, t); });
}

void traceRow(Commands& cmd, int row) {
  const PlotState& st = cmd.state();
  if (row < 0 || row >= st.table.FunctionCount) return;
  cmd.plotCommand();
  const int n = row + 1;
  const Kind kind = st.table.FunctionKind[n];
  const double a = st.table.CoefA[n], b = st.table.CoefB[n], c = st.table.CoefC[n];
  cmd.drawCurveOver(0, [&](double t) { return evaluate(kind, a, b, c, t); });
}

}  // namespace graf

// The sum of two listed functions and the trace of one.
#include <algorithm>
#include <string>

#include "plot/commands.h"
#include "plot/render.h"

namespace graf {

void Commands::sum(const std::vector<int>& selectedRows) {
  std::vector<int> rows = selectedRows;
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  const bool inTable = std::all_of(rows.begin(), rows.end(),
                                   [&](int r) { return r >= 0 && r < st_.table.FunctionCount; });
  if (rows.size() != 2 || !inTable) {
    beepIfOn();
    showMessage(MessageType::Information, "Sajnos csak 2 függvény összegét tudom kiszámolni!");
    return;
  }
  recomputeViewCentre();
  std::string label = "Kiválasztott függvények: ";
  for (int r : rows) label += " " + std::to_string(r + 1) + " ";
  ui_.list.setSelectionLabel(label);

  const int i = rows[0] + 1, j = rows[1] + 1;
  const Kind k1 = st_.table.FunctionKind[i], k2 = st_.table.FunctionKind[j];
  const double a1 = st_.table.CoefA[i], b1 = st_.table.CoefB[i], c1 = st_.table.CoefC[i];
  const double a2 = st_.table.CoefA[j], b2 = st_.table.CoefB[j], c2 = st_.table.CoefC[j];
  pic_.setPenColor(st_.settings.ColorSum);
  sampleCurve(st_, pic_, [&](double t) {
    return evaluate(k1, a1, b1, c1, t) + evaluate(k2, a2, b2, c2, t);
  });
  ui_.main.pictureChanged();
}

void Commands::traceRow(int row) {
  if (row < 0 || row >= st_.table.FunctionCount) return;
  plotCommand();
  const int n = row + 1;
  const Kind kind = st_.table.FunctionKind[n];
  const double a = st_.table.CoefA[n], b = st_.table.CoefB[n], c = st_.table.CoefC[n];
  pic_.setPenColor(0);
  sampleCurve(st_, pic_, [&](double t) { return evaluate(kind, a, b, c, t); });
  ui_.main.pictureChanged();
}

}  // namespace graf

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
                                   [&](int r) { return r >= 0 && r < st_.FunctionCount; });
  if (rows.size() != 2 || !inTable) {
    beepIfOn();
    ui_.notifier.message(MessageType::Information, "Sajnos csak 2 függvény összegét tudom kiszámolni!");
    return;
  }
  recomputeViewCentre();
  std::string label = "Kiválasztott függvények: ";
  for (int r : rows) label += " " + std::to_string(r + 1) + " ";
  ui_.list.setSelectionLabel(label);

  const int i = rows[0] + 1, j = rows[1] + 1;
  const double k1 = st_.FunctionKind[i], a1 = st_.CoefA[i], b1 = st_.CoefB[i], c1 = st_.CoefC[i];
  const double k2 = st_.FunctionKind[j], a2 = st_.CoefA[j], b2 = st_.CoefB[j], c2 = st_.CoefC[j];
  pic_.setPenColor(st_.ColorSum);
  sampleCurve(st_, pic_, [&](double t) {
    return evaluate(k1, a1, b1, c1, t) + evaluate(k2, a2, b2, c2, t);
  });
  ui_.main.pictureChanged();
}

void Commands::traceRow(int row) {
  if (row < 0 || row >= st_.FunctionCount) return;
  plotCommand();
  const int n = row + 1;
  const double kind = st_.FunctionKind[n], a = st_.CoefA[n], b = st_.CoefB[n], c = st_.CoefC[n];
  pic_.setPenColor(0);
  sampleCurve(st_, pic_, [&](double t) { return evaluate(kind, a, b, c, t); });
  ui_.main.pictureChanged();
}

}  // namespace graf

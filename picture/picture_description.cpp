// SPDX-License-Identifier: MIT
#include "picture/picture_description.h"

#include "functionlist/function_row.h"

namespace graf {

namespace {

// Runs of blanks, which line the list's columns up, become one blank.
std::string squeezeBlanks(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  return out;
}

}  // namespace

std::string PictureDescription(const PlotState& st) {
  std::string text = "Nagyítás: " + std::to_string(st.view.ZoomFactor) + "x. ";
  const int count = st.table.FunctionCount;
  if (count == 0) return text + "Nincs ábrázolt függvény.";
  text += std::to_string(count) + " függvény: ";
  for (int n = 1; n <= count; ++n) {
    if (n > 1) text += "; ";
    text += squeezeBlanks(FunctionRow(n, st.table.FunctionKind[n], st.table.CoefA[n], st.table.CoefB[n],
                                      st.table.CoefC[n]));
  }
  return text + ".";
}

}  // namespace graf

// SPDX-License-Identifier: MIT
// Clear all, clear functions and delete the last function. The plot routine
// takes a refused input back by the deletion of the last function, so the
// clearing commands live with it.
#include <charconv>

#include "plot/commands.h"
#include "plot/numtext.h"

namespace graf {

namespace {

// The text a coefficient field is refilled with: the two-decimal form, or,
// when that would read back as a different number, the shortest text that
// reads back exactly, so that the refilled fields still describe the stored
// function and the replot stores nothing new.
std::string refillText(double v) {
  std::string text = twoDecimals(v);
  double back = 0;
  if (parseNumber(text, back) && back == v) return text;
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

}  // namespace

// Clear all is clear functions plus the fields and the view: the fields are
// emptied and zoom and pan return to their start values.
void Commands::clearAll() {
  clearFunctions();
  fillFields("", "", "");
  st_.view.reset();
  setZoomText("1x");
}

// Removes every function from the table, the list and the picture; the
// arrays keep their old entries above the count. Zoom and pan stay.
void Commands::clearFunctions() {
  showSelection({});
  ui_.load.cleared();
  listRows_ = 0;
  if (list_) list_->clearRows();
  st_.flags.ListedCount = 0;
  st_.flags.PictureCleared = true;
  setCountText(countPanelText(0));
  st_.table.clear();
  setReadout("", "");
  st_.flags.PlotShown = false;
  setCaption("Függvényválasztás");
  clearPicture();
  setDeleteLastEnabled(false);
}

void Commands::deleteLastFunction() {
  showSelection({});
  // With nothing stored there is nothing to take back.
  st_.table.removeLast();
  const int n = st_.table.count();
  if (listRows_ > n) {
    --listRows_;
    if (list_) list_->removeRow(n);
  }
  st_.flags.ListedCount = n;
  if (n == 0) {
    clearAll();
    return;
  }
  selectKind(st_.table.FunctionKind[n]);
  fillFields(refillText(st_.table.CoefA[n]), refillText(st_.table.CoefB[n]), refillText(st_.table.CoefC[n]));
  plotCommand();
}

}  // namespace graf

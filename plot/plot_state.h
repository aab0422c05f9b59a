// SPDX-License-Identifier: MIT
#pragma once
// The state that every window reads and the commands write, in parts that
// say who owns what: the function table, the view, the settings in force and
// the flags through which the commands coordinate. One PlotState is owned
// by the application and its parts are passed by reference; a fresh one holds
// the values of a program just started.
#include <cstdint>

#include "plot/function_table.h"
#include "plot/settings.h"
#include "plot/view.h"

namespace graf {

// The flags and the counter through which the commands coordinate.
struct Flags {
  bool PlotShown = false;       // a plot command has run since the last clearing
  bool PictureCleared = false;  // a cleared picture has the window face colour, else white
  bool LinearSelected = true;   // the C field is disabled for Linear
  std::int32_t ListedCount = 0; // the last function with a row in the function list
};

struct PlotState {
  FunctionTable table;
  View view;
  Settings settings;
  Flags flags;
};

}  // namespace graf

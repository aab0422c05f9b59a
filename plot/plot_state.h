#pragma once
// The state that every window reads and writes, in parts that say who owns
// what: the function table, the view, the settings, the progress of a load
// and the flags through which the commands coordinate. One PlotState is owned
// by the application and its parts are passed by reference; a fresh one holds
// the values of a program just started.
#include <cstdint>

#include "plot/function_table.h"
#include "plot/settings.h"
#include "plot/view.h"

namespace graf {

// The progress of loading a function set, shared by the load and the plot
// routine while LoadMode is on.
struct LoadProgress {
  bool LoadMode = false;
  std::uint8_t LoadPlotCount = 0;  // plot runs since the load, counted up to 2
  std::uint8_t ProgressStep = 0;
  std::uint8_t ProgressPosition = 0;  // 0..100
};

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
  LoadProgress load;
  Flags flags;
};

}  // namespace graf

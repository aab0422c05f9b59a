#pragma once
// The state that every window reads and writes, in parts that say who owns
// what: the function table, the view, the settings, the progress of a load
// and the flags through which the commands coordinate. One PlotState is owned
// by the application and its parts are passed by reference; a fresh one holds
// the values of a program just started.
#include <array>
#include <cstdint>
#include <string>

#include "plot/kind.h"
#include "plot/settings.h"

namespace graf {

inline constexpr int MaxFunctions = 50;

// The picture's geometry: the origin at rest lies at column 205, row 160 of
// the 393 × 321 picture, and one plot unit is 4·ZoomFactor pixels on both axes.
inline constexpr int OriginColumn = 205;
inline constexpr int OriginRow = 160;
constexpr int pixelsPerUnit(int zoomFactor) { return 4 * zoomFactor; }

// The stored functions, entries 1..FunctionCount (entry 0 unused). Entries
// above the count are left-overs and never mean a stored function.
struct FunctionTable {
  std::uint8_t FunctionCount = 0;
  std::array<Kind, MaxFunctions + 1> FunctionKind = [] {
    std::array<Kind, MaxFunctions + 1> kinds;
    kinds.fill(Kind::Linear);
    return kinds;
  }();
  std::array<double, MaxFunctions + 1> CoefA{};
  std::array<double, MaxFunctions + 1> CoefB{};
  std::array<double, MaxFunctions + 1> CoefC{};
};

// Zoom and pan, the held pan buttons, the wheel and the coordinate read-out.
// OriginX is always 205 + PanX, OriginY 160 + PanY, PanStepsX −PanX / 32 and
// PanStepsY PanY / 32: the commands change them together.
struct View {
  std::int32_t ZoomFactor = 1;  // 1, 2, 4 or 8
  std::int32_t PanX = 0;        // a multiple of 32 within −160..160
  std::int32_t PanY = 0;        // a multiple of 32; positive moves the origin down
  std::int32_t OriginX = OriginColumn;
  std::int32_t OriginY = OriginRow;
  int PanStepsX = 0;
  int PanStepsY = 0;
  // The plot x at column 205 and y at row 160, worked out at every plot run.
  double ViewCentreX = 0;
  double ViewCentreY = 0;

  bool PanUpHeld = false;
  bool PanDownHeld = false;
  bool PanLeftHeld = false;
  bool PanRightHeld = false;
  bool WheelVertical = true;  // the wheel pans up and down, else left and right
  bool WheelScrolls = true;   // the last turn pans rather than zooms

  // The last mouse position over the picture and its read-out texts.
  int CursorX = 0;
  int CursorY = 0;
  std::string CursorXText;
  std::string CursorYText;
};

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

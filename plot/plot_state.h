#pragma once
// The process-wide state that every window reads and writes: the function
// table, the view, the sampling step, the settings values and the flags through
// which the commands coordinate. One instance is owned by the application and
// passed by reference; a fresh one holds the values of a program just started.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace graf {

using Color = std::uint32_t;  // 0x00BBGGRR, red in the low byte

inline constexpr int MaxFunctions = 50;

// Kinds are stored as doubles and compared exactly.
inline constexpr double Linear = 1.0;
inline constexpr double Quadratic = 2.0;
inline constexpr double Quadratic2 = 3.0;
inline constexpr double AbsoluteValue = 4.0;

// Default colours of the settings.
inline constexpr Color DefaultColorLinear = 0x0000FF;      // Piros
inline constexpr Color DefaultColorQuadratic = 0x00FF00;   // Zöld
inline constexpr Color DefaultColorQuadratic2 = 0x008000;  // Sötétzöld
inline constexpr Color DefaultColorAbsolute = 0xFF0000;    // Kék
inline constexpr Color DefaultColorGrid = 0xC0C0C0;        // Ezüst
inline constexpr Color DefaultColorSum = 0xFFFF00;         // Türkiz
inline constexpr Color DefaultColorAuxLines = 0x00FFFF;    // Sárga

// The stored form of the settings: one record of 91 bytes, read from and
// written to "beallit.ini". Its fields are described in settings/settings_record.h.
inline constexpr std::size_t SettingsRecordSize = 91;
using SettingsRecord = std::array<std::uint8_t, SettingsRecordSize>;

struct PlotState {
  // The function table: entries 1..50, entry 0 unused.
  std::uint8_t FunctionCount = 0;
  std::array<double, MaxFunctions + 1> FunctionKind{};
  std::array<double, MaxFunctions + 1> CoefA{};
  std::array<double, MaxFunctions + 1> CoefB{};
  std::array<double, MaxFunctions + 1> CoefC{};

  // The view.
  std::int32_t ZoomFactor = 1;
  std::int32_t PanX = 0;
  std::int32_t PanY = 0;
  std::int32_t OriginX = 205;
  std::int32_t OriginY = 160;
  int PanStepsX = 0;
  int PanStepsY = 0;
  double ViewCentreX = 0;
  double ViewCentreY = 0;
  std::uint8_t PanUpHeld = 0;
  std::uint8_t PanDownHeld = 0;
  std::uint8_t PanLeftHeld = 0;
  std::uint8_t PanRightHeld = 0;
  std::uint8_t WheelVertical = 1;
  std::uint8_t WheelScrolls = 1;

  // Sampling step of every curve; the start-up replaces it from the settings
  // or the processor clock.
  double SampleStep = 0.1;

  // Colours and switches of the settings.
  Color ColorLinear = DefaultColorLinear;
  Color ColorQuadratic = DefaultColorQuadratic;
  Color ColorQuadratic2 = DefaultColorQuadratic2;
  Color ColorAbsolute = DefaultColorAbsolute;
  Color ColorGrid = DefaultColorGrid;
  Color ColorSum = DefaultColorSum;
  Color ColorAuxLines = DefaultColorAuxLines;
  std::uint8_t SoundOn = 0;
  std::uint8_t AuxLinesOn = 0;
  std::uint8_t FunctionWindowOn = 0;
  std::uint8_t OptimizeOn = 1;
  std::uint8_t QuickViewMode = 0;

  // Coordination flags and counters.
  std::uint8_t PlotShown = 0;
  std::uint8_t PictureCleared = 0;
  std::uint8_t LinearSelected = 1;
  std::int32_t ListedCount = 0;
  std::uint8_t SettingsChanged = 0;
  std::uint8_t SettingsFileFound = 0;
  std::uint8_t MainWindowActivated = 0;
  // The record the settings file is read into and written from; it lives
  // for the whole run, and a write leaves in it what a shorter text does not
  // cover.
  SettingsRecord Record{};
  // A failed write of the settings file is not retried by the activation
  // that closing its error box brings, only by a later one.
  bool SettingsWriteHeld = false;
  // A damaged or unreadable settings file is reported once per run.
  bool SettingsProblemReported = false;

  // The quick view's own colours: copied from the colours in force at every
  // activation of the main window, replaced by the settings window's choices.
  Color PreviewColorLinear = DefaultColorLinear;
  Color PreviewColorQuadratic = DefaultColorQuadratic;
  Color PreviewColorQuadratic2 = DefaultColorQuadratic2;
  Color PreviewColorAbsolute = DefaultColorAbsolute;
  Color PreviewColorGrid = DefaultColorGrid;

  // Load progress, shared by the loading of a function set and the plot routine.
  std::uint8_t LoadMode = 0;
  std::uint8_t LoadPlotCount = 0;
  std::uint8_t ProgressStep = 0;
  std::uint8_t ProgressPosition = 0;

  // Coordinate read-out.
  int CursorX = 0;
  int CursorY = 0;
  std::string CursorXText;
  std::string CursorYText;
};

}  // namespace graf

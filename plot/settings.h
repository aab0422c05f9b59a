// SPDX-License-Identifier: MIT
#pragma once
// The settings as the program uses them: the sampling step, the seven colours
// and the switches. The settings window changes them; the main window applies
// and stores them at its next activation (the settings' own bookkeeping is
// settings/settings_state.h).
#include <array>
#include <cstddef>
#include <cstdint>

namespace graf {

using Color = std::uint32_t;  // 0x00BBGGRR, red in the low byte

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

struct Settings {
  // Sampling step of every curve; the start-up replaces it from the settings
  // file or the processor clock. Always above 0.
  double SampleStep = 0.1;

  Color ColorLinear = DefaultColorLinear;
  Color ColorQuadratic = DefaultColorQuadratic;
  Color ColorQuadratic2 = DefaultColorQuadratic2;
  Color ColorAbsolute = DefaultColorAbsolute;
  Color ColorGrid = DefaultColorGrid;
  Color ColorSum = DefaultColorSum;
  Color ColorAuxLines = DefaultColorAuxLines;

  bool SoundOn = false;           // the beep before error and refusal messages
  bool AuxLinesOn = false;        // a click on the picture marks the point
  bool FunctionWindowOn = false;  // the function list opens at start
  bool OptimizeOn = true;         // the processor clock chooses SampleStep
  std::uint8_t QuickViewMode = 0; // 0 "Soha", 1 "Módosításkor", 2 "Mindig"
};

}  // namespace graf

// SPDX-License-Identifier: MIT
#pragma once
// The settings file "beallit.ini": one record of exactly 91 bytes made of
// thirteen length-prefixed texts (a length byte, then the field's full
// capacity in characters). The characters are ASCII digits, "-" and ".".
// The fields are the rows of the settings table (settings/setting_table.h):
//
//   offset  size  field              capacity  holds
//   0          4  step                      3  SampleStep, "0.1", "0.5", "1.0"
//   4         11  linear colour            10  ColorLinear, signed decimal
//   15        11  quadratic colour         10  ColorQuadratic
//   26        11  quadratic 2 colour       10  ColorQuadratic2
//   37        11  absolute colour          10  ColorAbsolute
//   48        11  grid colour              10  ColorGrid
//   59        11  auxiliary-lines colour   10  ColorAuxLines
//   70        11  sum colour               10  ColorSum
//   81         2  sound                     1  SoundOn, "0" or "1"
//   83         2  auxiliary lines           1  AuxLinesOn
//   85         2  function window           1  FunctionWindowOn
//   87         2  optimisation              1  OptimizeOn
//   89         2  quick view                1  QuickViewMode, "0", "1" or "2"
//
// Bytes past a text's length are not significant: reading ignores them, and
// writing a shorter text leaves behind whatever the record held there.
//
// A file may hold several records; the last whole one counts. Reading never
// trusts the texts: a text that is not a sound value of its setting (empty,
// not a number, a step outside 0.1..1.0, a colour outside 0..0xFFFFFF, a
// switch other than 0 or 1, a mode other than 0, 1 or 2, a length byte above
// the field's capacity) is replaced by the setting's default, and the step by
// the step in force.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plot/plot_state.h"
#include "settings/setting_table.h"

namespace graf {

// The stored text; none when the length byte exceeds the field's capacity.
std::optional<std::string> fieldText(const SettingsRecord& record, Setting field);
// Writes the length byte and the text cut to the capacity; the bytes after it
// keep what they held.
void setFieldText(SettingsRecord& record, Setting field, std::string_view text);

// Text forms of the values.
std::string stepText(double step);  // one decimal, cut to 3 characters
std::string colorText(Color color);  // signed decimal
std::string switchText(bool on);     // "0" or "1"
std::string modeText(int mode);      // "0", "1" or "2"

// Readers of the texts: leading blanks are skipped, nothing may follow; the
// whole numbers are read by the program's one whole-number grammar
// (parseWholeNumber).
// Each gives none for a text that is not a sound value of its setting.
std::optional<double> parseStep(std::string_view text);  // 0.1 .. 1.0
std::optional<Color> parseColor(std::string_view text);  // 0 .. 0xFFFFFF
std::optional<bool> parseSwitch(std::string_view text);  // 0 or 1
std::optional<std::uint8_t> parseMode(std::string_view text);  // 0, 1 or 2

// Fills the record from the settings in force.
void fillRecord(const PlotState& st, SettingsRecord& record);

// Assigns the record's values to the settings. Returns the settings that
// were replaced, in record order.
std::vector<Setting> applyRecord(const SettingsRecord& record, PlotState& st);

// The settings of a program without a settings file. SampleStep and
// FunctionWindowOn keep their values.
void applyDefaults(PlotState& st);

}  // namespace graf

// SPDX-License-Identifier: MIT
#pragma once
// The names the settings window's pickers understand, and the names its
// labels show for the settings in force. Names are compared exactly: whole
// text, case and accents included.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plot/plot_state.h"

namespace graf {

// The name of a custom colour, the one last confirmed in a row's own colour
// dialog.
inline constexpr const char* CustomColorName = "Egyéni";

// Which names a colour picker understands.
enum class ColorPicker {
  FamilyOrGrid,  // the four families and the grid
  Sum,           // as the family pickers, and "Türkiz"
  AuxLines,      // "Kék", "Fekete", "Sárga"
};

// The colour a picker's text names; none for "Egyéni" and for a text the
// picker does not understand.
std::optional<Color> namedColor(ColorPicker picker, std::string_view name);

// The colour a picker's text chooses: a named colour, or `custom` for
// "Egyéni"; none for a text the picker does not understand.
std::optional<Color> chosenColor(ColorPicker picker, std::string_view text, Color custom);

// The items of a colour picker's drop-down list, in order.
std::vector<std::string> colorPickerItems(ColorPicker picker);

// "Pontatlan" 1.0, "Normál" 0.5, "Pontos" 0.1.
std::optional<double> precisionStep(std::string_view name);
// "Be" 1, "Ki" 0.
std::optional<bool> switchValue(std::string_view name);
// "Soha" 0, "Módosításkor" 1, "Mindig" 2.
std::optional<std::uint8_t> quickViewModeValue(std::string_view name);

// The label of the precision in force, read from the stored step text:
// "Pontos", "Normál", "Pontatlan", any other text "Egyéni"; "Optimalizált"
// while optimisation is on.
std::string precisionLabel(std::string_view storedStepText, bool optimizeOn);
std::string switchLabel(bool on);  // "Be" or "Ki"
std::string quickViewModeName(int mode);
// Where the settings came from.
std::string settingsSourceLabel(bool fromFile);

// A colour in words, as a screen reader says it: the name the pickers give
// it ("Piros", "Türkiz", "Fekete", "Fehér"), else "Egyéni szín" with its
// red, green and blue parts ("Egyéni szín: piros 18, zöld 52, kék 86").
std::string colorWords(Color c);

}  // namespace graf

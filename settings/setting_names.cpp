// SPDX-License-Identifier: MIT
#include "settings/setting_names.h"

namespace graf {

namespace {

struct NamedColor {
  const char* name;
  Color color;
};

// The drop-down list of the family and grid pickers, in order.
constexpr NamedColor kFamilyColors[] = {
    {"Kék", 0xFF0000},   {"Piros", 0x0000FF},     {"Szürke", 0x808080}, {"Ezüst", 0xC0C0C0},
    {"Zöld", 0x00FF00},  {"Sötétzöld", 0x008000}, {"Sárga", 0x00FFFF},
};
constexpr NamedColor kTurquoise = {"Türkiz", 0xFFFF00};
constexpr NamedColor kAuxColors[] = {{"Kék", 0xFF0000}, {"Fekete", 0x000000}, {"Sárga", 0x00FFFF}};

std::vector<NamedColor> namesOf(ColorPicker picker) {
  switch (picker) {
    case ColorPicker::FamilyOrGrid:
      return {std::begin(kFamilyColors), std::end(kFamilyColors)};
    case ColorPicker::Sum: {
      std::vector<NamedColor> names(std::begin(kFamilyColors), std::end(kFamilyColors));
      names.push_back(kTurquoise);
      return names;
    }
    case ColorPicker::AuxLines:
      return {std::begin(kAuxColors), std::end(kAuxColors)};
  }
  return {};
}

}  // namespace

std::optional<Color> namedColor(ColorPicker picker, std::string_view name) {
  for (const NamedColor& c : namesOf(picker))
    if (name == c.name) return c.color;
  return std::nullopt;
}

std::optional<Color> chosenColor(ColorPicker picker, std::string_view text, Color custom) {
  if (text == CustomColorName) return custom;
  return namedColor(picker, text);
}

std::vector<std::string> colorPickerItems(ColorPicker picker) {
  std::vector<std::string> items;
  for (const NamedColor& c : namesOf(picker)) items.emplace_back(c.name);
  return items;
}

std::optional<double> precisionStep(std::string_view name) {
  if (name == "Pontatlan") return 1.0;
  if (name == "Normál") return 0.5;
  if (name == "Pontos") return 0.1;
  return std::nullopt;
}

std::optional<bool> switchValue(std::string_view name) {
  if (name == "Be") return true;
  if (name == "Ki") return false;
  return std::nullopt;
}

std::optional<std::uint8_t> quickViewModeValue(std::string_view name) {
  if (name == "Soha") return 0;
  if (name == "Módosításkor") return 1;
  if (name == "Mindig") return 2;
  return std::nullopt;
}

std::string precisionLabel(std::string_view storedStepText, bool optimizeOn) {
  if (optimizeOn) return "Optimalizált";
  if (storedStepText == "0.1") return "Pontos";
  if (storedStepText == "0.5") return "Normál";
  if (storedStepText == "1.0") return "Pontatlan";
  return "Egyéni";
}

std::string switchLabel(bool on) { return on ? "Be" : "Ki"; }

std::string quickViewModeName(int mode) {
  switch (mode) {
    case 1: return "Módosításkor";
    case 2: return "Mindig";
    default: return "Soha";
  }
}

std::string settingsSourceLabel(bool fromFile) { return fromFile ? "Fájlból" : "Programból (alapértelmezett)"; }

std::string colorWords(Color c) {
  for (ColorPicker picker : {ColorPicker::Sum, ColorPicker::AuxLines})
    for (const NamedColor& named : namesOf(picker))
      if (named.color == c) return named.name;
  if (c == 0xFFFFFF) return "Fehér";
  return std::string(CustomColorName) + " szín: piros " + std::to_string(c & 0xFF) + ", zöld " +
         std::to_string((c >> 8) & 0xFF) + ", kék " + std::to_string((c >> 16) & 0xFF);
}

}  // namespace graf

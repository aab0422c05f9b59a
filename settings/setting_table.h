// SPDX-License-Identifier: MIT
#pragma once
// Every setting, declared once. A row holds all that the program knows of a
// setting: the member of Settings that holds its value (whose initial value
// in a fresh Settings is its default), its field in the settings file (offset
// and capacity in the 91-byte record), the name a message gives it, and its
// row in the settings window (tab, caption, picker, the names the picker
// understands, the picker's first text and the text that restores the
// default). Reading, writing, the defaults, "Alapbeállítások visszaállítása"
// and the settings window's rows all loop over this table.
//
// To add a setting: a member in Settings (plot/settings.h) with its default,
// an enumerator in Setting, and one row below; the record grows by the field.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "plot/settings.h"
#include "settings/setting_names.h"

namespace graf {

// The settings, named for the window's pickers; the order is the order of
// the change flags, not of the record.
enum class Setting {
  Step,
  Linear,
  Quadratic,
  Quadratic2,
  Absolute,
  Grid,
  Sound,
  AuxColor,
  AuxLines,
  FunctionWindow,
  Sum,
  Optimize,
  QuickView,
};
inline constexpr int SettingCount = 13;

// The labels of the settings window that show the settings in force.
enum class StateLabel { Clock, Precision, Source, Sound, AuxLines, FunctionWindow, Optimize, QuickView };
inline constexpr int StateLabelCount = 8;

// The four tabs of the settings window.
enum class SettingsTab { General, Colors, Switches, Appearance };

// The member of Settings that holds a setting; its type says how the value
// is written and read: the step, a colour, a switch or the quick-view mode.
using SettingMember =
    std::variant<double Settings::*, Color Settings::*, bool Settings::*, std::uint8_t Settings::*>;

struct SettingRow {
  Setting setting;
  SettingMember member;
  // The settings file: the field's offset and capacity in the record.
  std::size_t offset;
  std::size_t capacity;
  // The setting as a message about a damaged settings file names it.
  const char* messageName;
  // The defaults leave it as it is (the step comes from the processor clock,
  // the function window from the run).
  bool keptByDefaults;

  // The settings window's row.
  SettingsTab tab;
  const char* caption;      // "Elsőfokú:"
  const char* pickerName;   // the picker's object name, "ComboBox2"
  ColorPicker colors;       // the names a colour picker understands
  const char* items;        // the other pickers' drop-down items, "\n" between them
  const char* initialText;  // the picker's text when the window is made
  const char* defaultText;  // the picker's text that chooses the default
  const char* hint;         // the picker's status tip; colour rows: the "Egyéni" button's
  const char* sampleName;   // colour rows: the "I" sample's object name
  const char* buttonName;   // colour rows: the "Egyéni" button's object name
  StateLabel stateLabel;    // switch and mode rows: the label of the value in force
  const char* stateName;    // its object name
};

inline constexpr std::size_t ColorCapacity = 10;

// The rows in the order of the settings window, tab by tab and top to
// bottom; the record orders them by offset.
inline constexpr std::array<SettingRow, SettingCount> SettingRows{{
    {Setting::Step, &Settings::SampleStep, 0, 3, "pontosság", true,
     SettingsTab::General, "Pontosság:", "ComboBox1", ColorPicker::FamilyOrGrid, "Pontatlan\nNormál\nPontos",
     "Pontos", "Pontos", "A függvény ábrázolásának pontossága", nullptr, nullptr, StateLabel::Precision, "Label26"},
    {Setting::Linear, &Settings::ColorLinear, 4, ColorCapacity, "elsőfokú függvény színe", false,
     SettingsTab::Colors, "Elsőfokú:", "ComboBox2", ColorPicker::FamilyOrGrid, nullptr,
     "Piros", "Piros", "Egyéni szín beállítása az aktuális függvényhez", "Label2", "Button1", StateLabel::Clock, nullptr},
    {Setting::Quadratic, &Settings::ColorQuadratic, 15, ColorCapacity, "másodfokú függvény színe", false,
     SettingsTab::Colors, "Másodfokú:", "ComboBox3", ColorPicker::FamilyOrGrid, nullptr,
     "Zöld", "Zöld", "Egyéni szín beállítása az aktuális függvényhez", "Label10", "Button2", StateLabel::Clock, nullptr},
    {Setting::Quadratic2, &Settings::ColorQuadratic2, 26, ColorCapacity, "másodfokú függvény 2. fajtájának színe", false,
     SettingsTab::Colors, "Másodfokú 2:", "ComboBox4", ColorPicker::FamilyOrGrid, nullptr,
     "Sötétzöld", "Sötétzöld", "Egyéni szín beállítása az aktuális függvényhez", "Label11", "Button3", StateLabel::Clock, nullptr},
    {Setting::Absolute, &Settings::ColorAbsolute, 37, ColorCapacity, "abszolútértékes függvény színe", false,
     SettingsTab::Colors, "Abszolútértékes:", "ComboBox5", ColorPicker::FamilyOrGrid, nullptr,
     "Kék", "Kék", "Egyéni szín beállítása az aktuális függvényhez", "Label12", "Button4", StateLabel::Clock, nullptr},
    {Setting::Grid, &Settings::ColorGrid, 48, ColorCapacity, "négyzetháló színe", false,
     SettingsTab::Colors, "Négyzetháló:", "ComboBox6", ColorPicker::FamilyOrGrid, nullptr,
     "Ezüst", "Ezüst", "Egyéni szín beállítása a négyzethálóhoz", "Label13", "Button5", StateLabel::Clock, nullptr},
    {Setting::Sum, &Settings::ColorSum, 70, ColorCapacity, "összegfüggvény színe", false,
     SettingsTab::Colors, "Összegfüggvény:", "ComboBox11", ColorPicker::Sum, nullptr,
     "Türkiz", "Türkiz", "Egyéni szín beállítása az aktuális függvényhez", "Label35", "Button7", StateLabel::Clock, nullptr},
    {Setting::AuxColor, &Settings::ColorAuxLines, 59, ColorCapacity, "segédvonalak színe", false,
     SettingsTab::Colors, "Segédvonalak:", "ComboBox8", ColorPicker::AuxLines, nullptr,
     "Sárga", "Sárga", "Egyéni szín beállítása a segédvonalakhoz", "Label22", "Button6", StateLabel::Clock, nullptr},
    {Setting::Sound, &Settings::SoundOn, 81, 1, "hang", false,
     SettingsTab::Switches, "Hang:", "ComboBox7", ColorPicker::FamilyOrGrid, "Be\nKi",
     "Ki", "Ki", "Hibaüzenetek hangjelzéseinek be- és kikapcsolása", nullptr, nullptr, StateLabel::Sound, "Label27"},
    {Setting::AuxLines, &Settings::AuxLinesOn, 83, 1, "segédvonalak", false,
     SettingsTab::Switches, "Segédvonalak:", "ComboBox9", ColorPicker::FamilyOrGrid, "Be\nKi",
     "Ki", "Ki", "Segédvonalak be- és kikapcsolása", nullptr, nullptr, StateLabel::AuxLines, "Label28"},
    {Setting::FunctionWindow, &Settings::FunctionWindowOn, 85, 1, "függvényablak", true,
     SettingsTab::Switches, "Függvényablak:", "ComboBox10", ColorPicker::FamilyOrGrid, "Ki\nBe",
     "Ki", "Ki", "Függvényablak elrejtése vagy mutatása", nullptr, nullptr, StateLabel::FunctionWindow, "Label33"},
    {Setting::Optimize, &Settings::OptimizeOn, 87, 1, "optimalizálás", false,
     SettingsTab::Switches, "Optimalizálás:", "ComboBox12", ColorPicker::FamilyOrGrid, "Ki\nBe",
     "Ki", "Be", "Teljesítményre való optimalizálás be- és kikapcsolása", nullptr, nullptr, StateLabel::Optimize,
     "Label38"},
    {Setting::QuickView, &Settings::QuickViewMode, 89, 1, "gyorsnézet", false,
     SettingsTab::Appearance, "Gyorsnézet:", "ComboBox13", ColorPicker::FamilyOrGrid, "Mindig\nSoha\nMódosításkor",
     "Soha", "Soha", "", nullptr, nullptr, StateLabel::QuickView, "Label45"},
}};

// Each field is a length byte and its capacity; together they fill the
// record, none overlapping another.
constexpr bool fieldsFillTheRecord() {
  std::size_t total = 0;
  for (const SettingRow& a : SettingRows) {
    total += 1 + a.capacity;
    if (a.offset + 1 + a.capacity > SettingsRecordSize) return false;
    for (const SettingRow& b : SettingRows)
      if (&a != &b && a.offset < b.offset + 1 + b.capacity && b.offset < a.offset + 1 + a.capacity) return false;
  }
  return total == SettingsRecordSize;
}
static_assert(fieldsFillTheRecord(), "the fields fill the record without gaps");

constexpr bool everySettingOnce() {
  for (int s = 0; s < SettingCount; ++s) {
    int found = 0;
    for (const SettingRow& row : SettingRows) found += static_cast<int>(row.setting) == s;
    if (found != 1) return false;
  }
  return true;
}
static_assert(everySettingOnce(), "every setting has exactly one row");

// The row of a setting.
const SettingRow& rowOf(Setting s);

// Colour rows have a sample and their own colour dialog.
bool isColorRow(const SettingRow& row);

// The setting's value in force as the record holds it.
std::string storedText(const SettingRow& row, const Settings& settings);
// Reads a stored text into the setting; false, and nothing changes, when the
// text is not a sound value of the setting.
bool readStoredText(const SettingRow& row, std::string_view text, Settings& settings);
// Gives the setting its default.
void assignDefault(const SettingRow& row, Settings& settings);
// Assigns the value a picker's text chooses; `custom` is the colour of the
// row's own colour dialog, for "Egyéni". False, and nothing changes, when the
// picker does not understand the text.
bool assignPickerText(const SettingRow& row, std::string_view text, Color custom, Settings& settings);
// Whether a picker's text chooses the setting's default value.
bool pickerTextIsDefault(const SettingRow& row, std::string_view text);

}  // namespace graf

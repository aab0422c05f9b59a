// SPDX-License-Identifier: MIT
#include "settings/setting_table.h"

#include "settings/settings_record.h"

namespace graf {

namespace {

// Runs f with the row's member pointer, whatever its type.
template <class F>
decltype(auto) withMember(const SettingRow& row, F&& f) {
  return std::visit(std::forward<F>(f), row.member);
}

// The stored form and the picker names of each type of value.
std::string textOf(double v) { return stepText(v); }
std::string textOf(Color v) { return colorText(v); }
std::string textOf(bool v) { return switchText(v); }
std::string textOf(std::uint8_t v) { return modeText(v); }

std::optional<double> parseStored(std::string_view t, double*) { return parseStep(t); }
std::optional<Color> parseStored(std::string_view t, Color*) { return parseColor(t); }
std::optional<bool> parseStored(std::string_view t, bool*) { return parseSwitch(t); }
std::optional<std::uint8_t> parseStored(std::string_view t, std::uint8_t*) { return parseMode(t); }

std::optional<double> pickerValue(const SettingRow&, std::string_view t, Color, double*) { return precisionStep(t); }
std::optional<Color> pickerValue(const SettingRow& row, std::string_view t, Color custom, Color*) {
  return chosenColor(row.colors, t, custom);
}
std::optional<bool> pickerValue(const SettingRow&, std::string_view t, Color, bool*) { return switchValue(t); }
std::optional<std::uint8_t> pickerValue(const SettingRow&, std::string_view t, Color, std::uint8_t*) {
  return quickViewModeValue(t);
}

}  // namespace

const SettingRow& rowOf(Setting s) {
  for (const SettingRow& row : SettingRows)
    if (row.setting == s) return row;
  return SettingRows[0];  // every setting has a row (checked at compile time)
}

bool isColorRow(const SettingRow& row) { return std::holds_alternative<Color Settings::*>(row.member); }

std::string storedText(const SettingRow& row, const Settings& settings) {
  return withMember(row, [&](auto m) { return textOf(settings.*m); });
}

bool readStoredText(const SettingRow& row, std::string_view text, Settings& settings) {
  return withMember(row, [&](auto m) {
    auto& target = settings.*m;
    const auto value = parseStored(text, &target);
    if (value) target = *value;
    return value.has_value();
  });
}

void assignDefault(const SettingRow& row, Settings& settings) {
  withMember(row, [&](auto m) { settings.*m = Settings{}.*m; });
}

bool assignPickerText(const SettingRow& row, std::string_view text, Color custom, Settings& settings) {
  return withMember(row, [&](auto m) {
    auto& target = settings.*m;
    const auto value = pickerValue(row, text, custom, &target);
    if (value) target = *value;
    return value.has_value();
  });
}

bool pickerTextIsDefault(const SettingRow& row, std::string_view text) {
  return withMember(row, [&](auto m) {
    auto* none = static_cast<std::remove_reference_t<decltype(Settings{}.*m)>*>(nullptr);
    const auto value = pickerValue(row, text, Color{0}, none);
    return value && *value == Settings{}.*m;
  });
}

}  // namespace graf

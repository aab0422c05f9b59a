// SPDX-License-Identifier: MIT
#include "settings/settings_record.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "plot/numtext.h"

namespace graf {

std::optional<std::string> fieldText(const SettingsRecord& record, Setting field) {
  const SettingRow& f = rowOf(field);
  const std::size_t length = record[f.offset];
  if (length > f.capacity) return std::nullopt;
  return std::string(record.begin() + static_cast<std::ptrdiff_t>(f.offset + 1),
                     record.begin() + static_cast<std::ptrdiff_t>(f.offset + 1 + length));
}

void setFieldText(SettingsRecord& record, Setting field, std::string_view text) {
  const SettingRow& f = rowOf(field);
  const std::size_t length = std::min(text.size(), f.capacity);
  record[f.offset] = static_cast<std::uint8_t>(length);
  std::copy_n(text.begin(), length, record.begin() + static_cast<std::ptrdiff_t>(f.offset + 1));
}

std::string stepText(double step) {
  // Always "0.5", never "0,5": the file is read back in every locale.
  char buf[512];
  const auto res = std::to_chars(buf, buf + sizeof buf, step, std::chars_format::fixed, 1);
  if (res.ec != std::errc{}) return {};
  return std::string(buf, res.ptr).substr(0, 3);
}

std::string colorText(Color color) { return std::to_string(static_cast<std::int32_t>(color)); }

std::string switchText(bool on) { return on ? "1" : "0"; }

std::string modeText(int mode) { return std::to_string(mode).substr(0, 1); }

std::optional<double> parseStep(std::string_view text) {
  double value = 0;
  if (!parseNumber(text, value)) return std::nullopt;
  // The sampling advances by the step until it reaches 80: the finest
  // precision the program offers bounds the work, the coarsest keeps a curve.
  if (!(value >= 0.1 && value <= 1.0)) return std::nullopt;
  return value;
}

std::optional<Color> parseColor(std::string_view text) {
  const auto value = parseWholeNumber(text);
  if (!value || *value < 0 || *value > 0xFFFFFF) return std::nullopt;
  return static_cast<Color>(*value);
}

std::optional<bool> parseSwitch(std::string_view text) {
  const auto value = parseWholeNumber(text);
  if (!value || (*value != 0 && *value != 1)) return std::nullopt;
  return *value == 1;
}

std::optional<std::uint8_t> parseMode(std::string_view text) {
  const auto value = parseWholeNumber(text);
  if (!value || *value < 0 || *value > 2) return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

void fillRecord(const PlotState& st, SettingsRecord& record) {
  for (const SettingRow& row : SettingRows) setFieldText(record, row.setting, storedText(row, st.settings));
}

std::vector<Setting> applyRecord(const SettingsRecord& record, PlotState& st) {
  std::vector<Setting> replaced;
  for (const SettingRow& row : SettingRows) {
    const auto text = fieldText(record, row.setting);
    if (text && readStoredText(row, *text, st.settings)) continue;
    // The step has no default of its own: the step in force stays.
    if (!std::holds_alternative<double Settings::*>(row.member)) assignDefault(row, st.settings);
    replaced.push_back(row.setting);
  }
  std::sort(replaced.begin(), replaced.end(),
            [](Setting a, Setting b) { return rowOf(a).offset < rowOf(b).offset; });
  return replaced;
}

void applyDefaults(PlotState& st) {
  for (const SettingRow& row : SettingRows)
    if (!row.keptByDefaults) assignDefault(row, st.settings);
}

}  // namespace graf

// SPDX-License-Identifier: MIT
#include "settings/settings_editor.h"

#include "settings/color_clash.h"
#include "settings/setting_names.h"
#include "settings/settings_record.h"

namespace graf {

namespace {

// The colour rows the quick view shows, with the preview colour each sets.
struct PreviewRow {
  Setting setting;
  Color QuickViewColors::*preview;
};
constexpr PreviewRow kPreviewRows[] = {
    {Setting::Linear, &QuickViewColors::PreviewColorLinear},
    {Setting::Quadratic, &QuickViewColors::PreviewColorQuadratic},
    {Setting::Quadratic2, &QuickViewColors::PreviewColorQuadratic2},
    {Setting::Absolute, &QuickViewColors::PreviewColorAbsolute},
    {Setting::Grid, &QuickViewColors::PreviewColorGrid},
};

bool inPreview(Setting s) {
  for (const PreviewRow& row : kPreviewRows)
    if (row.setting == s) return true;
  return false;
}

}  // namespace

void SettingsEditor::activate() {
  window_.setLabel(StateLabel::Clock, std::to_string(cpuMhz_) + " MHz");
  window_.setAuxLinesCustomButtonVisible(st_.settings.AuxLinesOn);
  if (ss_.MainWindowActivated) {
    window_.setSampleColor(Setting::Linear, st_.settings.ColorLinear);
    window_.setSampleColor(Setting::Quadratic, st_.settings.ColorQuadratic);
    window_.setSampleColor(Setting::Quadratic2, st_.settings.ColorQuadratic2);
    window_.setSampleColor(Setting::Absolute, st_.settings.ColorAbsolute);
    window_.setSampleColor(Setting::Grid, st_.settings.ColorGrid);
  }
  window_.setSampleColor(Setting::Sum, st_.settings.ColorSum);
  if (st_.settings.QuickViewMode == 2) showQuickViewIfHidden();
  window_.focusSettingsWindow();
  window_.setLabel(StateLabel::Precision,
                   precisionLabel(fieldText(ss_.Record, Setting::Step).value_or(""), false));
  if (st_.settings.OptimizeOn) {
    window_.setPrecisionPickerEnabled(false);
    window_.setLabel(StateLabel::Precision, precisionLabel("", true));
  }
  window_.setLabel(StateLabel::Sound, switchLabel(st_.settings.SoundOn));
  window_.setLabel(StateLabel::AuxLines, switchLabel(st_.settings.AuxLinesOn));
  window_.setLabel(StateLabel::Optimize, switchLabel(st_.settings.OptimizeOn));
  window_.setAuxLinesSample(st_.settings.AuxLinesOn, st_.settings.ColorAuxLines);
  window_.setLabel(StateLabel::FunctionWindow, switchLabel(st_.settings.FunctionWindowOn));
  window_.setLabel(StateLabel::Source, settingsSourceLabel(ss_.SettingsFileFound));
  window_.setLabel(StateLabel::QuickView, quickViewModeName(st_.settings.QuickViewMode));
  if (ss_.MainWindowActivated) changeFlags_.fill(false);
}

void SettingsEditor::pickerChanged(Setting s) {
  raise(s);
  if (inPreview(s)) {
    showQuickView();
  } else if (s == Setting::AuxLines) {
    const bool on = window_.pickerText(s) == "Be";
    window_.setAuxLinesSample(on, st_.settings.ColorAuxLines);
    window_.setAuxLinesCustomButtonVisible(on);
  } else if (s == Setting::Optimize) {
    if (window_.pickerText(s) == "Ki") window_.setPrecisionPickerEnabled(true);
  }
}

void SettingsEditor::customColorConfirmed(Setting s, Color c) {
  raise(s);
  window_.setPickerText(s, CustomColorName);
  if (inPreview(s)) showQuickView();
  if (s == Setting::AuxColor)
    window_.setAuxLinesSample(true, c);
  else
    window_.setSampleColor(s, c);
}

void SettingsEditor::showQuickViewIfHidden() {
  if (window_.quickViewVisible()) return;
  window_.showQuickView();
  quickViewActivated();
}

void SettingsEditor::showQuickView() {
  if (st_.settings.QuickViewMode == 1 || st_.settings.QuickViewMode == 2) {
    if (window_.quickViewVisible()) {
      window_.focusQuickView();
      quickViewActivated();
    } else {
      showQuickViewIfHidden();
    }
  }
  window_.focusSettingsWindow();
}

void SettingsEditor::ok() {
  for (const SettingRow& row : SettingRows) {
    if (!changed(row.setting)) continue;
    const Color custom = isColorRow(row) ? window_.dialogColor(row.setting) : Color{0};
    assignPickerText(row, window_.pickerText(row.setting), custom, st_.settings);
  }

  const std::string clash = colorClashMessage(st_);
  if (!clash.empty()) {
    window_.showColorClash(clash);
    return;
  }
  accept();
}

void SettingsEditor::accept() {
  ss_.SettingsChanged = true;
  window_.closeSettingsWindow();
}

void SettingsEditor::cancel() {
  ss_.SettingsChanged = false;
  window_.closeSettingsWindow();
}

void SettingsEditor::restoreDefaults() {
  changeFlags_.fill(true);
  for (int s = 0; s < SettingCount; ++s) {
    const SettingRow& row = rowOf(static_cast<Setting>(s));
    window_.setPickerText(row.setting, row.defaultText);
  }
  ok();
}

void SettingsEditor::closed() {
  if (window_.quickViewVisible()) window_.hideQuickView();
  // The warning belongs to this window's OK; it does not outlive it.
  window_.hideColorClash();
  changeFlags_.fill(false);
}

void SettingsEditor::ignoreClash() {
  window_.hideColorClash();
  accept();
}

void SettingsEditor::revisitClash() {
  window_.hideColorClash();
  window_.focusSettingsWindow();
}

void SettingsEditor::quickViewActivated() {
  ss_.MainWindowActivated = false;
  for (const PreviewRow& row : kPreviewRows) {
    if (!changed(row.setting)) continue;
    if (auto c = chosenColor(ColorPicker::FamilyOrGrid, window_.pickerText(row.setting),
                             window_.dialogColor(row.setting)))
      ss_.quickView.*row.preview = *c;
  }
  drawPreview(preview_, ss_.quickView);
  window_.quickViewChanged();
}

}  // namespace graf

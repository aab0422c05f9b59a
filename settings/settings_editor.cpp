#include "settings/settings_editor.h"

#include "settings/color_clash.h"
#include "settings/setting_names.h"
#include "settings/settings_record.h"

namespace graf {

namespace {

// The colour rows the quick view shows, with the preview colour each sets.
struct PreviewRow {
  Setting setting;
  Color Settings::*preview;
};
constexpr PreviewRow kPreviewRows[] = {
    {Setting::Linear, &Settings::PreviewColorLinear},
    {Setting::Quadratic, &Settings::PreviewColorQuadratic},
    {Setting::Quadratic2, &Settings::PreviewColorQuadratic2},
    {Setting::Absolute, &Settings::PreviewColorAbsolute},
    {Setting::Grid, &Settings::PreviewColorGrid},
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
  if (st_.settings.MainWindowActivated) {
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
                   precisionLabel(fieldText(st_.settings.Record, RecordField::Step).value_or(""), false));
  if (st_.settings.OptimizeOn) {
    window_.setPrecisionPickerEnabled(false);
    window_.setLabel(StateLabel::Precision, precisionLabel("", true));
  }
  window_.setLabel(StateLabel::Sound, switchLabel(st_.settings.SoundOn));
  window_.setLabel(StateLabel::AuxLines, switchLabel(st_.settings.AuxLinesOn));
  window_.setLabel(StateLabel::Optimize, switchLabel(st_.settings.OptimizeOn));
  window_.setAuxLinesSample(st_.settings.AuxLinesOn, st_.settings.ColorAuxLines);
  window_.setLabel(StateLabel::FunctionWindow, switchLabel(st_.settings.FunctionWindowOn));
  window_.setLabel(StateLabel::Source, settingsSourceLabel(st_.settings.SettingsFileFound));
  window_.setLabel(StateLabel::QuickView, quickViewModeName(st_.settings.QuickViewMode));
  if (st_.settings.MainWindowActivated) changeFlags_.fill(false);
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
  const auto text = [&](Setting s) { return window_.pickerText(s); };
  const auto color = [&](Setting s, ColorPicker picker, Color& target) {
    if (!changed(s)) return;
    if (auto c = chosenColor(picker, text(s), window_.dialogColor(s))) target = *c;
  };
  const auto flag = [&](Setting s, bool& target) {
    if (!changed(s)) return;
    if (auto on = switchValue(text(s))) target = *on;
  };

  if (changed(Setting::Step))
    if (auto step = precisionStep(text(Setting::Step))) st_.settings.SampleStep = *step;
  color(Setting::Linear, ColorPicker::FamilyOrGrid, st_.settings.ColorLinear);
  color(Setting::Quadratic, ColorPicker::FamilyOrGrid, st_.settings.ColorQuadratic);
  color(Setting::Quadratic2, ColorPicker::FamilyOrGrid, st_.settings.ColorQuadratic2);
  color(Setting::Absolute, ColorPicker::FamilyOrGrid, st_.settings.ColorAbsolute);
  color(Setting::Grid, ColorPicker::FamilyOrGrid, st_.settings.ColorGrid);
  flag(Setting::Sound, st_.settings.SoundOn);
  color(Setting::AuxColor, ColorPicker::AuxLines, st_.settings.ColorAuxLines);
  flag(Setting::AuxLines, st_.settings.AuxLinesOn);
  flag(Setting::FunctionWindow, st_.settings.FunctionWindowOn);
  flag(Setting::Optimize, st_.settings.OptimizeOn);
  color(Setting::Sum, ColorPicker::Sum, st_.settings.ColorSum);
  if (changed(Setting::QuickView))
    if (auto mode = quickViewModeValue(text(Setting::QuickView))) st_.settings.QuickViewMode = *mode;

  const std::string clash = colorClashMessage(st_);
  if (!clash.empty()) {
    window_.showColorClash(clash);
    return;
  }
  accept();
}

void SettingsEditor::accept() {
  st_.settings.SettingsChanged = true;
  window_.closeSettingsWindow();
}

void SettingsEditor::cancel() {
  st_.settings.SettingsChanged = false;
  window_.closeSettingsWindow();
}

void SettingsEditor::restoreDefaults() {
  changeFlags_.fill(true);
  const std::pair<Setting, const char*> texts[] = {
      {Setting::Step, "Pontos"},     {Setting::Linear, "Piros"},      {Setting::Quadratic, "Zöld"},
      {Setting::Quadratic2, "Sötétzöld"}, {Setting::Absolute, "Kék"}, {Setting::Grid, "Ezüst"},
      {Setting::Sound, "Ki"},        {Setting::AuxColor, "Sárga"},    {Setting::AuxLines, "Ki"},
      {Setting::FunctionWindow, "Ki"}, {Setting::Sum, "Türkiz"},      {Setting::Optimize, "Be"},
      {Setting::QuickView, "Soha"},
  };
  for (const auto& [s, t] : texts) window_.setPickerText(s, t);
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
  st_.settings.MainWindowActivated = false;
  for (const PreviewRow& row : kPreviewRows) {
    if (!changed(row.setting)) continue;
    if (auto c = chosenColor(ColorPicker::FamilyOrGrid, window_.pickerText(row.setting),
                             window_.dialogColor(row.setting)))
      st_.settings.*row.preview = *c;
  }
  drawPreview(preview_, st_);
  window_.quickViewChanged();
}

}  // namespace graf

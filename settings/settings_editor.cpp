#include "settings/settings_editor.h"

#include "settings/color_clash.h"
#include "settings/setting_names.h"
#include "settings/settings_record.h"

namespace graf {

namespace {

// The colour rows the quick view shows, with the preview colour each sets.
struct PreviewRow {
  Setting setting;
  Color PlotState::*preview;
};
constexpr PreviewRow kPreviewRows[] = {
    {Setting::Linear, &PlotState::PreviewColorLinear},
    {Setting::Quadratic, &PlotState::PreviewColorQuadratic},
    {Setting::Quadratic2, &PlotState::PreviewColorQuadratic2},
    {Setting::Absolute, &PlotState::PreviewColorAbsolute},
    {Setting::Grid, &PlotState::PreviewColorGrid},
};

bool inPreview(Setting s) {
  for (const PreviewRow& row : kPreviewRows)
    if (row.setting == s) return true;
  return false;
}

}  // namespace

void SettingsEditor::activate() {
  window_.setLabel(StateLabel::Clock, std::to_string(cpuMhz_) + " MHz");
  window_.setAuxLinesCustomButtonVisible(st_.AuxLinesOn == 1);
  if (st_.MainWindowActivated == 1) {
    window_.setSampleColor(Setting::Linear, st_.ColorLinear);
    window_.setSampleColor(Setting::Quadratic, st_.ColorQuadratic);
    window_.setSampleColor(Setting::Quadratic2, st_.ColorQuadratic2);
    window_.setSampleColor(Setting::Absolute, st_.ColorAbsolute);
    window_.setSampleColor(Setting::Grid, st_.ColorGrid);
  }
  window_.setSampleColor(Setting::Sum, st_.ColorSum);
  if (st_.QuickViewMode == 2) showQuickViewIfHidden();
  window_.focusSettingsWindow();
  window_.setLabel(StateLabel::Precision,
                   precisionLabel(fieldText(st_.Record, RecordField::Step).value_or(""), false));
  if (st_.OptimizeOn == 1) {
    window_.setPrecisionPickerEnabled(false);
    window_.setLabel(StateLabel::Precision, precisionLabel("", true));
  }
  window_.setLabel(StateLabel::Sound, switchLabel(st_.SoundOn == 1));
  window_.setLabel(StateLabel::AuxLines, switchLabel(st_.AuxLinesOn == 1));
  window_.setLabel(StateLabel::Optimize, switchLabel(st_.OptimizeOn == 1));
  window_.setAuxLinesSample(st_.AuxLinesOn == 1, st_.ColorAuxLines);
  window_.setLabel(StateLabel::FunctionWindow, switchLabel(st_.FunctionWindowOn == 1));
  window_.setLabel(StateLabel::Source, settingsSourceLabel(st_.SettingsFileFound == 1));
  window_.setLabel(StateLabel::QuickView, quickViewModeName(st_.QuickViewMode));
  if (st_.MainWindowActivated == 1) changeFlags_.fill(false);
}

void SettingsEditor::pickerChanged(Setting s) {
  raise(s);
  if (inPreview(s)) {
    showQuickView();
  } else if (s == Setting::AuxLines) {
    const bool on = window_.pickerText(s) == "Be";
    window_.setAuxLinesSample(on, st_.ColorAuxLines);
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
  if (st_.QuickViewMode == 1 || st_.QuickViewMode == 2) {
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
  const auto flag = [&](Setting s, std::uint8_t& target) {
    if (!changed(s)) return;
    if (auto on = switchValue(text(s))) target = *on ? 1 : 0;
  };

  if (changed(Setting::Step))
    if (auto step = precisionStep(text(Setting::Step))) st_.SampleStep = *step;
  color(Setting::Linear, ColorPicker::FamilyOrGrid, st_.ColorLinear);
  color(Setting::Quadratic, ColorPicker::FamilyOrGrid, st_.ColorQuadratic);
  color(Setting::Quadratic2, ColorPicker::FamilyOrGrid, st_.ColorQuadratic2);
  color(Setting::Absolute, ColorPicker::FamilyOrGrid, st_.ColorAbsolute);
  color(Setting::Grid, ColorPicker::FamilyOrGrid, st_.ColorGrid);
  flag(Setting::Sound, st_.SoundOn);
  color(Setting::AuxColor, ColorPicker::AuxLines, st_.ColorAuxLines);
  flag(Setting::AuxLines, st_.AuxLinesOn);
  flag(Setting::FunctionWindow, st_.FunctionWindowOn);
  flag(Setting::Optimize, st_.OptimizeOn);
  color(Setting::Sum, ColorPicker::Sum, st_.ColorSum);
  if (changed(Setting::QuickView))
    if (auto mode = quickViewModeValue(text(Setting::QuickView))) st_.QuickViewMode = *mode;

  const std::string clash = colorClashMessage(st_);
  if (!clash.empty()) {
    window_.showColorClash(clash);
    return;
  }
  accept();
}

void SettingsEditor::accept() {
  window_.enableMainWindow();
  st_.SettingsChanged = 1;
  window_.closeSettingsWindow();
}

void SettingsEditor::cancel() {
  window_.enableMainWindow();
  st_.SettingsChanged = 0;
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
  window_.enableMainWindow();
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
  st_.MainWindowActivated = 0;
  for (const PreviewRow& row : kPreviewRows) {
    if (!changed(row.setting)) continue;
    if (auto c = chosenColor(ColorPicker::FamilyOrGrid, window_.pickerText(row.setting),
                             window_.dialogColor(row.setting)))
      st_.*row.preview = *c;
  }
  drawPreview(preview_, st_);
  window_.quickViewChanged();
}

}  // namespace graf

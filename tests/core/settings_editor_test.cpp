// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "settings/settings_editor.h"
#include "settings/settings_record.h"

namespace graf {
namespace {

// The settings window, the quick view and the warning, as the editor sees them.
class FakeSettingsWindow : public SettingsWindowPort {
 public:
  std::map<Setting, std::string> pickers = {
      {Setting::Step, "Pontos"},      {Setting::Linear, "Piros"},   {Setting::Quadratic, "Zöld"},
      {Setting::Quadratic2, "Sötétzöld"}, {Setting::Absolute, "Kék"}, {Setting::Grid, "Ezüst"},
      {Setting::Sound, "Ki"},         {Setting::AuxColor, "Sárga"}, {Setting::AuxLines, "Ki"},
      {Setting::FunctionWindow, "Ki"}, {Setting::Sum, "Türkiz"},    {Setting::Optimize, "Ki"},
      {Setting::QuickView, "Soha"},
  };
  std::map<Setting, Color> dialogs;  // confirmed colours; black until then
  std::map<Setting, Color> samples;
  std::map<StateLabel, std::string> labels;
  bool auxActive = false;
  Color auxSample = 0;
  bool auxButton = true;
  bool precisionEnabled = true;
  bool quickView = false;
  std::string clash;  // the warning's message while it is shown
  bool open = true;
  std::vector<std::string> log;

  std::string pickerText(Setting s) const override { return pickers.at(s); }
  void setPickerText(Setting s, const std::string& t) override { pickers[s] = t; }
  Color dialogColor(Setting s) const override { return dialogs.count(s) ? dialogs.at(s) : 0; }
  void setSampleColor(Setting s, Color c) override { samples[s] = c; }
  void setAuxLinesSample(bool active, Color c) override { auxActive = active, auxSample = c; }
  void setAuxLinesCustomButtonVisible(bool v) override { auxButton = v; }
  void setPrecisionPickerEnabled(bool e) override { precisionEnabled = e; }
  void setLabel(StateLabel l, const std::string& t) override { labels[l] = t; }
  bool quickViewVisible() const override { return quickView; }
  void showQuickView() override {
    quickView = true;
    log.push_back("show quick view");
  }
  void focusQuickView() override { log.push_back("focus quick view"); }
  void hideQuickView() override {
    quickView = false;
    log.push_back("hide quick view");
  }
  void quickViewChanged() override { log.push_back("quick view drawn"); }
  void focusSettingsWindow() override { log.push_back("focus settings"); }
  void showColorClash(const std::string& m) override { clash = m; }
  void hideColorClash() override { clash.clear(); }
  void closeSettingsWindow() override;
  SettingsEditor* editor = nullptr;
};

void FakeSettingsWindow::closeSettingsWindow() {
  if (!open) return;
  open = false;
  editor->closed();
}

class SettingsEditorTest : public ::testing::Test {
 protected:
  PlotState st;
  FakeSettingsWindow window;
  SettingsState ss;
  SettingsEditor editor{st, ss, window};
  SettingsEditorTest() {
    window.editor = &editor;
    ss.MainWindowActivated = true;
  }
  // The user types or picks a text in a picker.
  void pick(Setting s, const std::string& text) {
    window.pickers[s] = text;
    editor.pickerChanged(s);
  }
  void storeStepText(const std::string& text) { setFieldText(ss.Record, Setting::Step, text); }
};

TEST_F(SettingsEditorTest, ActivationLabels) {
  ss.SettingsFileFound = true;
  st.settings.OptimizeOn = false;
  st.settings.SoundOn = true;
  st.settings.FunctionWindowOn = true;
  st.settings.QuickViewMode = 1;
  st.settings.ColorLinear = 0x808080;
  st.settings.ColorSum = 0x123456;
  storeStepText("0.5");
  editor.setCpuMhz(2400);
  editor.activate();
  EXPECT_EQ(window.labels[StateLabel::Clock], "2400 MHz");
  EXPECT_EQ(window.labels[StateLabel::Precision], "Normál");
  EXPECT_EQ(window.labels[StateLabel::Source], "Fájlból");
  EXPECT_EQ(window.labels[StateLabel::Sound], "Be");
  EXPECT_EQ(window.labels[StateLabel::AuxLines], "Ki");
  EXPECT_EQ(window.labels[StateLabel::Optimize], "Ki");
  EXPECT_EQ(window.labels[StateLabel::FunctionWindow], "Be");
  EXPECT_EQ(window.labels[StateLabel::QuickView], "Módosításkor");
  EXPECT_EQ(window.samples[Setting::Linear], 0x808080u);
  EXPECT_EQ(window.samples[Setting::Sum], 0x123456u);
  EXPECT_FALSE(window.auxActive);  // "Inaktív"
  EXPECT_FALSE(window.auxButton);
  EXPECT_TRUE(window.precisionEnabled);
  EXPECT_FALSE(window.quickView);
}

TEST_F(SettingsEditorTest, PrecisionLabel) {
  const struct {
    const char* stored;
    std::uint8_t optimize;
    const char* label;
  } cases[] = {{"0.1", 0, "Pontos"},     {"0.5", 0, "Normál"}, {"1.0", 0, "Pontatlan"},
               {"", 0, "Egyéni"},        {"0.2", 0, "Egyéni"}, {"0.1", 1, "Optimalizált"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    storeStepText(c.stored);
    st.settings.OptimizeOn = c.optimize;
    window.precisionEnabled = true;
    editor.activate();
    EXPECT_EQ(window.labels[StateLabel::Precision], c.label);
    EXPECT_EQ(window.precisionEnabled, c.optimize == 0);
  }
  EXPECT_EQ((editor.activate(), window.labels[StateLabel::Source]), "Programból (alapértelmezett)");
}

TEST_F(SettingsEditorTest, OkWithNothingTouchedAssignsNothingAndMarksForWriting) {
  st.settings.ColorLinear = 0x808080;
  st.settings.SampleStep = 0.5;
  editor.activate();
  editor.ok();
  EXPECT_EQ(st.settings.ColorLinear, 0x808080u);
  EXPECT_EQ(st.settings.SampleStep, 0.5);
  EXPECT_EQ(ss.SettingsChanged, 1);
  EXPECT_FALSE(window.open);
}

TEST_F(SettingsEditorTest, OkAssignsWhatTheChangedPickersName) {
  editor.activate();
  pick(Setting::Step, "Pontatlan");
  pick(Setting::Linear, "Szürke");
  pick(Setting::Quadratic, "piros");     // not a name: case matters
  pick(Setting::Quadratic2, "Türkiz");   // only the sum picker knows it
  pick(Setting::Grid, "Fekete");         // only the auxiliary-lines picker knows it
  pick(Setting::AuxColor, "Fekete");
  pick(Setting::Sum, "Türkiz");
  pick(Setting::Sound, "Be");
  pick(Setting::AuxLines, "Be");
  pick(Setting::FunctionWindow, "Be");
  pick(Setting::Optimize, "Ki");
  pick(Setting::QuickView, "Mindig");
  window.pickers[Setting::Absolute] = "Sárga";  // changed without its flag: not read
  st.settings.ColorSum = 0;
  editor.ok();
  EXPECT_EQ(st.settings.SampleStep, 1.0);
  EXPECT_EQ(st.settings.ColorLinear, 0x808080u);
  EXPECT_EQ(st.settings.ColorQuadratic, DefaultColorQuadratic);
  EXPECT_EQ(st.settings.ColorQuadratic2, DefaultColorQuadratic2);
  EXPECT_EQ(st.settings.ColorAbsolute, DefaultColorAbsolute);
  EXPECT_EQ(st.settings.ColorGrid, DefaultColorGrid);
  EXPECT_EQ(st.settings.ColorAuxLines, 0u);
  EXPECT_EQ(st.settings.ColorSum, 0xFFFF00u);
  EXPECT_EQ(st.settings.SoundOn, 1);
  EXPECT_EQ(st.settings.AuxLinesOn, 1);
  EXPECT_EQ(st.settings.FunctionWindowOn, 1);
  EXPECT_EQ(st.settings.OptimizeOn, 0);
  EXPECT_EQ(st.settings.QuickViewMode, 2);
  EXPECT_EQ(ss.SettingsChanged, 1);
}

TEST_F(SettingsEditorTest, CancelAssignsNothing) {
  ss.SettingsChanged = true;
  editor.activate();
  pick(Setting::Linear, "Kék");
  editor.cancel();
  EXPECT_EQ(st.settings.ColorLinear, DefaultColorLinear);
  EXPECT_EQ(ss.SettingsChanged, 0);
  EXPECT_FALSE(window.open);
  EXPECT_FALSE(editor.changed(Setting::Linear));
}

TEST_F(SettingsEditorTest, DefaultsRestoreEverythingAndClose) {
  st.settings.ColorLinear = st.settings.ColorQuadratic = st.settings.ColorQuadratic2 = st.settings.ColorAbsolute = 1;
  st.settings.ColorGrid = st.settings.ColorSum = st.settings.ColorAuxLines = 2;
  st.settings.SoundOn = st.settings.AuxLinesOn = st.settings.FunctionWindowOn = true;
  st.settings.OptimizeOn = false;
  st.settings.QuickViewMode = 2;
  st.settings.SampleStep = 1.0;
  for (auto& [s, text] : window.pickers) text = "x";
  editor.activate();
  editor.restoreDefaults();
  PlotState defaults;
  applyDefaults(defaults);
  EXPECT_EQ(st.settings.ColorLinear, DefaultColorLinear);
  EXPECT_EQ(st.settings.ColorQuadratic, DefaultColorQuadratic);
  EXPECT_EQ(st.settings.ColorQuadratic2, DefaultColorQuadratic2);
  EXPECT_EQ(st.settings.ColorAbsolute, DefaultColorAbsolute);
  EXPECT_EQ(st.settings.ColorGrid, DefaultColorGrid);
  EXPECT_EQ(st.settings.ColorSum, DefaultColorSum);
  EXPECT_EQ(st.settings.ColorAuxLines, DefaultColorAuxLines);
  EXPECT_EQ(st.settings.SoundOn, 0);
  EXPECT_EQ(st.settings.AuxLinesOn, 0);
  EXPECT_EQ(st.settings.FunctionWindowOn, 0);
  EXPECT_EQ(st.settings.OptimizeOn, 1);
  EXPECT_EQ(st.settings.QuickViewMode, 0);
  EXPECT_EQ(st.settings.SampleStep, 0.1);
  EXPECT_EQ(ss.SettingsChanged, 1);
  EXPECT_FALSE(window.open);
  EXPECT_EQ(window.pickers[Setting::Sum], "Türkiz");
  EXPECT_EQ(window.pickers[Setting::Optimize], "Be");
}

TEST_F(SettingsEditorTest, CustomColourThroughTheRowsDialog) {
  st.settings.QuickViewMode = 1;
  editor.activate();
  window.dialogs[Setting::Sum] = 0x010203;
  editor.customColorConfirmed(Setting::Sum, 0x010203);
  EXPECT_EQ(window.pickers[Setting::Sum], "Egyéni");
  EXPECT_EQ(window.samples[Setting::Sum], 0x010203u);
  EXPECT_FALSE(window.quickView);  // the sum is not in the quick view

  window.dialogs[Setting::Grid] = 0x0A0B0C;
  editor.customColorConfirmed(Setting::Grid, 0x0A0B0C);
  EXPECT_TRUE(window.quickView);
  EXPECT_EQ(ss.quickView.PreviewColorGrid, 0x0A0B0Cu);
  editor.ok();
  EXPECT_EQ(st.settings.ColorSum, 0x010203u);
  EXPECT_EQ(st.settings.ColorGrid, 0x0A0B0Cu);
}

TEST_F(SettingsEditorTest, AuxLinesSwitchShowsItsCustomButton) {
  st.settings.ColorAuxLines = 0xFF0000;
  editor.activate();
  EXPECT_FALSE(window.auxButton);
  pick(Setting::AuxLines, "Be");
  EXPECT_TRUE(window.auxButton);
  EXPECT_TRUE(window.auxActive);
  EXPECT_EQ(window.auxSample, 0xFF0000u);
  pick(Setting::AuxLines, "Ki");
  EXPECT_FALSE(window.auxButton);
  EXPECT_FALSE(window.auxActive);
}

TEST_F(SettingsEditorTest, OptimisationOffEnablesThePrecisionPicker) {
  st.settings.OptimizeOn = true;
  editor.activate();
  EXPECT_FALSE(window.precisionEnabled);
  pick(Setting::Optimize, "Be");
  EXPECT_FALSE(window.precisionEnabled);
  pick(Setting::Optimize, "Ki");
  EXPECT_TRUE(window.precisionEnabled);
}

TEST_F(SettingsEditorTest, ClashKeepsTheWindowOpenUntilIgnored) {
  editor.activate();
  window.dialogs[Setting::Linear] = 0xFFFFFF;
  editor.customColorConfirmed(Setting::Linear, 0xFFFFFF);
  editor.ok();
  EXPECT_EQ(window.clash, "elsőfokú színe egyezik a háttér színével;");
  EXPECT_EQ(st.settings.ColorLinear, 0xFFFFFFu);  // assigned, not yet accepted
  EXPECT_TRUE(window.open);
  EXPECT_EQ(ss.SettingsChanged, 0);

  editor.ignoreClash();
  EXPECT_EQ(window.clash, "");
  EXPECT_FALSE(window.open);
  EXPECT_EQ(ss.SettingsChanged, 1);
}

TEST_F(SettingsEditorTest, RevisitAndCancelKeepTheClashInMemoryOnly) {
  editor.activate();
  pick(Setting::Quadratic2, "Zöld");
  editor.ok();
  EXPECT_EQ(window.clash, " másodfokú és másodfokú 2 színe megegyezik");
  editor.revisitClash();
  EXPECT_EQ(window.clash, "");
  EXPECT_TRUE(window.open);
  editor.cancel();
  EXPECT_EQ(st.settings.ColorQuadratic2, DefaultColorQuadratic);
  EXPECT_EQ(ss.SettingsChanged, 0);
}

// A second OK that passes closes the window and its warning together.
TEST_F(SettingsEditorTest, PassingOkHidesAnOpenWarning) {
  editor.activate();
  pick(Setting::Quadratic2, "Zöld");
  editor.ok();
  ASSERT_NE(window.clash, "");
  pick(Setting::Quadratic2, "Sötétzöld");
  editor.ok();
  EXPECT_EQ(window.clash, "");
  EXPECT_FALSE(window.open);
}

TEST_F(SettingsEditorTest, QuickViewFollowsItsMode) {
  for (const int mode : {0, 1, 2}) {
    SCOPED_TRACE(mode);
    window.quickView = false;
    window.log.clear();
    st.settings.QuickViewMode = static_cast<std::uint8_t>(mode);
    ss.MainWindowActivated = true;
    editor.activate();
    EXPECT_EQ(window.quickView, mode == 2);
    pick(Setting::Linear, "Kék");
    EXPECT_EQ(window.quickView, mode != 0);
    EXPECT_EQ(window.log.back(), "focus settings");
    EXPECT_EQ(ss.quickView.PreviewColorLinear, mode != 0 ? 0xFF0000u : DefaultColorLinear);
    ss.quickView.PreviewColorLinear = DefaultColorLinear;
  }
}

// The settings window activated again after the quick view keeps its flags;
// after an activation of the main window it clears them.
TEST_F(SettingsEditorTest, FlagsSurviveTheQuickViewOnly) {
  st.settings.QuickViewMode = 1;
  editor.activate();
  pick(Setting::Grid, "Sárga");
  EXPECT_EQ(ss.MainWindowActivated, 0);
  editor.activate();
  EXPECT_TRUE(editor.changed(Setting::Grid));
  ss.MainWindowActivated = true;
  editor.activate();
  EXPECT_FALSE(editor.changed(Setting::Grid));
}

TEST_F(SettingsEditorTest, QuickViewColoursFromThePickers) {
  st.settings.QuickViewMode = 1;
  editor.activate();
  pick(Setting::Grid, "Sárga");
  EXPECT_EQ(ss.quickView.PreviewColorGrid, 0x00FFFFu);
  EXPECT_EQ(editor.preview().pixel(4, 198), 0x00FFFFu);
  pick(Setting::Grid, "Fekete");  // unknown here: the preview keeps its colour
  EXPECT_EQ(ss.quickView.PreviewColorGrid, 0x00FFFFu);
  pick(Setting::Absolute, "Egyéni");  // a dialog never confirmed gives black
  EXPECT_EQ(ss.quickView.PreviewColorAbsolute, 0u);
  EXPECT_EQ(ss.quickView.PreviewColorLinear, DefaultColorLinear);  // no flag, no change
  editor.cancel();
  EXPECT_EQ(window.log.back(), "hide quick view");
}

}  // namespace
}  // namespace graf

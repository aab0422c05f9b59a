// SPDX-License-Identifier: MIT
#pragma once
// What the settings window does, apart from showing it: the change flags, the
// labels of the settings in force, OK, "Mégse", the defaults and closing, the
// matching-colours check and the quick view with its colours. The window and
// the two windows beside it are reached through SettingsWindowPort.
#include <array>
#include <string>

#include "plot/plot_state.h"
#include "settings/preview.h"
#include "settings/setting_table.h"
#include "settings/settings_state.h"

namespace graf {

class SettingsWindowPort {
 public:
  virtual ~SettingsWindowPort() = default;
  virtual std::string pickerText(Setting s) const = 0;
  // Sets a picker's text without running its change reaction.
  virtual void setPickerText(Setting s, const std::string& text) = 0;
  // The colour last confirmed in a colour row's own dialog (black at first).
  virtual Color dialogColor(Setting s) const = 0;
  // The "I" sample of a colour row (not the auxiliary lines').
  virtual void setSampleColor(Setting s, Color c) = 0;
  // The auxiliary lines' sample: "I" in the colour, or "Inaktív" in the
  // window's face colour.
  virtual void setAuxLinesSample(bool active, Color c) = 0;
  virtual void setAuxLinesCustomButtonVisible(bool visible) = 0;
  virtual void setPrecisionPickerEnabled(bool enabled) = 0;
  virtual void setLabel(StateLabel label, const std::string& text) = 0;

  virtual bool quickViewVisible() const = 0;
  // Makes the quick view visible, or gives it the focus; neither runs its
  // activation, which the editor runs itself.
  virtual void showQuickView() = 0;
  virtual void focusQuickView() = 0;
  virtual void hideQuickView() = 0;
  // The quick view's picture has been redrawn.
  virtual void quickViewChanged() = 0;

  virtual void focusSettingsWindow() = 0;
  // Shows the matching-colours warning with its message.
  virtual void showColorClash(const std::string& message) = 0;
  virtual void hideColorClash() = 0;
  // Closes the settings window; its close reaction runs.
  virtual void closeSettingsWindow() = 0;
};

class SettingsEditor {
 public:
  SettingsEditor(PlotState& st, SettingsState& ss, SettingsWindowPort& window) : st_(st), ss_(ss), window_(window) {}

  // The processor clock the clock label shows.
  void setCpuMhz(int mhz) { cpuMhz_ = mhz; }
  int cpuMhz() const { return cpuMhz_; }

  bool changed(Setting s) const { return changeFlags_[static_cast<int>(s)]; }
  const PreviewPicture& preview() const { return preview_; }

  // The settings window's reactions.
  void activate();
  void pickerChanged(Setting s);
  // The row's colour dialog was confirmed with colour c.
  void customColorConfirmed(Setting s, Color c);
  void showQuickView();
  void ok();
  void cancel();
  void restoreDefaults();
  // However the window closes.
  void closed();

  // The matching-colours warning's buttons.
  void ignoreClash();  // "Nem érdekel"
  void revisitClash();  // "Átállít", and its close button

  // The quick view became the active window: settles its colours and redraws.
  void quickViewActivated();

 private:
  void raise(Setting s) { changeFlags_[static_cast<int>(s)] = true; }
  void showQuickViewIfHidden();
  void accept();

  PlotState& st_;
  SettingsState& ss_;
  SettingsWindowPort& window_;
  std::array<bool, SettingCount> changeFlags_{};
  int cpuMhz_ = 0;
  PreviewPicture preview_;
};

}  // namespace graf
